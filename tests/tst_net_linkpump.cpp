#include <QtTest>

#include "dialoganswerer.h"
#include "globals.h"
#include "Graphics/inputchannel.h"
#include "Graphics/resolutionratioscene.h"
#include "Graphics/userview.h"
#include "link/devicepacket.h"
#include "link/networkportmanager.h"
#include "windowfixture.h"
#include "mainwindow.h"

#include <QNetworkProxy>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUdpSocket>

// The send pump on the network roads, against a stand-in box on the test
// namespace's "box0" side.
class TstNetLinkPump : public QObject
{
    Q_OBJECT

    const QHostAddress mPc {QStringLiteral("10.77.0.1")};
    const QHostAddress mBox {QStringLiteral("10.77.0.2")};
    std::unique_ptr<WindowFixture> mFixture;
    MainWindow *w = nullptr;
    QStringList mLog;
    QList<int> mQueueAtTick;

    void queueThree()
    {
        w->sendCommand("08050000");
        w->sendCommand("000a0032");
        w->sendCommand("e10000021c07800438");
    }

    // Runs the pump until the queue is empty, noting the queue length after
    // every tick.
    void pumpDry()
    {
        w->mSendTimer->start(15);
        QTRY_VERIFY_WITH_TIMEOUT(w->mSendPackets->isEmpty(), 5000);
        QCOMPARE(mQueueAtTick.mid(0, 3), QList<int>({2, 1, 0}));
    }

    static QList<QByteArray> datagrams(QUdpSocket &socket, int count)
    {
        QList<QByteArray> out;
        for (int i = 0; i < 250 && out.size() < count; ++i) {
            while (socket.hasPendingDatagrams()) {
                QByteArray d(int(socket.pendingDatagramSize()), '\0');
                socket.readDatagram(d.data(), d.size());
                out << d;
            }
            if (out.size() < count)
                socket.waitForReadyRead(20);
        }
        return out;
    }

    QList<QByteArray> expectedPackets() const
    {
        return {hexToPacket("08050000"), hexToPacket("000a0032"), hexToPacket("e10000021c07800438")};
    }

    QStringList expectedLog(const QString &road) const
    {
        const QString prefix = QStringLiteral("MainWindow::send(%1)\uFF1A ").arg(road);
        return {prefix + "08050000", prefix + "000a0032", prefix + "e10000021c07800438"};
    }

private slots:
    void init()
    {
        mFixture.reset(new WindowFixture([] { offerSerialPorts({}); }));
        w = mFixture->mw;
        // The pump alone: the link handlers of the sockets stay out of it.
        QObject::disconnect(w->mTcpSocket, nullptr, w, nullptr);
        QObject::disconnect(w->mUdpSocket, nullptr, w, nullptr);
        w->mSendTimer->stop();
        w->mSendPackets->clear();
        w->mSendTexts->clear();
        mLog.clear();
        mQueueAtTick.clear();
        connect(w, &MainWindow::readInfo, this, [this](const QString &line) { mLog << line; });
        connect(w->mSendTimer, &QTimer::timeout, this, [this]() { mQueueAtTick << w->mSendPackets->size(); });
    }

    void cleanup()
    {
        w->mTcpSocket->abort();
        w->mUdpSocket->close();
        NetworkPortManager::getInstance()->mDhcpMode = false;
        mFixture.reset();
        w = nullptr;
    }

    void udpRoad_data()
    {
        QTest::addColumn<bool>("dhcp");
        QTest::addColumn<bool>("serialToo");
        QTest::newRow("port 23") << false << false;
        QTest::newRow("dhcp port 68") << true << false;
        QTest::newRow("network wins over serial") << false << true;
    }

    void udpRoad()
    {
        QFETCH(bool, dhcp);
        QFETCH(bool, serialToo);
        QUdpSocket box;
        QVERIFY(box.bind(mBox, dhcp ? 68 : 23));
        QVERIFY(w->bindUdpSocket(mPc));
        w->mDeviceIp = mBox.toString();
        NetworkPortManager::getInstance()->setUdpSession(true);
        NetworkPortManager::getInstance()->mDhcpMode = dhcp;
        g_networkConnected = true;
        g_serialConnected = serialToo;

        queueThree();
        pumpDry();
        QCOMPARE(datagrams(box, 3), expectedPackets());
        QCOMPARE(mLog, expectedLog(dhcp ? "DHCP" : "UDP"));
    }

