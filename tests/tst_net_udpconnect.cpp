#include <QtTest>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include "dialoganswerer.h"
#include "fakebox.h"
#include "udpstage.h"
#include "windowfixture.h"
#include "globals.h"
#include "mainwindow.h"
#include "netdialogdriver.h"
#include "networkdialog.h"
#include "Graphics/inputchannel.h"
#include "Graphics/inputsourcebutton.h"
#include "Graphics/resolutionratioscene.h"
#include "Graphics/userview.h"
#include "link/networkportmanager.h"

// Connect and refresh over UDP against the stand-in box at 10.77.0.2: the
// queries on the wire, the state applied to the wall and the panel, the
// commands that follow as datagrams.
class TstNetUdpConnect : public QObject
{
    Q_OBJECT

    UdpStage mStage;
    QStringList mLog;

    const QStringList kQueries = {"0805000070",
                                  "08010001dc", "08010001dc", "08010001dc", "0802000161", "0802000161", "0802000161",
                                  "080300010a", "080300010a", "080300010a", "080400011c", "080400011c", "080400011c"};

    UserView *view() const { return formChild<UserView>(mStage.window, "graphicsView"); }
    InputChannel *window(int i) const { return view()->mScenes.at(0)->mChannels.at(i); }
    // The state queries among the datagrams the box got (queued commands
    // keep going out while a refresh reads).
    QStringList queries() const { return mStage.box->unicastHex().filter(QRegularExpression("^080[1-5]")); }
    QComboBox *combo(const char *name) const { return formChild<QComboBox>(mStage.window, name); }
    void clickMain(const char *name) { QTest::mouseClick(formChild<QPushButton>(mStage.window, name), Qt::LeftButton); }

    // The tests after the first work on its link; a failed test may have
    // ended it, and then it is made again.
    bool ensureUdpLink()
    {
        if (g_networkConnected && NetworkPortManager::getInstance()->udpSession())
            return true;
        if (!mStage.driver->quickSearch())
            return false;
        mStage.driver->selectRow(0);
        mStage.driver->click("ptn_connectDevice");
        mStage.answerer->clear();
        return g_networkConnected && NetworkPortManager::getInstance()->udpSession();
    }

    // A wall of one row of seven screens with a different state per window.
    void setUpBox()
    {
        mStage.state = FakeBoxState();
        FakeBoxState &s = mStage.state;
        s.mac = {0, 0x22, 0x22, 0x33, 0x44, 0x55};
        s.setGrid(1, 7);
        s.global[7] = 0x0642;
        s.global[8] = 1;
        s.setWindowGeometry(0, 100, 50, 200, 300);
        s.setWindowGeometry(1, 300, 60, 250, 350);
        s.setWindowGeometry(2, 20, 30, 100, 150);
        s.setWindowGeometry(3, 500, 100, 120, 110);
        s.windows[0][0x14] = 1;      // both mirrors and code 0: 180 degrees
        s.windows[0][0x15] = 1;
        s.windows[1][0x31] = 1;      // 270
        s.windows[2][0x31] = 3;      // 90
        s.windows[2][0x2B] = 0;      // closed
        s.windows[2][0x2D] = 4;      // no source
        s.windows[0][0x32] = 16;     // listed
        s.windows[1][0x32] = 3;      // too low
        s.windows[2][0x32] = 45;     // no signal
        s.windows[3][0x32] = 6;      // the lowest listed
        s.windows[3][0x2A] = 1;      // solid colour kept
        s.windows[0][0x0C] = 1024 - 20;
        for (int key = 0x16; key <= 0x1B; ++key)
            s.windows[0][key] = (key - 0x16) % 2;
    }

private slots:
    void initTestCase()
    {
        setUpBox();
        QVERIFY(mStage.start());
        mStage.window->resize(1400, 900);
        connect(mStage.window, &MainWindow::readInfo, this, [this](const QString &line) { mLog << line; });
    }

    void cleanupTestCase()
    {
        mStage.stop();
    }

    // Every test reads the same box, whatever the one before changed.
    void init()
    {
        mStage.reset();
        setUpBox();
    }

