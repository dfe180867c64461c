#include <QtTest>

#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include "dialoganswerer.h"
#include "link/udpreply.h"
#include "fakebox.h"
#include "udpstage.h"
#include "windowfixture.h"
#include "globals.h"
#include "mainwindow.h"
#include "netdialogdriver.h"
#include "networkdialog.h"
#include "Graphics/inputchannel.h"
#include "Graphics/resolutionratioscene.h"
#include "Graphics/userview.h"
#include "link/networkportmanager.h"

using Reply = FakeBoxUdp::Reply;

// The 2-of-3 agreement of the window reads, bad answers, disconnect, and the
// device generations, against the stand-in box at 10.77.0.2.
class TstNetUdpVote : public QObject
{
    Q_OBJECT

    UdpStage mStage;

    InputChannel *window(int i) const
    {
        return formChild<UserView>(mStage.window, "graphicsView")->mScenes.at(0)->mChannels.at(i);
    }
    QComboBox *combo(const char *name) const { return formChild<QComboBox>(mStage.window, name); }
    void connectToBox() { mStage.connectToFirstRow(); }
    void resetBox()
    {
        mStage.resetState();
        for (int w = 0; w < 4; ++w)
            mStage.state.setWindowGeometry(w, 100 * (w + 1), 50, 400, 300);
    }

private slots:
    void initTestCase()
    {
        resetBox();
        QVERIFY(mStage.start());
        QVERIFY(mStage.driver->quickSearch());
    }

    void cleanupTestCase()
    {
        mStage.stop();
    }

    // The box and the searched row as the search left them, whatever a failed
    // test changed.
    void init()
    {
        mStage.resetForRead();
        resetBox();
    }

    // Window 1: a malformed answer before a good one on its first read.
    // Window 2: B = C. Window 3: A = C. Window 4: A = B.
    void twoAgreeingReadsAreTaken()
    {
        mStage.box->script(1, {Reply::MalformedFirst});
        mStage.box->script(2, {Reply::Vary, Reply::Normal, Reply::Normal});
        mStage.box->script(3, {Reply::Normal, Reply::Vary, Reply::Normal});
        mStage.box->script(4, {Reply::Normal, Reply::Normal, Reply::Vary});
        connectToBox();

        QVERIFY(g_networkConnected);
        QCOMPARE(mStage.messageTexts(), QStringList({"回传数据出现问题，请尝试重新连接"}));
        QVERIFY(mStage.answerer->titles().contains("警告"));
        QCOMPARE(mStage.busyTexts().last(), QString("连接成功！"));
        for (int w = 0; w < 4; ++w)
            QCOMPARE(window(w)->pos().x(), 100.0 * (w + 1));
        QCOMPARE(mStage.box->unicastHex().size(), 13);
    }

    void disconnectEndsTheLink()
    {
        if (!g_networkConnected)
            connectToBox();
        QVERIFY(g_networkConnected);
        g_windowInputSupported[2] = 0;
        formChild<QLabel>(mStage.window, "label_sliceImage")->show();
        mStage.answerer->clear();
        mStage.driver->click("ptn_disconnectDevice");
        QCOMPARE(mStage.messageTexts(), QStringList({"连接已断开"}));
        QCOMPARE(mStage.answerer->titles(), QStringList({"提示"}));
        QVERIFY(!g_networkConnected);
        QVERIFY(!NetworkPortManager::getInstance()->udpSession());
        QCOMPARE(g_pendingStatusCode, 1);
        QCOMPARE(g_windowInputSupported[2], 1);
        QVERIFY(formChild<QLabel>(mStage.window, "label_sliceImage")->isHidden());
        QVERIFY(formChild<QPushButton>(mStage.window, "ptn_offLine")->isEnabled());
        QCOMPARE(mStage.window->mSendTimer->interval(), 100);

        // Nothing reaches the box any more.
        mStage.box->clear();
        mStage.window->sendCommand("00010010");
        QTest::qWait(400);
        QVERIFY(mStage.box->received.isEmpty());
    }

    void allThreeReadsDifferent()
    {
        resetBox();
        mStage.box->script(1, {Reply::Normal, Reply::Vary, Reply::Vary});
        connectToBox();
        QCOMPARE(mStage.box->unicastHex(), QStringList({"0805000070", "08010001dc", "08010001dc", "08010001dc"}));
        QCOMPARE(mStage.busyTexts().last(), QString("连接失败！"));
        QVERIFY(!mStage.busyTexts().contains("通道1校正成功!"));
        QVERIFY(mStage.messageTexts().isEmpty());
        QVERIFY(!g_networkConnected);
        QVERIFY(!NetworkPortManager::getInstance()->udpSession());
        QVERIFY(g_offlineMode);
        QVERIFY(mStage.window->mDeviceIp.isEmpty());
        QCOMPARE(mStage.window->ReplyState, 0);
        QCOMPARE(g_pendingStatusCode, 1);
    }

