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

    void readAtBox(int count, QByteArray *raw)
    {
        QTRY_VERIFY_WITH_TIMEOUT((*raw += mBoxSide->readAll()).size() >= count, 3000);
    }

private slots:
    void initTestCase()
    {
        NetworkPortManager::getInstance()->init();
        QVERIFY(mServer.listen(QHostAddress(QStringLiteral("10.77.0.2"))));
    }

    void init()
    {
        g_serialConnected = false;
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
        const int count = runAttributeChangeRow(mScene);
        QFETCH(QStringList, texts);
        QByteArray raw;
        readAtBox(4 * count, &raw);
        QCOMPARE(attributePacketTexts(raw), texts);
        verifyAttributeChangeRow(mScene);
    }

    void udpSessionWritesNothingButTheWindowFollows()
    {
        // With only a UDP session the TCP socket is not connected; a write
        // on it would only fail with a warning.
        socket()->abort();
        sWarnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(keepWarnings);
        auto *dialog = new SetItemAttribute(0, mScene);
        dialog->show();
        applyAttributeEdit(dialog, {"100", "200", QString(), QString(), 3, 2});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        qInstallMessageHandler(previous);
        QCOMPARE(sWarnings, QStringList());
        const InputChannel *window = mScene->mChannels.at(0);
        QCOMPARE(window->pos(), QPointF(100, 200));
        QCOMPARE(window->mColorIndex, 3);
        QCOMPARE(window->mLayer, 3);
        QCOMPARE(window->mRed, 136);   // the fill colour is the panel's, not the dialog's
    }

private:
    static QStringList sWarnings;
    static void keepWarnings(QtMsgType type, const QMessageLogContext &, const QString &text)
    {
        if (type != QtDebugMsg)
            sWarnings << text;
    }
};

QStringList TstNetAttributeDialog::sWarnings;

QTEST_MAIN(TstNetAttributeDialog)
#include "tst_net_attributedialog.moc"
