#include <QtTest>

#include <QProcess>
#include <QTableWidget>
#include <QTimer>
#include <QUdpSocket>

#include "dialoganswerer.h"
#include "link/udpreply.h"
#include "fakebox.h"
#include "udpstage.h"
#include "windowfixture.h"
#include "globals.h"
#include "mainwindow.h"
#include "netdialogdriver.h"
#include "Graphics/inputchannel.h"
#include "Graphics/resolutionratioscene.h"
#include "Graphics/userview.h"

using Reply = FakeBoxUdp::Reply;

// Damaged and hostile answers on the UDP road: versions no box has, a second
// host on the box's network that answers for it, floods of bad answers, and
// values outside what the program can send back.
class TstNetUdpHostile : public QObject
{
    Q_OBJECT

    UdpStage mStage;
    QUdpSocket *mStranger = nullptr;   // 10.77.0.3, beside the box

    InputChannel *window(int i) const
    {
        return formChild<UserView>(mStage.window, "graphicsView")->mScenes.at(0)->mChannels.at(i);
    }

private slots:
    void initTestCase()
    {
        // The namespace is the test's own: a second address on the box's side.
        QCOMPARE(QProcess::execute("ip", {"addr", "add", "10.77.0.3/24", "dev", "box0"}), 0);
        mStranger = new QUdpSocket(this);
        QVERIFY(mStranger->bind(QHostAddress("10.77.0.3"), 23));
        mStage.resetState();
        QVERIFY(mStage.start());
        QVERIFY(mStage.driver->quickSearch());
    }

    void cleanupTestCase()
    {
        mStage.stop();
    }

    void init()
    {
        mStage.resetForRead();
    }

    void versionNoBoxHasIsRefused_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<bool>("searched");
        QTest::newRow("minor past int, searched") << ".21474837." << true;
        QTest::newRow("minor past int, typed") << ".21474837." << false;
        QTest::newRow("patch at int's end") << "2.4.2147483647" << false;
        QTest::newRow("digits past any integer") << "2.99999999999999999999.1" << false;
        QTest::newRow("negative minor") << "2.-4.10" << false;
    }
    // Such a text once wrapped round to a first-generation box.
    void versionNoBoxHasIsRefused()
    {
        QFETCH(QString, version);
        QFETCH(bool, searched);
        versionType = 5;
        if (searched) {
            mStage.state.version = version;
            mStage.box->clear();
            QVERIFY(mStage.driver->quickSearch());
        } else {
            mStage.driver->setCell(0, DeviceColumn::Version, version);
        }
        QCOMPARE(mStage.driver->cell(0, DeviceColumn::Version), version);

        mStage.connectToFirstRow();
        QCOMPARE(mStage.messageTexts(), QStringList({"未识别的下位机版本，连接错误！"}));
        QVERIFY(mStage.box->unicastHex().isEmpty());
        QCOMPARE(versionType, 5);
        QVERIFY(!g_networkConnected);
        if (searched) {
            mStage.resetState();
            QVERIFY(mStage.driver->quickSearch());
        }
    }

    // Another host answering every read alike outvoted the box itself.
    void strangerCannotDecideTheRead()
    {
        FakeBoxState forged;
        forged.setWindowGeometry(0, 777, 333, 100, 100);
        forged.windows[0][0x0B] = 7;
        const QByteArray answer = FakeBoxUdp(&forged).statusAnswer(1);
        QTimer flood;
        connect(&flood, &QTimer::timeout, this, [this, &answer] {
            mStranger->writeDatagram(answer, QHostAddress("10.77.0.1"), 1400);
        });
        flood.start(5);

        mStage.connectToFirstRow();
        flood.stop();
        QVERIFY(g_networkConnected);
        QCOMPARE(window(0)->pos(), QPointF(0, 0));
        QCOMPARE(window(0)->mContrast, 100);
        QVERIFY(mStage.messageTexts().isEmpty());
    }

    // Each bad datagram once opened a box of its own, and the read waited
    // for every one to be closed.
    void manyBadAnswersWarnOnce()
    {
        mStage.box->malformedRepeats = 25;
        mStage.box->script(1, {Reply::MalformedFirst, Reply::MalformedFirst, Reply::MalformedFirst});
        mStage.connectToFirstRow();
        QVERIFY(g_networkConnected);
        QCOMPARE(mStage.messageTexts(), QStringList({"回传数据出现问题，请尝试重新连接"}));
    }

    // Values go back to the box in commands later: none is kept outside
    // what a command can carry.
    void valuesOutOfRangeAreKeptInRange()
    {
        mStage.state.windows[0][0x2A] = 1;   // solid colour
        mStage.state.windows[0][0x27] = 256;
        mStage.state.windows[0][0x28] = 0xFFFF;
        mStage.state.windows[0][0x29] = 255;
        mStage.state.windows[1][0x2D] = 9;
        mStage.connectToFirstRow();
        QVERIFY(g_networkConnected);
        QCOMPARE(QVector<int>({window(0)->mRed, window(0)->mGreen, window(0)->mBlue}), QVector<int>({255, 255, 255}));
        QCOMPARE(window(0)->mSolidGreen, 255);
        QVERIFY(window(1)->mInputSourceIndex >= 0 && window(1)->mInputSourceIndex <= 4);
    }
};

QTEST_MAIN(TstNetUdpHostile)
#include "tst_net_udphostile.moc"
