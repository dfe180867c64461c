#include <QtTest>
#include <QUdpSocket>

#include "udpstage.h"
#include "windowfixture.h"
#include "globals.h"
#include "link/udpreply.h"
#include "mainwindow.h"
#include "netdialogdriver.h"
#include "Graphics/inputchannel.h"
#include "Graphics/resolutionratioscene.h"
#include "Graphics/userview.h"

// Damaged and hostile answers on the UDP road.
class TstNetUdpHostile : public QObject
{
    Q_OBJECT

    UdpStage mStage;
    InputChannel *window(int i) const
    {
        return formChild<UserView>(mStage.window, "graphicsView")->mScenes.at(0)->mChannels.at(i);
    }

private slots:
    void initTestCase()
    {
        mStage.resetState();
        QVERIFY(mStage.start() && mStage.driver->quickSearch());
    }
    void cleanupTestCase() { mStage.stop(); }
    void init() { mStage.resetForRead(); }

    // Such a version once wrapped round to a first-generation box.
    void versionNoBoxHasIsRefused_data()
    {
        QTest::addColumn<QString>("version");
        for (const char *v : {".21474837.", "2.4.2147483647", "2.99999999999999999999.1"})
            QTest::newRow(v) << QString(v);
    }
    void versionNoBoxHasIsRefused()
    {
        QFETCH(QString, version);
        versionType = 5;
        mStage.state.version = version;
        mStage.box->clear();
        QVERIFY(mStage.driver->quickSearch());
        QCOMPARE(mStage.driver->cell(0, DeviceColumn::Version), version);
        mStage.connectToFirstRow();
        QCOMPARE(mStage.messageTexts(), QStringList({"未识别的下位机版本，连接错误！"}));
        QVERIFY(mStage.box->unicastHex().isEmpty());
        QCOMPARE(versionType, 5);
        mStage.resetState();
        QVERIFY(mStage.driver->quickSearch());
    }

    // Another host on the box's network answering every read alike once outvoted the box itself.
    void strangerCannotDecideTheRead()
    {
        QCOMPARE(QProcess::execute("ip", {"addr", "add", "10.77.0.3/24", "dev", "box0"}), 0);
        QUdpSocket stranger;
        QVERIFY(stranger.bind(QHostAddress("10.77.0.3"), 23));
        FakeBoxState forged;
        forged.setWindowGeometry(0, 777, 333, 100, 100);
        forged.windows[0][0x0B] = 7;
        const QByteArray answer = FakeBoxUdp(&forged).statusAnswer(1);
        QTimer flood;
        connect(&flood, &QTimer::timeout, this,
                [&] { stranger.writeDatagram(answer, QHostAddress("10.77.0.1"), 1400); });
        flood.start(5);
        mStage.connectToFirstRow();
        flood.stop();
        QVERIFY(g_networkConnected && mStage.messageTexts().isEmpty());
        QCOMPARE(window(0)->pos(), QPointF(0, 0));
        QCOMPARE(window(0)->mContrast, 100);
    }

    // Each bad datagram once opened a box of its own, and the read waited for every one to be closed.
    void manyBadAnswersWarnOnce()
    {
        mStage.box->malformedRepeats = 25;
        mStage.box->script(1, {FakeBoxUdp::Reply::MalformedFirst, FakeBoxUdp::Reply::MalformedFirst});
        mStage.connectToFirstRow();
        QVERIFY(g_networkConnected);
        QCOMPARE(mStage.messageTexts(), QStringList({"回传数据出现问题，请尝试重新连接"}));
    }

    // Values go back to the box in commands later: none is kept outside what a command can carry.
    void valuesOutOfRangeAreKeptInRange()
    {
        auto &w = mStage.state.windows;
        w[0][0x2A] = 1;   // solid colour
        w[0][0x27] = 256, w[0][0x28] = 0xFFFF, w[0][0x29] = 255;
        w[1][0x2D] = 9;   // source
        mStage.connectToFirstRow();
        QVERIFY(g_networkConnected);
        QCOMPARE(QVector<int>({window(0)->mRed, window(0)->mGreen, window(0)->mBlue, window(0)->mSolidGreen}),
                 QVector<int>({255, 255, 255, 255}));
        QVERIFY(window(1)->mInputSourceIndex >= 0 && window(1)->mInputSourceIndex <= 4);
    }
};

QTEST_MAIN(TstNetUdpHostile)
#include "tst_net_udphostile.moc"
