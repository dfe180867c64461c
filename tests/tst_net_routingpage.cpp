#include <QtTest>

#include "controlpageport.h"
#include "globals.h"
#include "link/networkportmanager.h"
#include "maincontent/controlwidget/controlpagecommand.h"
#include "maincontent/controlwidget/framecontrol/dragpushbutton.h"
#include "maincontent/controlwidget/framecontrol/framewidget.h"
#include "windowfixture.h"
#include <QTcpServer>
#include <QTcpSocket>

// Clicks, drags and menu choices on the routing page reach the box over the serial road (a
// pseudo-terminal: bytes) and the TCP road (a server at 10.77.0.2 in the namespace: text and LF).
class TstNetRoutingPage : public QObject
{
    Q_OBJECT

    std::unique_ptr<FrameWidget> mPage;
    ControlPagePort mSerial;
    std::unique_ptr<QTcpServer> mServer;
    QTcpSocket *mBox = nullptr; // the box's end of the TCP road

    QPushButton *output(int o) const { return formChild<QPushButton>(mPage.get(), qPrintable("label" + QString::number(o))); }
    DragPushButton *input(int i) const { return mPage->mInputButtons[i - 1]; }
    QByteArray wire(const QString &c) const
    { return c.isEmpty() ? "" : g_networkConnected ? c.toLatin1() + '\n' : QByteArray::fromHex(c.toLatin1()); }

    // What the box received since the last call; a fence command sent behind
    // it ends the read, so "nothing" needs no wait for silence.
    QByteArray received()
    {
        const QByteArray fence = wire("66ff00ff00");
        ControlPageCommand::send("66ff00ff00");
        QByteArray data;
        for (QDeadlineTimer end(5000); !data.contains(fence) && !end.hasExpired();) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            if (!mBox)
                data += mSerial.pty.read(1, 5);
            else if (mBox->bytesAvailable() || mBox->waitForReadyRead(5))
                data += mBox->readAll();
        }
        return data.left(data.indexOf(fence));
    }

    // A hand's drag: press at (40, 25), moves of a few pixels so that the button keeps up.
    static void drag(DragPushButton *b, QPoint topLeft)
    {
        const auto send = [b](QEvent::Type type, QPoint local, Qt::MouseButton which, Qt::MouseButtons held) {
            QMouseEvent event(type, local, b->mapToGlobal(local), which, held, Qt::NoModifier);
            QApplication::sendEvent(b, &event);
        };
        const QPoint grab(40, 25), from = b->pos(), way = topLeft - from;
        send(QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
        const int steps = qMax(qAbs(way.x()), qAbs(way.y())) / 10 + 1;
        for (int i = 1; i <= steps; ++i)
            send(QEvent::MouseMove, from + way * i / steps + grab - b->pos(), Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, grab, Qt::LeftButton, Qt::NoButton);
    }

private slots:
    void initTestCase() { NetworkPortManager::getInstance()->init(); }
    void init() { resetProgramState(); mPage.reset(new FrameWidget); mPage->show(); }
    void cleanup()
    {
        mPage.reset();
        mSerial.port()->close();
        NetworkPortManager::getInstance()->tcpSocket()->abort();
        mServer.reset(); // with the box's end
        mBox = nullptr;
        resetProgramState();
    }

    void aUserRoutesAnInput_data()
    {
        QTest::addColumn<bool>("tcp");
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("in");    // input 1..4 (0: none chosen); for "menu" the menu entry
        QTest::addColumn<QPoint>("at"); // output to click, top left to drag to, or where to open the menu
        QTest::addColumn<QString>("command");
        const auto row = [](const char *name, bool tcp, const char *how, int in, QPoint at, const char *command) {
            QTest::newRow(name) << tcp << QString(how) << in << at << QString(command);
        };
        row("serial: click, none chosen yet", false, "click", 0, {1, 0}, "");
        row("serial: click", false, "click", 3, {2, 0}, "6604020003");
        row("tcp: click", true, "click", 3, {2, 0}, "6604020003");
        row("tcp: drag to output 1", true, "drag", 1, {61, 61}, "6604010001");
        row("serial: drag left of output 1", false, "drag", 1, {60, 100}, "");
        row("serial: drag to output 2", false, "drag", 2, {267, 61}, "6604020002");
        row("tcp: drag to output 3, off its button", true, "drag", 4, {70, 245}, "6604030004");
        row("serial: drag to output 4's far corner", false, "drag", 3, {471, 400}, "6604040003");
        row("serial: menu above output 1", false, "menu", 2, {100, 100}, "6604010002");
        row("tcp: menu on output 3's button, output 4's area", true, "menu", 4, {270, 300}, "6604040004");
        row("tcp: menu between the areas", true, "menu", 1, {265, 300}, "");
    }
    void aUserRoutesAnInput()
    {
        QFETCH(bool, tcp);
        QFETCH(QString, how);
        QFETCH(int, in);
        QFETCH(QPoint, at);
        QFETCH(QString, command);
        if (!(g_networkConnected = tcp)) {
            QVERIFY(mSerial.open());
        } else {
            mServer.reset(new QTcpServer);
            QVERIFY(mServer->listen(QHostAddress("10.77.0.2")));
            QTcpSocket *socket = NetworkPortManager::getInstance()->tcpSocket();
            socket->connectToHost(mServer->serverAddress(), mServer->serverPort());
            QVERIFY(socket->waitForConnected(3000) && mServer->waitForNewConnection(3000));
            mBox = mServer->nextPendingConnection();
        }
        if (how == "click") {
            if (in)
                QTest::mouseClick(input(in), Qt::LeftButton);
            QTest::mouseClick(output(at.x()), Qt::LeftButton);
        } else if (how == "drag") {
            const QRect home = input(in)->geometry();
            drag(input(in), at);
            QCOMPARE(input(in)->geometry(), home);
        } else { // a right press at `at`, then the menu's entry by keyboard
            QWidget *target = mPage->childAt(at) ? mPage->childAt(at) : mPage.get();
            const QPoint local = target->mapFrom(mPage.get(), at);
            QTest::mouseClick(target, Qt::RightButton, Qt::NoModifier, local);
            QTimer::singleShot(0, this, [in] {
                QWidget *menu = QApplication::activePopupWidget();
                for (int i = 0; menu && i <= in; ++i)
                    QTest::keyClick(menu, i < in ? Qt::Key_Down : Qt::Key_Return);
            });
            QContextMenuEvent event(QContextMenuEvent::Mouse, local, target->mapToGlobal(local));
            QApplication::sendEvent(target, &event);
        }
        QCOMPARE(received(), wire(command));
        if (!command.isEmpty())
            QCOMPARE(output(command.mid(5, 1).toInt())->text(), command.right(1));
    }
};

QTEST_MAIN(TstNetRoutingPage)
#include "tst_net_routingpage.moc"