    void datagramsLeaveFromPort1400()
    {
        QUdpSocket box;
        QVERIFY(box.bind(mBox, 23));
        QVERIFY(w->bindUdpSocket(mPc));
        w->mDeviceIp = mBox.toString();
        NetworkPortManager::getInstance()->setUdpSession(true);
        g_networkConnected = true;
        w->mSendPackets->clear();
        w->mSendTexts->clear();
        w->sendCommand("08050000");
        w->sendNextPacket();
        QVERIFY(box.waitForReadyRead(5000));
        QHostAddress from;
        quint16 port = 0;
        QByteArray d(int(box.pendingDatagramSize()), '\0');
        box.readDatagram(d.data(), d.size(), &from, &port);
        QCOMPARE(from, mPc);
        QCOMPARE(port, quint16(1400));
    }

    void tcpRoad()
    {
        QTcpServer server;
        QVERIFY(server.listen(mBox, 2323));
        w->mTcpSocket->connectToHost(mBox, 2323);
        QVERIFY(w->mTcpSocket->waitForConnected(5000));
        QVERIFY(server.waitForNewConnection(5000));
        QTcpSocket *box = server.nextPendingConnection();
        g_networkConnected = true;
        NetworkPortManager::getInstance()->setUdpSession(false);
        // A device found by a search does not turn the TCP road into UDP.
        w->mDeviceIp = mBox.toString();

        queueThree();
        pumpDry();
        QByteArray received;
        const QByteArray expected = expectedPackets().join();
        for (int i = 0; i < 250 && received.size() < expected.size(); ++i)
            if (box->waitForReadyRead(20) || box->bytesAvailable())
                received += box->readAll();
        QCOMPARE(received, expected);
        QCOMPARE(mLog, expectedLog("TCP"));
    }

    // Going offline closes a live TCP link; its disconnect handler must not
    // take the controls away again, nor report a broken link.
    void offlineOverTcpKeepsControls()
    {
        QTcpServer server;
        QVERIFY(server.listen(mBox, 2324));
        w->mTcpSocket->connectToHost(mBox, 2324);
        QVERIFY(w->mTcpSocket->waitForConnected(1000));
        connect(w->mTcpSocket, &QTcpSocket::disconnected, w, &MainWindow::onServerDisconnected);
        g_networkConnected = true;
        w->enableControls();

        DialogAnswerer answerer;
        auto *offline = w->findChild<QPushButton *>(QStringLiteral("ptn_offLine"));
        offline->setEnabled(true);
        QTest::mouseClick(offline, Qt::LeftButton);
        QCOMPARE(w->mTcpSocket->state(), QAbstractSocket::UnconnectedState);
        QVERIFY(!g_networkConnected);
        QVERIFY(g_offlineMode);
        QVERIFY(answerer.seen.isEmpty());
        QVERIFY(w->findChild<QWidget *>(QStringLiteral("currentChannelCBox"))->isEnabled());
        QVERIFY(w->findChild<QWidget *>(QStringLiteral("rowCbx"))->isEnabled());
        QCOMPARE(g_pendingStatusCode, 9);
        const UserView *view = w->findChild<UserView *>(QStringLiteral("graphicsView"));
        for (const InputChannel *c : view->mScenes.at(w->mCurrentSceneIndex)->mChannels)
            QVERIFY(c->flags() & QGraphicsItem::ItemIsMovable);
    }

    void rebindOnlyForAnotherAddress()
    {
        QCOMPARE(w->mTcpSocket->proxy().type(), QNetworkProxy::NoProxy);
        QCOMPARE(w->mUdpSocket->proxy().type(), QNetworkProxy::NoProxy);
        QVERIFY(w->bindUdpSocket(mPc));
        QCOMPARE(w->mUdpSocket->localPort(), quint16(1400));
        QSignalSpy stateChanges(w->mUdpSocket, &QAbstractSocket::stateChanged);
        QVERIFY(w->bindUdpSocket(mPc));
        QCOMPARE(stateChanges.count(), 0);
        QVERIFY(w->bindUdpSocket(QHostAddress::LocalHost));
        QCOMPARE(w->mUdpSocket->localAddress(), QHostAddress(QHostAddress::LocalHost));
        QCOMPARE(w->mUdpSocket->localPort(), quint16(1400));
        QVERIFY(stateChanges.count() >= 2);   // closed, then bound anew
    }
};

QTEST_MAIN(TstNetLinkPump)
#include "tst_net_linkpump.moc"
