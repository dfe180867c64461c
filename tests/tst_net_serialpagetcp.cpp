#include <QtTest>
#include <QTcpServer>
#include <QTcpSocket>

#include "link/networkportmanager.h"
#include "maincontent/controlwidget/bannawidget/bannawidget.h"
#include "windowfixture.h"

// The serial page's text road: command texts on the program's TCP socket, against a server
// inside the test's own network namespace.
class TstNetSerialPageTcp : public QObject
{
    Q_OBJECT

private slots:
    void tcpSendWritesTheTextAndANewline()
    {
        offerSerialPorts({});
        NetworkPortManager::getInstance()->init();
        QTcpSocket *socket = NetworkPortManager::getInstance()->tcpSocket();
        BannaWidget page(nullptr);
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress(QStringLiteral("10.77.0.1"))));
        socket->connectToHost(server.serverAddress(), server.serverPort());
        QVERIFY(server.waitForNewConnection(3000));
        QTcpSocket *peer = server.nextPendingConnection();
        QTRY_COMPARE_WITH_TIMEOUT(socket->state(), QAbstractSocket::ConnectedState, 3000);
        page.tcpSend(QStringLiteral("66 04 01 02 00"));
        page.tcpSend(QStringLiteral("串口"));
        const QByteArray wire("66 04 01 02 00\n\xe4\xb8\xb2\xe5\x8f\xa3\n");
        QByteArray got;   // gathered until it is all there
        QTRY_COMPARE_WITH_TIMEOUT(got += peer->readAll(), wire, 3000);
        // Without a connection the write fails inside the socket; nothing breaks.
        socket->abort();
        QTest::ignoreMessage(QtWarningMsg, "QIODevice::write (QTcpSocket): device not open");
        page.tcpSend(QStringLiteral("08050000"));
        QCOMPARE(socket->bytesToWrite(), qint64(0));
    }
};

QTEST_MAIN(TstNetSerialPageTcp)
#include "tst_net_serialpagetcp.moc"
