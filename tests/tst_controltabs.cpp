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
#include "windowfixture.h"
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
        QTabWidget *tabs = formChild<QTabWidget>(&container, "tabWidgetControl");
        QStringList names;
        for (int i = 0; i < tabs->count(); ++i)
            names << tabs->widget(i)->objectName();
        QCOMPARE(names, QStringList({"tabBanna", "tabCylinder", "tabFrame", "tabList"}));
        QCOMPARE(tabs->currentIndex(), 0);
        QVERIFY(tabs->tabBar()->isHidden());
        QCOMPARE(tabs->palette().color(QPalette::Inactive, QPalette::Window), QColor(30, 30, 30));

        using Page = ControlTabWidget::Page;
        const QMap<int, Page> map{{0, Page(tabs->widget(0), QStringLiteral("轮播图"))},
                                  {1, Page(tabs->widget(2), QStringLiteral(" 柱状图"))},
                                  {2, Page(tabs->widget(3), QStringLiteral("面板"))}};
        QCOMPARE(container.pageMap(), map);
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
    }

    void showsThePageItsValueNames()
    {
        QFETCH(int, value);
        QFETCH(QString, shown);
        ControlTabWidget container;
        QTabWidget *tabs = formChild<QTabWidget>(&container, "tabWidgetControl");
        tabs->setCurrentIndex(1);
        container.receiveShowCurrentTab(static_cast<WidgetTabType>(value));
        QCOMPARE(tabs->currentWidget()->objectName(), shown);
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
        const QString matrixTip = QStringLiteral("The serial port is not connected，the controlling does not work");
        QTest::newRow("matrix mode") << QStringList{"矩阵模式"} << 0 << 0 << cn;
        QTest::newRow("matrix mode, port open") << QStringList{"矩阵模式"} << 0 << 1 << QString();
        QTest::newRow("splice and split") << QStringList{"拼接&分割"} << 0 << 0 << cn;
        QTest::newRow("Matrix") << QStringList{"Matrix"} << 0 << 0 << matrixTip;
        QTest::newRow("Split") << QStringList{"Split"} << 0 << 0
                               << QStringLiteral("The serial port is not connected， the controlling does not work");
        QTest::newRow("lower-case matrix") << QStringList{"matrix"} << 0 << 0 << QString();
        QTest::newRow("text of the clicked column") << QStringList{"Page", "Matrix"} << 1 << 0 << matrixTip;
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

        QStringList shown;
        for (MessageTips *t : tree.findChildren<MessageTips *>())
            shown << (t->isVisible() ? t->findChild<QLabel *>()->text() : QStringLiteral("hidden"));
        QCOMPARE(shown, tip.isEmpty() ? QStringList() : QStringList{tip});
    }
};

QTEST_MAIN(TstControlTabs)
#include "tst_controltabs.moc"