    void oneEmptyReadRejectsTheWindow()
    {
        resetBox();
        mStage.state.setWindowGeometry(0, 321, 50, 400, 300);
        mStage.box->script(2, {Reply::Normal, Reply::Normal, Reply::Empty});
        connectToBox();
        QCOMPARE(mStage.box->unicastHex().size(), 7);
        QCOMPARE(mStage.busyTexts().mid(4, 1), QStringList({"通道1校正成功!"}));
        QCOMPARE(mStage.busyTexts().last(), QString("连接失败！"));
        // What was read before the rejected window stays applied.
        QCOMPARE(window(0)->pos().x(), 321.0);
        QVERIFY(!g_networkConnected);
    }

    void generations_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<int>("type");
        QTest::newRow("2.4.1") << "2.4.1" << 1;
        QTest::newRow("2.4.4") << "2.4.4" << 2;
        QTest::newRow("2.4.5") << "2.4.5" << 3;
        QTest::newRow("2.4.8") << "2.4.8" << 4;
    }
    // Each generation reads the grid (and the output mode from 3 on) its own
    // way and binds to its own local address; the box then stays silent.
    void generations()
    {
        QFETCH(QString, version);
        QFETCH(int, type);
        resetBox();
        mStage.state.setGrid(2, 3, type);
        mStage.state.global[8] = 1;
        mStage.box->script(1, {Reply::Drop, Reply::Drop, Reply::Drop});
        combo("outputModeComBox")->setCurrentIndex(0);
        combo("rowCbx")->setCurrentIndex(0);
        mStage.driver->table()->item(0, DeviceColumn::Version)->setText(version);
        // 1 and 2 send from the chosen local address, later ones from the one
        // the box answered on: here the box's own, which it never hears.
        auto *local = mStage.driver->dialog()->findChild<QComboBox *>("cbx_ipAddress");
        local->setCurrentText("10.77.0.1");
        QCOMPARE(local->currentText(), QString("10.77.0.1"));
        mStage.driver->table()->item(0, DeviceColumn::Callback)->setText("10.77.0.2");
        connectToBox();
        mStage.driver->table()->item(0, DeviceColumn::Callback)->setText("10.77.0.1");

        QCOMPARE(versionType, type);
        if (type <= 2) {
            QCOMPARE(mStage.box->unicastHex(), QStringList({"0805000070", "08010001dc", "08010001dc", "08010001dc"}));
            QCOMPARE(combo("rowCbx")->currentIndex(), 1);
            QCOMPARE(combo("columnCbx")->currentIndex(), 2);
            QCOMPARE(combo("outputModeComBox")->currentIndex(), 0);
        } else {
            QVERIFY(mStage.box->unicastHex().isEmpty());
        }
        auto *rows = qobject_cast<QListView *>(combo("rowCbx")->view());
        QCOMPARE(rows->isRowHidden(9), type == 1);
        QCOMPARE(rows->isRowHidden(17), type == 1);
        QVERIFY(!rows->isRowHidden(8));
        QCOMPARE(qobject_cast<QListView *>(combo("columnCbx")->view())->isRowHidden(12), type == 1);
        QCOMPARE(mStage.window->mLayoutZoomTable.value("1x1"), QString(type == 4 ? "67" : "51"));
        QVERIFY(!g_networkConnected);
    }

    void generationsThreeToFiveReadTheOutputMode()
    {
        resetBox();
        mStage.state.setGrid(2, 3, 3);
        mStage.state.global[8] = 1;
        mStage.box->script(1, {Reply::Drop, Reply::Drop, Reply::Drop});
        combo("outputModeComBox")->setCurrentIndex(0);
        mStage.driver->table()->item(0, DeviceColumn::Version)->setText("2.4.6");
        connectToBox();
        QCOMPARE(versionType, 3);
        QCOMPARE(combo("outputModeComBox")->currentIndex(), 1);
        QCOMPARE(g_outputMode, 1);
        QCOMPARE(combo("rowCbx")->currentIndex(), 1);
        QCOMPARE(combo("columnCbx")->currentIndex(), 2);
    }
};

QTEST_MAIN(TstNetUdpVote)
#include "tst_net_udpvote.moc"