    void connectReadsTheStateAndAppliesIt()
    {
        if (g_networkConnected)
            mStage.driver->click("ptn_disconnectDevice");
        QVERIFY(mStage.driver->quickSearch());
        mStage.driver->selectRow(0);
        mStage.box->clear();
        mStage.answerer->clear();
        mLog.clear();
        QElapsedTimer clock;
        clock.start();
        mStage.driver->click("ptn_connectDevice");
        QVERIFY(clock.elapsed() >= 6000);   // 6.9 s of busy boxes on coarse timers

        // Exactly the global query and three queries per window, raw, to port 23.
        QCOMPARE(mStage.box->unicastHex(), kQueries);
        for (const FakeBoxUdp::Packet &p : mStage.box->received) {
            QCOMPARE(p.port, quint16(23));
            QCOMPARE(p.from.toString(), QString("10.77.0.1"));
            QCOMPARE(p.fromPort, quint16(1400));
        }
        QVERIFY(mStage.messageTexts().isEmpty());
        QCOMPARE(mStage.busyTexts(), QStringList({"层级、拼接模式信息获取...",
                                            "waiting...(3/1)", "waiting...(3/2)", "waiting...(3/3)", "通道1校正成功!",
                                            "waiting...(3/1)", "waiting...(3/2)", "waiting...(3/3)", "通道2校正成功!",
                                            "waiting...(3/1)", "waiting...(3/2)", "waiting...(3/3)", "通道3校正成功!",
                                            "waiting...(3/1)", "waiting...(3/2)", "waiting...(3/3)", "通道4校正成功!",
                                            "连接成功！"}));

        // The link is up on UDP.
        NetworkPortManager *holder = NetworkPortManager::getInstance();
        QVERIFY(g_networkConnected);
        QVERIFY(g_offlineMode);
        QVERIFY(holder->udpSession());
        QVERIFY(!holder->mDhcpMode);
        QCOMPARE(mStage.window->mDeviceIp, QString("10.77.0.2"));
        QCOMPARE(holder->mDeviceIp, QString("10.77.0.2"));
        QCOMPARE(holder->mLocalIp, QString("10.77.0.1"));
        QCOMPARE(versionType, 5);
        QCOMPARE(mStage.window->ReplyState, 0);
        QCOMPARE(g_pendingStatusCode, 2);
        QCOMPARE(mStage.window->mSendTimer->interval(), 55);
        QVERIFY(!formChild<QPushButton>(mStage.window, "ptn_offLine")->isEnabled());

        // The traffic log.
        QCOMPARE(mLog.first(), QString("MainWindow::connect\uFF1Aversion —— 2.4.10 | versionType —— 5"));
        QCOMPARE(mLog.at(1), QString("MainWindow::send\uFF1A 0805000070"));
        QVERIFY(mLog.contains("MainWindow::received\uFF1A key-5    value-0001"));
        QVERIFY(mLog.contains("MainWindow::received\uFF1A key-7    value-0642"));
        QVERIFY(mLog.contains("MainWindow::received\uFF1A key-50    value-0010"));
        QVERIFY(mLog.contains("MainWindow::send\uFF1A 08010001DC"));

        // Global state: one row of seven screens, output mode 1.
        QCOMPARE(combo("rowCbx")->currentIndex(), 0);
        QCOMPARE(combo("columnCbx")->currentIndex(), 6);
        QCOMPARE(mStage.window->mStoredRowIndex, 0);
        QCOMPARE(mStage.window->mStoredColumnIndex, 6);
        QCOMPARE(view()->mScenes.at(0)->mLayoutName, QString("1x7"));
        QCOMPARE(combo("outputModeComBox")->currentIndex(), 1);
        QCOMPARE(g_outputMode, 1);

        // Geometry of one row: x and width by 7/2 and 120/119, y and height by 120/119.
        const double f = 120.0 / 119.0;
        const double k = 2 / 7.0f;
        QCOMPARE(window(0)->pos(), QPointF(100 / k * f, 50 * f));
        QCOMPARE(window(0)->mRect.width(), 200 / k * f);
        QCOMPARE(window(0)->mRect.height(), 300 * f);
        QCOMPARE(window(1)->pos(), QPointF(300 / k * f, 60 * f));
        QCOMPARE(window(3)->mRect.width(), 120 / k * f);

        // Layers from 0642, rotations from the codes 0 (mirrored), 1, 3 and 0.
        QCOMPARE(QList<int>({window(0)->mLayer, window(1)->mLayer, window(2)->mLayer, window(3)->mLayer}),
                 QList<int>({1, 4, 3, 2}));
        QCOMPARE(window(1)->zValue(), 1.0);
        QCOMPARE(QList<int>({window(0)->mRotation, window(1)->mRotation, window(2)->mRotation, window(3)->mRotation}),
                 QList<int>({180, 270, 90, 0}));
        QVERIFY(window(0)->mRotate180 && !window(0)->mRotate0);
        QVERIFY(window(1)->mRotate270 && window(2)->mRotate90 && window(3)->mRotate0);

        // Open state and the open-window menu.
        QVERIFY(window(0)->mOpen && window(0)->isVisible());
        QVERIFY(!window(2)->mOpen && !window(2)->isVisible());
        QVERIFY(view()->mOpenWindowActions.at(2)->isVisible());
        QVERIFY(!view()->mOpenWindowActions.at(0)->isVisible());

        // Picture values and colours.
        QCOMPARE(window(0)->mLuminance, -20);
        QCOMPARE(window(0)->mHue, 7);
        QCOMPARE(window(0)->mHSharpness, 3);
        QCOMPARE(window(0)->mVSharpness, 4);
        QCOMPARE(window(0)->mContrast, 100);
        QCOMPARE(window(0)->mHair, 1);
        QCOMPARE(window(0)->mBlock, 1);
        QCOMPARE(window(0)->mPanelGamma, 2);
        QVERIFY(window(0)->mHMirror && window(0)->mVMirror);
        QCOMPARE(window(0)->mRed, 136);
        QVERIFY(window(3)->mSolidColor);
        QCOMPARE(QList<int>({window(3)->mRed, window(3)->mGreen, window(3)->mBlue, window(3)->mSolidBlue}),
                 QList<int>({10, 20, 30, 30}));
        QCOMPARE(window(2)->mInputSourceIndex, 4);
        QCOMPARE(window(1)->mInputSourceIndex, 1);

        // Input resolutions on the buttons, the supported flags and the warning label.
        const QVector<QSize> &table = mStage.window->mInputResolutions;
        QCOMPARE(table.size(), 39);
        const QList<InputSourceButton *> &buttons = mStage.window->mInputSourceButtons;
        QCOMPARE(QSize(buttons.at(0)->mSourceWidth, buttons.at(0)->mSourceHeight), table.at(16));
        QCOMPARE(QSize(buttons.at(1)->mSourceWidth, buttons.at(1)->mSourceHeight), table.at(6));
        QCOMPARE(QSize(buttons.at(2)->mSourceWidth, buttons.at(2)->mSourceHeight), QSize(3840, 2160));
        QCOMPARE(QSize(buttons.at(3)->mSourceWidth, buttons.at(3)->mSourceHeight), table.at(6));
        QCOMPARE(QList<int>({g_windowInputSupported[0], g_windowInputSupported[1], g_windowInputSupported[2],
                             g_windowInputSupported[3]}), QList<int>({1, 0, 0, 1}));
        QVERIFY(formChild<QLabel>(mStage.window, "label_sliceImage")->isHidden());
        QVERIFY(mLog.contains(QString("窗口1，输入源1-低分辨率不支持，使用720P分辨率(%1x%2)")
                              .arg(table.at(6).width()).arg(table.at(6).height())));
        QVERIFY(mLog.contains("窗口2，输入源4-无信号或输入分辨率不识别，使用默认分辨率(3840x2160)"));

        // Crops end at the size of each window's source.
        QCOMPARE(QSize(window(0)->mCropHEnd, window(0)->mCropVEnd), table.at(16));
        QCOMPARE(QSize(window(2)->mCropHEnd, window(2)->mCropVEnd), QSize(3840, 2160));
        QCOMPARE(window(1)->mCropHStart, 0);
        // The panel shows the selected window as the read left it.
        const int selected = combo("currentChannelCBox")->currentIndex();
        QVERIFY(window(selected)->mCropHEnd != 3840);
        QCOMPARE(formChild<QLineEdit>(mStage.window, "ldt_HorizontalEndLocation")->text(),
                 QString::number(window(selected)->mCropHEnd));

        for (int i = 0; i < 4; ++i)
            QVERIFY(window(i)->flags() & QGraphicsItem::ItemIsMovable);
    }

