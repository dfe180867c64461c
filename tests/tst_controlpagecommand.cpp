#include <QtTest>

#include "controlpageroad.h"
#include "globals.h"
#include "linktestsupport.h"
#include "maincontent/controlwidget/controlpagecommand.h"
#include "maincontent/controlwidget/framecontrol/dragpushbutton.h"
#include "mainwindow.h"
#include "widgetdrag.h"

#include <QPointer>


// The control pages' own command family and the draggable input button that
// sends its routing commands, over the serial road of a pseudo-terminal.
class TstControlPageCommand : public QObject
{
    Q_OBJECT

    QTemporaryDir mDir;
    std::unique_ptr<QWidget> mPage;     // stands where the routing page would
    DragPushButton *mButton = nullptr;
    std::unique_ptr<ControlPageRoad> mRoad;

    void makeButton(int id)
    {
        delete mButton;
        mButton = new DragPushButton(id, mPage.get());
        mButton->setGeometry(650, 110, 80, 50);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(mDir.isValid());
        QDir::setCurrent(mDir.path());
        offerSerialPorts({});
    }

    void init()
    {
        resetLinkFlags();
        mPage.reset(new QWidget);
        mPage->resize(829, 558);
        mButton = nullptr;
        makeButton(0);
        mRoad.reset(new ControlPageRoad(ControlPageRoad::Serial));
        QVERIFY(mRoad->isOpen());
    }

    void cleanup()
    {
        mRoad.reset();
        mPage.reset();
    }

