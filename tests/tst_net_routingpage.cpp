#include <QtTest>

#include "globals.h"
#include "link/networkportmanager.h"
#include "link/serialportmanager.h"
#include "windowfixture.h"
#include "maincontent/controlwidget/controlpagecommand.h"
#include "maincontent/controlwidget/framecontrol/dragpushbutton.h"
#include "maincontent/controlwidget/framecontrol/framewidget.h"
#include "ptypair.h"

#include <QAction>
#include <QMenu>
#include <QSerialPort>
#include <QTcpServer>
#include <QTcpSocket>

// The routing page end to end: clicks, drags and menu choices reach the box
// as routing commands, over the serial road (a pseudo-terminal: bytes) and
// the TCP road (a server at 10.77.0.2 in the test's namespace: text and LF).
class TstNetRoutingPage : public QObject
{
    Q_OBJECT

    std::unique_ptr<FrameWidget> mPage;
    std::unique_ptr<PtyPair> mPty;
    std::unique_ptr<QTcpServer> mServer;
    QTcpSocket *mBox = nullptr; // the box's end of the TCP road
    QByteArray mReceived;

    QPushButton *output(int o) const
    {
        return formChild<QPushButton>(mPage.get(), ("label" + QByteArray::number(o)).constData());
    }
    DragPushButton *input(int i) const { return mPage->mInputButtons[i - 1]; }
    QByteArray wire(const QString &command) const
    {
        return g_networkConnected ? command.toLatin1() + '\n' : QByteArray::fromHex(command.toLatin1());
    }

    void openRoad(bool tcp)
    {
        g_networkConnected = tcp;
        if (!tcp) {
            QSerialPort *port = SerialPortManager::getInstance()->serialPort();
            port->setPortName(mPty->slavePath());
            QVERIFY(port->open(QIODevice::ReadWrite));
            return;
        }
        mServer.reset(new QTcpServer);
        QVERIFY(mServer->listen(QHostAddress("10.77.0.2")));
        QTcpSocket *socket = NetworkPortManager::getInstance()->tcpSocket();
        socket->connectToHost(mServer->serverAddress(), mServer->serverPort());
        QVERIFY(socket->waitForConnected(3000) && mServer->waitForNewConnection(3000));
        mBox = mServer->nextPendingConnection();
    }

    // What the box received since the last call. A fence command sent after
    // it marks the end, so "nothing" needs no wait for silence.
    QByteArray received()
    {
        const QByteArray fence = wire("66ff00ff00");
        ControlPageCommand::send("66ff00ff00");
        QElapsedTimer clock;
        clock.start();
        while (!mReceived.contains(fence) && clock.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            if (!mBox)
                mReceived += mPty->read(1, 5);
            else if (mBox->bytesAvailable() || mBox->waitForReadyRead(5))
                mReceived += mBox->readAll();
        }
        const QByteArray before = mReceived.left(mReceived.indexOf(fence));
        mReceived.clear();
        return before;
    }