    void aDragOnTheWallGoesOutAsADatagram()
    {
        QVERIFY(ensureUdpLink());
        mStage.box->clear();
        mLog.clear();
        InputChannel *w = window(0);
        const QPoint start = view()->mapFromScene(w->mapToScene(w->mRect.center()));
        QWidget *port = view()->viewport();
        QTest::mousePress(port, Qt::LeftButton, {}, start);
        for (int step = 1; step <= 8; ++step) {
            QMouseEvent move(QEvent::MouseMove, start + QPoint(step * 4, step * 2), Qt::NoButton, Qt::LeftButton, {});
            QApplication::sendEvent(port, &move);
            QTest::qWait(30);
        }
        QTest::mouseRelease(port, Qt::LeftButton, {}, start + QPoint(32, 16));

        QTRY_VERIFY_WITH_TIMEOUT(!mStage.box->unicastHex().filter(QRegularExpression("^e0")).isEmpty(), 5000);
        const FakeBoxUdp::Packet first = mStage.box->received.first();
        QCOMPARE(first.port, quint16(23));
        QVERIFY(first.crcOk);
        QVERIFY(!mLog.filter(QRegularExpression("^MainWindow::send\\(UDP\\)\uFF1A e0")).isEmpty());
    }

    void refreshReadsTheStateAgain()
    {
        mStage.endResultBoxesEarly();
        QVERIFY(ensureUdpLink());
        mStage.state.setWindowGeometry(1, 10, 20, 300, 400);
        mStage.state.global[7] = 0x2460;
        mStage.box->replyDelayMs = 50;      // late, but inside each wait
        QTest::qWait(200);
        mStage.box->clear();
        mStage.answerer->clear();
        clickMain("ptn_refresh");
        mStage.box->replyDelayMs = 0;

        QCOMPARE(queries(), kQueries);
        QCOMPARE(mStage.busyTexts().last(), QString("刷新成功！"));
        QVERIFY(!mStage.busyTexts().contains("连接成功！"));
        QVERIFY(g_networkConnected);
        QVERIFY(NetworkPortManager::getInstance()->udpSession());
        const double f = 120.0 / 119.0;
        const double k = 2 / 7.0f;
        QCOMPARE(window(1)->pos(), QPointF(10 / k * f, 20 * f));
        QCOMPARE(QList<int>({window(0)->mLayer, window(1)->mLayer, window(2)->mLayer, window(3)->mLayer}),
                 QList<int>({2, 3, 4, 1}));
        // Every window changed its layer: the panel shows the selected one's new layer.
        QCOMPARE(combo("cbx_windowLevel")->currentIndex(), window(combo("currentChannelCBox")->currentIndex())->mLayer - 1);
    }

