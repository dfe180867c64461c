#include <QtTest>

#include "globals.h"
#include "link/networkportmanager.h"
#include "windowfixture.h"
#include "maincontent/controlwidget/bannawidget/bannawidget.h"

#include <QTcpServer>
#include <QTcpSocket>

// The serial page's text road: command texts on the program's TCP socket,
// against a server inside the test's own network namespace.
class TstNetSerialPageTcp : public QObject
{
    Q_OBJECT

    QTcpServer mServer;
    QTcpSocket *mPeer = nullptr;
    std::unique_ptr<BannaWidget> mPage;

    QTcpSocket *socket() const { return NetworkPortManager::getInstance()->tcpSocket(); }

private slots:
    void initTestCase()
    {
        offerSerialPorts({});
        NetworkPortManager::getInstance()->init();
        QVERIFY(mServer.listen(QHostAddress(QStringLiteral("10.77.0.1")), 0));
        mPage.reset(new BannaWidget(nullptr));
    }

    void cleanupTestCase()
    {
        mPage.reset();
        socket()->abort();
    }

    void textGoesOutAsTextAndANewline_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("wire");
        QTest::newRow("command text") << "08050000" << QByteArray("08050000\n");
        QTest::newRow("blanks kept") << "66 04 01 02 00" << QByteArray("66 04 01 02 00\n");
        QTest::newRow("UTF-8") << QStringLiteral("串口") << QByteArray("\xe4\xb8\xb2\xe5\x8f\xa3\n");
    }

    void textGoesOutAsTextAndANewline()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, wire);
        if (socket()->state() != QAbstractSocket::ConnectedState) {
            socket()->connectToHost(mServer.serverAddress(), mServer.serverPort());
            QVERIFY(mServer.waitForNewConnection(3000));
            mPeer = mServer.nextPendingConnection();
            QTRY_COMPARE_WITH_TIMEOUT(socket()->state(), QAbstractSocket::ConnectedState, 3000);
        }
        mPage->tcpSend(text);
        QByteArray got;
        QTRY_VERIFY_WITH_TIMEOUT((got += mPeer->readAll()).size() >= wire.size(), 3000);
        QCOMPARE(got, wire);
    }

    // Without a connection the write fails inside the socket; nothing breaks.
    void anUnconnectedSocketTakesNothing()
    {
        socket()->abort();
        QTest::ignoreMessage(QtWarningMsg, "QIODevice::write (QTcpSocket): device not open");
        mPage->tcpSend(QStringLiteral("08050000"));
        QCOMPARE(socket()->bytesToWrite(), qint64(0));
    }
};

QTEST_MAIN(TstNetSerialPageTcp)
#include "tst_net_serialpagetcp.moc"