    // A hand's drag: left press at the button's (40, 25), moves of a few
    // pixels so that the button keeps up, release with `button`.
    static void drag(DragPushButton *b, QPoint topLeft, Qt::MouseButton button = Qt::LeftButton)
    {
        const auto send = [b](QEvent::Type type, QPoint local, Qt::MouseButton which, Qt::MouseButtons held) {
            QMouseEvent event(type, local, b->mapToGlobal(local), which, held, Qt::NoModifier);
            QApplication::sendEvent(b, &event);
        };
        const QPoint grab(40, 25);
        send(QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
        const QPoint from = b->pos(), way = topLeft - from;
        const int steps = qMax(qAbs(way.x()), qAbs(way.y())) / 10 + 1;
        for (int i = 1; i <= steps; ++i)
            send(QEvent::MouseMove, from + way * i / steps + grab - b->pos(), Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, grab, button, Qt::MouseButtons(Qt::LeftButton) & ~button);
    }

    // Right press at page point `at`, then entry `entry` of the menu by keyboard.
    void chooseFromMenu(QPoint at, int entry)
    {
        QWidget *target = mPage->childAt(at) ? mPage->childAt(at) : mPage.get();
        const QPoint local = target->mapFrom(mPage.get(), at);
        QCursor::setPos(target->mapToGlobal(local));
        QTest::mouseClick(target, Qt::RightButton, Qt::NoModifier, local);
        QTimer::singleShot(0, this, [entry] {
            QWidget *menu = QApplication::activePopupWidget();
            if (!menu)
                return;
            for (int i = 0; i < entry; ++i)
                QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, local, target->mapToGlobal(local));
        QApplication::sendEvent(target, &event);
    }

    static void addRoads()
    {
        QTest::addColumn<bool>("tcp");
        QTest::newRow("serial") << false;
        QTest::newRow("tcp") << true;
    }

private slots:
    void initTestCase()
    {
        SerialPortManager::getInstance()->init();
        NetworkPortManager::getInstance()->init();
    }

    void init()
    {
        resetProgramState();
        mPty.reset(new PtyPair);
        mPage.reset(new FrameWidget);
        mPage->show();
    }

    void cleanup()
    {
        mPage.reset();
        SerialPortManager::getInstance()->serialPort()->close();
        NetworkPortManager::getInstance()->tcpSocket()->abort();
        mServer.reset(); // with the box's end
        mBox = nullptr;
        resetProgramState();
    }

    void commandTexts_data()
    {
        using namespace ControlPageCommand;
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("splice mode") << withCheck(Splice, 1, 2) << "660101026a";
        QTest::newRow("split page's splice") << withCheck(Splice, 1, 1) << "6601010169";
        QTest::newRow("screen 1 rotated") << withCheck(Rotation, 1, 1) << "660201016a";
        QTest::newRow("screen 4 straight") << withCheck(Rotation, 8, 0) << "6602080070";
        QTest::newRow("split with a check") << withCheck(Split, 1, 0) << "660301006a";
        QTest::newRow("sum wraps") << withCheck(0xff, 0xff, 0xff) << "66ffffff63";
        QTest::newRow("routing") << routing(3, 2) << "6604030002";
    }
    void commandTexts()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(text, expected);
    }

    void clickRoutesTheSelectedInput_data() { addRoads(); }
    void clickRoutesTheSelectedInput()
    {
        QFETCH(bool, tcp);
        openRoad(tcp);
        QTest::mouseClick(output(1), Qt::LeftButton); // no input chosen yet
        QTest::mouseClick(input(3), Qt::LeftButton);
        QCOMPARE(received(), QByteArray());
        QCOMPARE(output(1)->text(), QStringLiteral("HDMI OUT 1"));
        QTest::mouseClick(output(2), Qt::LeftButton);
        QCOMPARE(received(), wire("6604020003"));
        QCOMPARE(output(2)->text(), QStringLiteral("3"));
        QVERIFY(output(2)->styleSheet().contains("#31B0FF"));
    }

    void dragRoutesToTheDropArea_data()
    {
        QTest::addColumn<bool>("tcp");
        QTest::addColumn<int>("in");
        QTest::addColumn<QPoint>("topLeft");
        QTest::addColumn<QString>("command");
        QTest::newRow("tcp: output 1") << true << 1 << QPoint(61, 61) << "6604010001";
        QTest::newRow("serial: left of output 1") << false << 1 << QPoint(60, 100) << "";
        QTest::newRow("serial: output 2") << false << 2 << QPoint(267, 61) << "6604020002";
        QTest::newRow("serial: between 1 and 2") << false << 2 << QPoint(266, 100) << "";
        QTest::newRow("tcp: output 3, off its button") << true << 4 << QPoint(70, 245) << "6604030004";
        QTest::newRow("serial: below output 3") << false << 4 << QPoint(100, 401) << "";
        QTest::newRow("serial: output 4") << false << 3 << QPoint(300, 250) << "6604040003";
        QTest::newRow("serial: between 3 and 4") << false << 3 << QPoint(265, 250) << "";
        QTest::newRow("serial: above output 4") << false << 3 << QPoint(266, 232) << "";
        QTest::newRow("serial: output 4's far corner") << false << 3 << QPoint(471, 400) << "6604040003";
    }
    void dragRoutesToTheDropArea()
    {
        QFETCH(bool, tcp);
        QFETCH(int, in);
        QFETCH(QPoint, topLeft);
        QFETCH(QString, command);
        openRoad(tcp);
        const QRect home = input(in)->geometry();
        drag(input(in), topLeft);
        QCOMPARE(QPoint(input(in)->mDropX, input(in)->mDropY), topLeft);
        QCOMPARE(input(in)->geometry(), home);
        QCOMPARE(received(), command.isEmpty() ? QByteArray() : wire(command));
        if (!command.isEmpty())
            QCOMPARE(output(command.mid(5, 1).toInt())->text(), QString::number(in));
        QCOMPARE(mPage->mSelectedInput, in); // it ended under the cursor: a click too
    }

    void rightReleaseStaysAndStillRoutes()
    {
        openRoad(false);
        drag(input(1), QPoint(100, 300), Qt::RightButton);
        QCOMPARE(input(1)->pos(), QPoint(100, 300));
        QCOMPARE(received(), wire("6604030001"));
    }

    void menuRoutesToTheOutputUnderThePress_data()
    {
        QTest::addColumn<bool>("tcp");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("command");
        QTest::newRow("serial: above output 1") << false << QPoint(100, 100) << 2 << "6604010002";
        QTest::newRow("tcp: on output 3's button, output 4's area") << true << QPoint(270, 300) << 4 << "6604040004";
        QTest::newRow("tcp: between the areas") << true << QPoint(265, 300) << 1 << "";
    }
    void menuRoutesToTheOutputUnderThePress()
    {
        QFETCH(bool, tcp);
        QFETCH(QPoint, at);
        QFETCH(int, entry);
        QFETCH(QString, command);
        openRoad(tcp);
        chooseFromMenu(at, entry);
        QCOMPARE(received(), command.isEmpty() ? QByteArray() : wire(command));
        if (!command.isEmpty())
            QCOMPARE(output(command.mid(5, 1).toInt())->text(), QString::number(entry));
    }

    void hoverNamesTheOutputUnderTheCursor_data()
    {
        QTest::addColumn<QPoint>("cursor");
        QTest::addColumn<QStringList>("seen");
        QTest::newRow("output 1") << QPoint(100, 200) << QStringList {"gao1"};
        QTest::newRow("output 2") << QPoint(330, 200) << QStringList {"di", "gao2"};
        QTest::newRow("output 4") << QPoint(559, 374) << QStringList {"di", "gao4"};
        QTest::newRow("column between") << QPoint(320, 200) << QStringList {"di"};
    }
    void hoverNamesTheOutputUnderTheCursor()
    {
        QFETCH(QPoint, cursor);
        QFETCH(QStringList, seen);
        DragPushButton *b = input(1);
        QStringList names;
        const QList<QPair<QString, void (DragPushButton::*)()>> hovers = {
            {"gao1", &DragPushButton::gao1}, {"gao2", &DragPushButton::gao2},
            {"gao4", &DragPushButton::gao4}, {"di", &DragPushButton::di}};
        for (const auto &hover : hovers)
            connect(b, hover.second, this, [&names, name = hover.first] { names << name; });
        const auto moveTo = [b, cursor] {
            QMouseEvent event(QEvent::MouseMove, cursor - b->pos(), b->mapToGlobal(cursor - b->pos()),
                              Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(b, &event);
        };
        // The second move finds the cursor at the grabbed point, as within a drag.
        QTest::mousePress(b, Qt::LeftButton, Qt::NoModifier, QPoint(0, 0));
        moveTo();
        names.clear();
        moveTo();
        QCOMPARE(names, seen);
    }

    void tcpSendIgnoresTheNetworkFlag()
    {
        openRoad(true);
        g_networkConnected = false;
        input(1)->tcpSend("6604020001");
        QVERIFY(!ControlPageCommand::send("6604010001")); // the serial port is closed: skipped
        g_networkConnected = true;
        QCOMPARE(received(), QByteArray("6604020001\n"));
    }

    void menuTextsFollowTheLanguage()
    {
        QCOMPARE(mPage->mActions[1]->text(), QStringLiteral("切换输入源二"));
        const QString expected[] = {"选择HDMI 4", "Choose HDMI 4", "选择HDMI 4", "Choose HDMI 4"};
        for (g_languageIndex = 0; g_languageIndex < 4; ++g_languageIndex) {
            mPage->lang2();
            QCOMPARE(mPage->mActions[3]->text(), expected[g_languageIndex]);
        }
    }

    // HALDEN_SCREENSHOT_DIR keeps the picture for a look.
    void pageLooksAsDrawn()
    {
        mPage->changeUI8(); // input 2 on output 4
        const QImage shot = mPage->grab().toImage();
        if (!qEnvironmentVariableIsEmpty("HALDEN_SCREENSHOT_DIR"))
            QVERIFY(shot.save(qEnvironmentVariable("HALDEN_SCREENSHOT_DIR") + "/routingpage.png"));
        const auto bluish = [&shot](int x, int y) {
            const QColor c = shot.pixelColor(x, y);
            return c.blue() > 200 && c.blue() > c.red() + 30;
        };
        for (int i = 1; i <= 4; ++i)
            QVERIFY(bluish(655, 150 + 65 * (i - 1))); // the input column
        QCOMPARE(shot.pixelColor(80, 170), QColor(Qt::black)); // outputs framed
        QVERIFY(!bluish(200, 200));
        QVERIFY(bluish(340, 360));                              // the mark of output 4
        QCOMPARE(output(4)->text(), QStringLiteral("2"));
    }
};

QTEST_MAIN(TstNetRoutingPage)
#include "tst_net_routingpage.moc"
