// What the window-attribute dialog's OK writes on the TCP socket, read by a
// server at 10.77.0.2 inside the test's own network namespace.
#include <QtTest>

#include <QTcpServer>
#include <QTcpSocket>

#include "attributedialogdriver.h"
#include "globals.h"
#include "setitemattribute.h"
#include "Graphics/inputchannel.h"
#include "Graphics/resolutionratioscene.h"
#include "link/networkportmanager.h"

class TstNetAttributeDialog : public QObject
{
    Q_OBJECT

    QTcpServer mServer;
    QPointer<QTcpSocket> mBoxSide;
    ResolutionRatioScene *mScene = nullptr;

    QTcpSocket *socket() const { return NetworkPortManager::getInstance()->tcpSocket(); }

private slots:
    void initTestCase()
    {
        NetworkPortManager::getInstance()->init();
        QVERIFY(mServer.listen(QHostAddress(QStringLiteral("10.77.0.2"))));
    }

    void init()
    {
        g_networkConnected = true;
        socket()->connectToHost(QHostAddress(QStringLiteral("10.77.0.2")), mServer.serverPort());
        QVERIFY(socket()->waitForConnected(3000));
        QVERIFY(mServer.waitForNewConnection(3000));
        mBoxSide = mServer.nextPendingConnection();
        mScene = new ResolutionRatioScene(QRectF(0, 0, 3840, 2160));
    }

    void cleanup()
    {
        delete mScene;
        socket()->abort();
        delete mBoxSide;
        g_networkConnected = false;
    }

    void okWritesTheChangesToTheSocket_data() { addAttributeChangeRows(); }
    void okWritesTheChangesToTheSocket()
    {
        runAttributeChangeRow(mScene, [this](int bytes) {
            QByteArray raw;
            if (!QTest::qWaitFor([&] { return (raw += mBoxSide->readAll()).size() >= bytes; }, 3000))
                qWarning("the box received %d of %d bytes", raw.size(), bytes);
            return raw;
        });
    }

    // With only a UDP session the TCP socket is not connected: nothing is
    // written to it (a write would fail with a warning); the window follows.
    void udpSessionWritesNothingButTheWindowFollows()
    {
        socket()->abort();
        static QStringList warnings;
        const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &,
                                                                    const QString &text) {
            if (type != QtDebugMsg)
                warnings << text;
        });
        auto *dialog = new SetItemAttribute(0, mScene);
        dialog->show();
        applyAttributeEdit(dialog, {"100", "200"}, 3, 2);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        qInstallMessageHandler(previous);
        QCOMPARE(warnings, QStringList());
        const InputChannel *window = mScene->mChannels.at(0);
        QCOMPARE(window->pos(), QPointF(100, 200));
        QCOMPARE(window->mColorIndex, 3);
        QCOMPARE(window->mLayer, 3);
    }
};

QTEST_MAIN(TstNetAttributeDialog)
#include "tst_net_attributedialog.moc"
