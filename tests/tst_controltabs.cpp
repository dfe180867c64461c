// The tab container of the control pages and the navigation tree's tips.
#include <QtTest>

#include <QAction>
#include <QLabel>
#include <QTabBar>
#include <QPushButton>
#include <QTreeWidgetItem>
#include "globals.h"
#include "windowfixture.h"
#include "maincontent/controltabwidget.h"
#include "maincontent/controltreewidget.h"
#include "maincontent/controlwidget/framecontrol/framewidget.h"
#include "maincontent/controlwidget/matrix/matrix.h"
#include "maincontent/messagetips.h"
#include "screen/languagefile.h"

class TstControlTabs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(translations); offerSerialPorts({}); }
    void cleanup() { LanguageFile::installTranslation(0); g_languageIndex = 0; g_serialPortOpen = 0; }

    void eachMappedValueShowsItsPage_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("title"); // empty: not in the page map
        QTest::newRow("serial") << 0 << "tabBanna" << "轮播图";
        QTest::newRow("routing") << 1 << "tabFrame" << " 柱状图";
        QTest::newRow("split") << 2 << "tabList" << "面板";
        QTest::newRow("unmapped: nothing changes") << 3 << "tabCylinder" << "";
        QTest::newRow("above the range") << 11 << "tabCylinder" << "";
    }
    void eachMappedValueShowsItsPage()
    {
        QFETCH(int, value);
        QFETCH(QString, title);
        ControlTabWidget container;
        QTabWidget *tabs = formChild<QTabWidget>(&container, "tabWidgetControl");
        QVERIFY(tabs->tabBar()->isHidden());
        tabs->setCurrentIndex(1);
        container.receiveShowCurrentTab(static_cast<WidgetTabType>(value));
        QTEST(tabs->currentWidget()->objectName(), "shown");
        QCOMPARE(container.pageMap().value(value), title.isEmpty() ? ControlTabWidget::Page()
                                                                   : ControlTabWidget::Page(tabs->currentWidget(), title));
        QCOMPARE(container.pageMap().size(), 3);
    }

    void aLanguageChangeReachesTheSplitSerialAndRoutingPages()
    {
        ControlTabWidget container;
        QPushButton *split = formChild<matrix>(&container, "tabList")->findChild<QPushButton *>("pushButton");
        QAction *routing = formChild<FrameWidget>(&container, "tabFrame")->mActions[0];
        g_languageIndex = 1;
        QVERIFY(LanguageFile::installTranslation(1));
        container.lang(); // the translator alone changes none of them
        const QStringList texts {split->text(), formChild<QPushButton>(&container, "openButton")->text(), routing->text()};
        QCOMPARE(texts, QStringList({"Picture in picture", "Open Serial Port", "Choose HDMI 1"}));
    }

    void aNavigationItemTipsWhileThePortIsClosed_data()
    {
        QTest::addColumn<QStringList>("columns");
        QTest::addColumn<int>("portOpen");
        QTest::addColumn<QString>("tip");   // empty: none
        const QString cn = QStringLiteral("串口未连接，控制无效");
        QTest::newRow("matrix mode") << QStringList{"矩阵模式"} << 0 << cn;
        QTest::newRow("matrix mode, port open") << QStringList{"矩阵模式"} << 1 << QString();
        QTest::newRow("lower-case matrix") << QStringList{"matrix"} << 0 << QString();
        QTest::newRow("text of the clicked column")
            << QStringList{"Page", "Matrix"} << 0 << QStringLiteral("The serial port is not connected，the controlling does not work");
    }
    void aNavigationItemTipsWhileThePortIsClosed()
    {
        QFETCH(QStringList, columns);
        QFETCH(QString, tip);
        QFETCH(int, portOpen);
        g_serialPortOpen = portOpen;
        ControlTreeWidget tree;
        QTreeWidgetItem item(columns);
        tree.on_treeWidgetMenu_itemClicked(&item, columns.size() - 1);
        QStringList shown;
        for (MessageTips *t : tree.findChildren<MessageTips *>())
            shown << (t->isVisible() ? t->findChild<QLabel *>()->text() : QStringLiteral("hidden"));
        QCOMPARE(shown, tip.isEmpty() ? QStringList() : QStringList{tip});
    }
};

QTEST_MAIN(TstControlTabs)
#include "tst_controltabs.moc"
