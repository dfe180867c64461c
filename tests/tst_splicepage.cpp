#include <QtTest>

#include "controlpageport.h"
#include "globals.h"
#include "maincontent/controlwidget/cylindercontrol/cylinderwidget.h"
#include <QGridLayout>
#include <QPointer>
#include <QPushButton>
#include <memory>

using Cells = QVector<QPoint>; // (column, row) of screens 1..n

// The splice and rotation page driven with the mouse; its commands are read back from the shared serial port on a pty.
class TstSplicePage : public QObject
{
    Q_OBJECT

    ControlPagePort mPort;
    std::unique_ptr<CylinderWidget> mPage;

    void clickMode(const QString &name) { QTest::mouseClick(mPage->findChild<QPushButton *>(name), Qt::LeftButton); }
    void clickScreen(int screen) { QTest::mouseClick(mPage->mScreens[screen - 1], Qt::LeftButton); }
    // Where screen 1..4 stands in the grid; (-1, -1) when it is off the page.
    QPoint cellOf(int screen) const
    {
        const QGridLayout *grid = mPage->findChild<QGridLayout *>("gridLayout");
        int row = -1, column = -1, span, at = grid->indexOf(mPage->mScreens[screen - 1]);
        if (at >= 0)
            grid->getItemPosition(at, &row, &column, &span, &span);
        return QPoint(column, row);
    }

private slots:
    void initTestCase() { QVERIFY(mPort.open()); }
    void init() { mPage.reset(new CylinderWidget); mPage->show(); QVERIFY(QTest::qWaitForWindowExposed(mPage.get())); }
    void cleanup()
    {
        mPage.reset();
        g_networkConnected = false;
        QVERIFY(mPort.port()->isOpen() || mPort.open());
        mPort.commandsSent();
    }

    void spliceModePlacesScreensAndSends_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<Cells>("cells");
        QTest::addColumn<QString>("command");
        QTest::newRow("1X2") << "H2" << Cells {{0, 0}, {1, 0}} << "660101026a";
        QTest::newRow("1X3") << "H3" << Cells {{0, 0}, {1, 0}, {2, 0}} << "660101036b";
        QTest::newRow("1X4") << "H4" << Cells {{0, 0}, {1, 0}, {2, 0}, {3, 0}} << "660101046c";
        QTest::newRow("2X1") << "V2" << Cells {{0, 0}, {0, 1}} << "660102016a";
        QTest::newRow("3X1") << "V3" << Cells {{0, 0}, {0, 1}, {0, 2}} << "660102026b";
        QTest::newRow("2X2") << "pushButton" << Cells {{0, 0}, {1, 0}, {0, 1}, {1, 1}} << "660103016b";
        QTest::newRow("4X1") << "V4" << Cells {{0, 0}, {0, 1}, {0, 2}, {0, 3}} << "660104016c";
    }
    void spliceModePlacesScreensAndSends()
    {
        QFETCH(QString, button);
        QFETCH(Cells, cells);
        QFETCH(QString, command);
        clickMode("H4"); // every screen placed before
        mPort.commandsSent();
        clickMode(button);
        for (int screen = 1; screen <= 4; ++screen) {
            QCOMPARE(cellOf(screen), screen <= cells.size() ? cells[screen - 1] : QPoint(-1, -1));
            QTRY_COMPARE(mPage->mScreens[screen - 1]->isVisible(), screen <= cells.size());
        }
        QCOMPARE(mPort.commandsSent(), QStringList({command}));
        QPointer<QPushButton> last = mPage->mScreens[3];
        mPage.reset();
        QVERIFY(last.isNull()); // on the page or off it, the screens go with it
    }

    void screenClicksToggleRotation_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("on");
        QTest::addColumn<QString>("off");
        QTest::newRow("screen 1") << 1 << "660201016a" << "6602010069";
        QTest::newRow("screen 2") << 2 << "660202016b" << "660202006a";
        QTest::newRow("screen 3") << 3 << "660204016d" << "660204006c";
        QTest::newRow("screen 4") << 4 << "6602080171" << "6602080070";
    }
    void screenClicksToggleRotation()
    {
        QFETCH(int, screen);
        QFETCH(QString, on);
        QFETCH(QString, off);
        clickMode("pushButton");
        clickScreen(screen);
        clickMode("V4"); // the rotation outlives a change of mode
        clickScreen(screen);
        clickScreen(screen);
        QCOMPARE(mPort.commandsSent(), QStringList({"660103016b", on, "660104016c", off, on}));
    }

    // The page writes to the serial port whatever link is up; a closed port
    // loses the command and keeps nothing back for later.
    void aClosedPortSkipsTheCommand()
    {
        g_networkConnected = true;
        mPort.port()->close();
        clickMode("H2");
        clickScreen(1);
        QVERIFY(mPort.open());
        clickMode("H3");
        QCOMPARE(mPort.commandsSent(), QStringList({"660101036b"}));
    }
};

QTEST_MAIN(TstSplicePage)
#include "tst_splicepage.moc"