    void refreshRefusesATcpLink()
    {
        QVERIFY(ensureUdpLink());
        // The link stays what it was, even when a check below fails.
        const auto restore = qScopeGuard([] { NetworkPortManager::getInstance()->setUdpSession(true); });
        NetworkPortManager::getInstance()->setUdpSession(false);
        mStage.box->clear();
        mStage.answerer->clear();
        clickMain("ptn_refresh");
        QTest::qWait(50);
        QCOMPARE(mStage.messageTexts(), QStringList({"您还没有网络连接下位机"}));
        QVERIFY(mStage.box->received.isEmpty());
    }

    void refreshOfASilentBoxEndsTheLink()
    {
        mStage.endResultBoxesEarly();
        QVERIFY(ensureUdpLink());
        mStage.box->script(1, {FakeBoxUdp::Reply::Drop, FakeBoxUdp::Reply::Drop, FakeBoxUdp::Reply::Drop});
        mStage.box->clear();
        mStage.answerer->clear();
        clickMain("ptn_refresh");
        QCOMPARE(queries(), kQueries.mid(0, 4));
        QCOMPARE(mStage.busyTexts().last(), QString("刷新失败！"));
        QVERIFY(!g_networkConnected);
        QVERIFY(!NetworkPortManager::getInstance()->udpSession());
        QCOMPARE(mStage.window->ReplyState, 0);
        QCOMPARE(g_pendingStatusCode, 1);

        // Queued commands go nowhere now, and a further refresh is refused.
        mStage.window->sendCommand("00010010");
        QTest::qWait(400);
        mStage.answerer->clear();
        clickMain("ptn_refresh");
        QTest::qWait(50);
        QCOMPARE(mStage.messageTexts(), QStringList({"您还没有网络连接下位机"}));
        QCOMPARE(queries(), kQueries.mid(0, 4));
    }
};

QTEST_MAIN(TstNetUdpConnect)
#include "tst_net_udpconnect.moc"