    void commandTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        using namespace ControlPageCommand;
        QTest::newRow("splice, the check byte's own example") << withCheck(Splice, 0x01, 0x02) << "660101026a";
        QTest::newRow("splice of the split page") << withCheck(Splice, 0x01, 0x01) << "6601010169";
        QTest::newRow("screen 1 rotated") << withCheck(Rotation, 0x01, 0x01) << "660201016a";
        QTest::newRow("screen 1 straight") << withCheck(Rotation, 0x01, 0x00) << "6602010069";
        QTest::newRow("screen 4 rotated") << withCheck(Rotation, 0x08, 0x01) << "6602080171";
        QTest::newRow("screen 4 straight") << withCheck(Rotation, 0x08, 0x00) << "6602080070";
        QTest::newRow("the split layout that carries a check") << withCheck(Split, 0x01, 0x00) << "660301006a";
        QTest::newRow("input 2 on output 3") << routing(3, 2) << "6604030002";
        QTest::newRow("input 1 on output 1") << routing(1, 1) << "6604010001";
        QTest::newRow("input 4 on output 4") << routing(4, 4) << "6604040004";
        QTest::newRow("the sum wraps to eight bits") << withCheck(0xff, 0xff, 0xff) << "66ffffff63";
    }
    void commandTexts()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(text, expected);
    }

    void serialRoadWritesTheDecodedBytes()
    {
        QVERIFY(ControlPageCommand::send(QStringLiteral("6604010001")));
        mButton->send(QStringLiteral("660101026A")); // upper case decodes alike
        QCOMPARE(mRoad->received(), QByteArray::fromHex("6604010001660101026a"));
    }

    void closedSerialPortIsSkipped()
    {
        mRoad.reset();
        QVERIFY(!ControlPageCommand::send(QStringLiteral("6604010001")));
        QVERIFY(!ControlPageCommand::writeSerial(QStringLiteral("6604010001")));
        // A network flag without a connected socket is skipped the same way.
        g_networkConnected = true;
        QVERIFY(!ControlPageCommand::send(QStringLiteral("6604010001")));
    }

    void dropPicksTheOutput_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QPoint>("topLeft");
        QTest::addColumn<int>("output");       // 0: nothing sent
        QTest::newRow("output 1, near corner") << 0 << QPoint(61, 61) << 1;
        QTest::newRow("output 1, far corner") << 0 << QPoint(264, 231) << 1;
        QTest::newRow("left of output 1") << 0 << QPoint(60, 100) << 0;
        QTest::newRow("above output 1") << 0 << QPoint(100, 60) << 0;
        QTest::newRow("output 2, near corner") << 1 << QPoint(267, 61) << 2;
        QTest::newRow("output 2, far corner") << 1 << QPoint(471, 231) << 2;
        QTest::newRow("between outputs 1 and 2") << 1 << QPoint(266, 100) << 0;
        QTest::newRow("right of output 2") << 1 << QPoint(472, 100) << 0;
        QTest::newRow("input 3 on output 4") << 2 << QPoint(300, 250) << 4;
        QTest::newRow("between outputs 3 and 4") << 2 << QPoint(265, 250) << 0;
        QTest::newRow("output 3, near corner") << 2 << QPoint(61, 232) << 3;
        QTest::newRow("below output 3") << 2 << QPoint(100, 401) << 0;
        QTest::newRow("output 4, near corner") << 3 << QPoint(266, 233) << 4;
        QTest::newRow("output 4 starts a row lower") << 3 << QPoint(266, 232) << 0;
        QTest::newRow("output 4, far corner") << 3 << QPoint(471, 400) << 4;
        QTest::newRow("the main window's spare button") << 111 << QPoint(100, 100) << 0;
    }
    void dropPicksTheOutput()
    {
        QFETCH(int, id);
        QFETCH(QPoint, topLeft);
        QFETCH(int, output);
        makeButton(id);
        QSignalSpy drops[] = {{mButton, &DragPushButton::changeUI1}, {mButton, &DragPushButton::changeUI2},
                              {mButton, &DragPushButton::changeUI3}, {mButton, &DragPushButton::changeUI4}};

        WidgetDrag drag(mButton);
        drag.moveTo(topLeft + QPoint(40, 25));
        QCOMPARE(mButton->pos(), topLeft);
        drag.release();

        QCOMPARE(QPoint(mButton->mDropX, mButton->mDropY), topLeft);
        QCOMPARE(mButton->geometry(), QRect(650, 110, 80, 50));
        const QByteArray expected =
            output ? mRoad->wire(ControlPageCommand::routing(output, id + 1)) : QByteArray();
        QCOMPARE(mRoad->received(), expected);
        for (int o = 1; o <= 4; ++o)
            QCOMPARE(drops[o - 1].count(), o == output ? 1 : 0);
    }

    void hoverNamesTheOutputUnderTheCursor_data()
    {
        QTest::addColumn<QPoint>("cursor");
        QTest::addColumn<QStringList>("signalsEmitted");
        QTest::newRow("over output 1") << QPoint(100, 200) << QStringList {"gao1"};
        QTest::newRow("over output 2") << QPoint(330, 200) << QStringList {"di", "gao2"};
        QTest::newRow("over output 3") << QPoint(100, 300) << QStringList {"di", "gao3"};
        QTest::newRow("over output 4") << QPoint(559, 374) << QStringList {"di", "gao4"};
        QTest::newRow("on the column between") << QPoint(320, 200) << QStringList {"di"};
        QTest::newRow("on the row between") << QPoint(200, 240) << QStringList {"di"};
        QTest::newRow("beside the outputs") << QPoint(600, 200) << QStringList {"di"};
    }
    void hoverNamesTheOutputUnderTheCursor()
    {
        QFETCH(QPoint, cursor);
        QFETCH(QStringList, signalsEmitted);
        QStringList seen;
        const QList<QPair<QString, void (DragPushButton::*)()>> hovers = {
            {"gao1", &DragPushButton::gao1}, {"gao2", &DragPushButton::gao2}, {"gao3", &DragPushButton::gao3},
            {"gao4", &DragPushButton::gao4}, {"di", &DragPushButton::di}};
        for (const auto &hover : hovers)
            connect(mButton, hover.second, this, [&seen, name = hover.first] { seen << name; });

        // The test point is the button's new place plus the cursor's place
        // inside it before the move: the cursor itself once the button has
        // caught up, as it does within a drag's stream of small moves.
        WidgetDrag drag(mButton);
        drag.moveTo(cursor);
        seen.clear();
        drag.moveTo(cursor);
        QCOMPARE(seen, signalsEmitted);
        // The grabbed point stays under the cursor.
        QCOMPARE(mButton->pos(), cursor - QPoint(40, 25));
    }

    void movesWithoutTheLeftButtonAloneDoNothing()
    {
        QSignalSpy hover(mButton, &DragPushButton::di);
        QMouseEvent tracked(QEvent::MouseMove, QPoint(10, 10), mButton->mapToGlobal(QPoint(10, 10)),
                            Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(mButton, &tracked);
        QMouseEvent twoHeld(QEvent::MouseMove, QPoint(-200, 10), mButton->mapToGlobal(QPoint(-200, 10)),
                            Qt::NoButton, Qt::LeftButton | Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(mButton, &twoHeld);
        QCOMPARE(mButton->pos(), QPoint(650, 110));
        QCOMPARE(hover.count(), 0);
    }

    void dragStaysInsideTheParent_data()
    {
        QTest::addColumn<QPoint>("cursor");
        QTest::addColumn<QPoint>("topLeft");
        QTest::newRow("past the top-left") << QPoint(-100, -100) << QPoint(0, 0);
        QTest::newRow("past the bottom-right") << QPoint(2000, 2000) << QPoint(829 - 80, 558 - 50);
        QTest::newRow("past the right edge only") << QPoint(900, 300) << QPoint(829 - 80, 275);
    }
    void dragStaysInsideTheParent()
    {
        QFETCH(QPoint, cursor);
        QFETCH(QPoint, topLeft);
        WidgetDrag drag(mButton);
        drag.moveTo(cursor);
        QCOMPARE(mButton->pos(), topLeft);
    }

    void releaseGoesHomeAtItsRestingSize()
    {
        // The home is wherever the last left press found the button.
        mButton->setGeometry(30, 40, 120, 70);
        WidgetDrag drag(mButton, QPoint(10, 10));
        QCOMPARE(DragPushButton::sStartX, 30);
        QCOMPARE(DragPushButton::sStartY, 40);
        drag.moveTo(QPoint(700, 500));
        drag.release();
        QCOMPARE(mButton->geometry(), QRect(30, 40, 80, 50));
        QCOMPARE(mButton->mPressPoint, QPoint(10, 10));
    }

    void rightReleaseStaysAndStillRoutes()
    {
        QSignalSpy drop(mButton, &DragPushButton::changeUI3);
        WidgetDrag drag(mButton);
        drag.moveTo(QPoint(100, 300) + QPoint(40, 25));
        drag.release(Qt::RightButton);
        QCOMPARE(mButton->pos(), QPoint(100, 300));
        QCOMPARE(mRoad->received(), mRoad->wire(QStringLiteral("6604030001")));
        QCOMPARE(drop.count(), 1);
    }

    void mainWindowKeepsAHiddenSpareButton()
    {
        std::unique_ptr<MainWindow> window = makeFreshLinkedMainWindow();
        QPointer<DragPushButton> spare = window->mDragPushButton;
        QVERIFY(spare);
        QCOMPARE(spare->mId, 111);
        QVERIFY(!spare->parent());
        QVERIFY(!spare->isVisible());
        window.reset();
        QVERIFY(!spare);
    }
};

QTEST_MAIN(TstControlPageCommand)
#include "tst_controlpagecommand.moc"
