// The tab container of the control pages and the navigation tree's tips.
#include <QtTest>

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTranslator>
#include <QTreeWidgetItem>

#include "globals.h"
#include "linktestsupport.h"
#include "maincontent/controltabwidget.h"
#include "maincontent/controltreewidget.h"
#include "maincontent/controlwidget/framecontrol/framewidget.h"
#include "maincontent/messagetips.h"
#include "screen/languagefile.h"

namespace {

// Notes the context of every lookup and leaves the answer to the
// translators below it.
class RecordingTranslator : public QTranslator
{
public:
    mutable QStringList contexts;
    QString translate(const char *context, const char *, const char *, int) const override
    {
        contexts << QString::fromLatin1(context);
        return QString();
    }
};

QTabWidget *tabsOf(const ControlTabWidget &container)
{
    return formChild<QTabWidget>(&container, "tabWidgetControl");
}

} // namespace

class TstControlTabs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(translations);
        offerSerialPorts({});
    }

    void cleanup()
    {
        LanguageFile::installTranslation(0);
        g_languageIndex = 0;
        g_serialPortOpen = 0;
    }

    void holdsFourPagesBehindAHiddenTabBarAndMapsThree()
    {
        ControlTabWidget container;
        QTabWidget *tabs = tabsOf(container);
        const char *names[] = {"tabBanna", "tabCylinder", "tabFrame", "tabList"};
        QCOMPARE(tabs->count(), 4);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(tabs->widget(i)->objectName(), QLatin1String(names[i]));
        QCOMPARE(tabs->currentIndex(), 0);
        QVERIFY(tabs->tabBar()->isHidden());
        QCOMPARE(tabs->palette().color(QPalette::Inactive, QPalette::Window), QColor(30, 30, 30));

        const QMap<int, ControlTabWidget::Page> &map = container.pageMap();
        QCOMPARE(map.keys(), QList<int>({0, 1, 2}));
        QCOMPARE(map[0], ControlTabWidget::Page(tabs->widget(0), QStringLiteral("轮播图")));
        QCOMPARE(map[1], ControlTabWidget::Page(tabs->widget(2), QStringLiteral(" 柱状图")));
        QCOMPARE(map[2], ControlTabWidget::Page(tabs->widget(3), QStringLiteral("面板")));
    }

    void showsThePageItsValueNames_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("serial") << 0 << "tabBanna";
        QTest::newRow("routing") << 1 << "tabFrame";
        QTest::newRow("split") << 2 << "tabList";
        QTest::newRow("unmapped") << 3 << "tabCylinder";
        QTest::newRow("last accepted, unmapped") << 10 << "tabCylinder";
        QTest::newRow("above the range") << 11 << "tabCylinder";
        QTest::newRow("negative") << -1 << "tabCylinder";
    }

    void showsThePageItsValueNames()
    {
        QFETCH(int, value);
        QFETCH(QString, shown);
        ControlTabWidget container;
        QTabWidget *tabs = tabsOf(container);
        tabs->setCurrentIndex(1);
        container.receiveShowCurrentTab(static_cast<WidgetTabType>(value));
        QCOMPARE(tabs->currentWidget()->objectName(), shown);
        QCOMPARE(tabs->count(), 4);
    }

    void aMappedPageThatLeftTheTabsComesBack()
    {
        ControlTabWidget container;
        QTabWidget *tabs = tabsOf(container);
        QWidget *routing = tabs->widget(2);
        tabs->removeTab(2);
        container.receiveShowCurrentTab(RoutingTab);
        QCOMPARE(tabs->count(), 4);
        QCOMPARE(tabs->currentWidget(), routing);
        QCOMPARE(tabs->tabText(3), QStringLiteral(" 柱状图"));
    }

    void tabTextsFollowTheLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("texts");   // window title, then tabs 0 to 3
        QTest::newRow("cn") << 0 << QStringList{"Form", "轮播图", " 柱状图", "面板", "页"};
        QTest::newRow("en") << 1 << QStringList{"Form", "Carousel", " Bar chart", "Panel", "Page"};
        QTest::newRow("ru") << 2 << QStringList{"Форма", "Карусель", " Гистограмма", "Панель", "Страница"};
        QTest::newRow("es") << 3 << QStringList{"Formulario", "Carrusel", " Gráfico de barras", "Panel", "Página"};
    }

    void tabTextsFollowTheLanguage()
    {
        QFETCH(int, language);
        QFETCH(QStringList, texts);
        QVERIFY(LanguageFile::installTranslation(language));
        ControlTabWidget container;
        QStringList seen{container.windowTitle()};
        for (int i = 0; i < 4; ++i)
            seen << tabsOf(container)->tabText(i);
        QCOMPARE(seen, texts);
        QCOMPARE(container.pageMap()[0].second, texts[1]);
    }

    void aLanguageChangeReachesSplitThenSerialThenRoutingPage()
    {
        ControlTabWidget container;
        g_languageIndex = 1;
        QVERIFY(LanguageFile::installTranslation(1));
        RecordingTranslator recorder;
        QCoreApplication::installTranslator(&recorder);
        auto *routing = formChild<FrameWidget>(&container, "tabFrame");
        connect(routing->mActions[0], &QAction::changed, this, [&] { recorder.contexts << "routing"; });

        recorder.contexts.clear();
        container.lang();
        QCoreApplication::removeTranslator(&recorder);

        const int split = recorder.contexts.indexOf("matrix");
        const int serial = recorder.contexts.indexOf("BannaWidget");
        const int routed = recorder.contexts.indexOf("routing");
        QVERIFY2(split >= 0 && split < serial && serial < routed, qPrintable(recorder.contexts.join(' ')));
        QCOMPARE(formChild<QPushButton>(&container, "openButton")->text(), QStringLiteral("Open Serial Port"));
        QCOMPARE(routing->mActions[0]->text(), QStringLiteral("Choose HDMI 1"));
    }

    void aNavigationItemTipsWhileThePortIsClosed_data()
    {
        QTest::addColumn<QStringList>("columns");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("portOpen");
        QTest::addColumn<QString>("tip");   // empty: none
        const QString cn = QStringLiteral("串口未连接，控制无效");
        QTest::newRow("matrix mode") << QStringList{"矩阵模式"} << 0 << 0 << cn;
        QTest::newRow("matrix mode, port open") << QStringList{"矩阵模式"} << 0 << 1 << QString();
        QTest::newRow("splice and split") << QStringList{"拼接&分割"} << 0 << 0 << cn;
        QTest::newRow("splice and split, port open") << QStringList{"拼接&分割"} << 0 << 1 << QString();
        QTest::newRow("Matrix") << QStringList{"Matrix"} << 0 << 0
                                << QStringLiteral("The serial port is not connected，the controlling does not work");
        QTest::newRow("Split") << QStringList{"Split"} << 0 << 0
                               << QStringLiteral("The serial port is not connected， the controlling does not work");
        QTest::newRow("Split, port open") << QStringList{"Split"} << 0 << 1 << QString();
        QTest::newRow("lower-case matrix") << QStringList{"matrix"} << 0 << 0 << QString();
        QTest::newRow("text of the clicked column") << QStringList{"Page", "Matrix"} << 1 << 0
                                                    << QStringLiteral("The serial port is not connected，the controlling does not work");
        QTest::newRow("other column") << QStringList{"Page", "Matrix"} << 0 << 0 << QString();
    }

    void aNavigationItemTipsWhileThePortIsClosed()
    {
        QFETCH(QStringList, columns);
        QFETCH(int, column);
        QFETCH(int, portOpen);
        QFETCH(QString, tip);
        g_serialPortOpen = portOpen;
        ControlTreeWidget tree;
        QTreeWidgetItem item(columns);
        if (columns[column] == QStringLiteral("矩阵模式"))
            QTest::ignoreMessage(QtDebugMsg, "进入矩阵模式");
        tree.on_treeWidgetMenu_itemClicked(&item, column);

        const QList<MessageTips *> tips = tree.findChildren<MessageTips *>();
        QCOMPARE(tips.size(), tip.isEmpty() ? 0 : 1);
        if (!tip.isEmpty()) {
            QVERIFY(tips[0]->isVisible());
            QCOMPARE(tips[0]->findChild<QLabel *>()->text(), tip);
        }
    }
};

QTEST_MAIN(TstControlTabs)
#include "tst_controltabs.moc"
