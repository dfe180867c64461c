#include <QtTest>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTcpSocket>

#include "dialoganswerer.h"
#include "fakebox.h"
#include "fakeboxtcp.h"
#include "globals.h"
#include "mainwindow.h"
#include "windowfixture.h"
#include "networkdialog.h"
#include "Graphics/inputchannel.h"
#include "Graphics/inputsourcebutton.h"
#include "Graphics/resolutionratioscene.h"
#include "Graphics/userview.h"
#include "link/routetable.h"
#include "maincontent/waitingwidget.h"

// The TCP link end to end: the main window's connect button against the
// stand-in box's TCP server at 10.77.0.2 inside the test's own namespace.
class TstNetTcpLink : public QObject
{
    Q_OBJECT

    WindowFixture *mFixture = nullptr;
    MainWindow *mWindow = nullptr;
    FakeBoxState mState;
    FakeBoxTcp *mBox = nullptr;
    DialogAnswerer *mAnswerer = nullptr;

    const QStringList kQueries = {"08050000", "08010001", "08020001", "08030001", "08040001", "ffffffff"};

    template<typename T> T *widget(const char *name) const
    {
        T *w = mWindow->findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("no widget %s", name);
        return w;
    }
    UserView *view() const { return widget<UserView>("graphicsView"); }
    QPushButton *connectButton() const { return widget<QPushButton>("connect"); }
    ResolutionRatioScene *scene() const { return view()->mScenes.at(mWindow->mCurrentSceneIndex); }
    InputChannel *channel(int window) const { return scene()->mChannels.at(window - 1); }
    QString status(int code) const { return mWindow->mStatusText[0][0] + mWindow->mStatusText[code][0]; }
    QString caption() const { return connectButton()->text(); }

    int seenCount(const QString &text) const { return mAnswerer->texts().filter(text).size(); }

    void pointDialogAtBox(quint16 port)
    {
        mWindow->mNetworkDialog->mIp = QStringLiteral("10.77.0.2");
        mWindow->mNetworkDialog->mPort = QString::number(port);
    }

    void click() { QTest::mouseClick(connectButton(), Qt::LeftButton); }

    // Once the last query is in, every answer is too: let the busy box go
    // rather than sit out the rest of its five seconds.
    void closeBusyBoxAfterLastQuery()
    {
        connect(mBox, &FakeBoxTcp::packetReceived, this, [](const QString &text) {
            if (text != QLatin1String("ffffffff"))
                return;
            QTimer::singleShot(200, [] {
                if (auto *busy = qobject_cast<WaitingWidget *>(QApplication::activeModalWidget()))
                    busy->close();
            });
        });
    }

    // Everything the frames write into a window, as one comparable text.
    static QString snapshot(InputChannel *ch)
    {
        QStringList v;
        v << QString::number(ch->pos().x()) << QString::number(ch->pos().y())
          << QString::number(ch->boundingRect().width()) << QString::number(ch->boundingRect().height());
        for (int x : {ch->mCropHStart, ch->mCropVStart, ch->mCropHEnd, ch->mCropVEnd, ch->mContrast, ch->mLuminance,
                      ch->mHue, ch->mSaturation, ch->mRed, ch->mSolidRed, ch->mInputSourceIndex, ch->mInputSourceID,
                      ch->mRotation, ch->mLayer, int(ch->mOpen), int(ch->mFreeze), int(ch->mSolidColor)})
            v << QString::number(x);
        return v.join(QLatin1Char(','));
    }
    QString wallSnapshot() const
    {
        QStringList all;
        for (int w = 1; w <= 4; ++w)
            all << snapshot(channel(w));
        return all.join(QLatin1Char('|'));
    }

    QList<FakeBoxTcp::Packet> queryPackets() const
    {
        QList<FakeBoxTcp::Packet> out;
        for (const FakeBoxTcp::Packet &p : mBox->packets)
            if (p.text.startsWith(QLatin1String("080")) || p.text == QLatin1String("ffffffff"))
                out << p;
        return out;
    }

    bool linkUp() const { return g_networkConnected && mBox->hasClient(); }

    void connectAndReadFully()
    {
        mBox->packets.clear();
        click();
        QTRY_VERIFY_WITH_TIMEOUT(seenCount(QStringLiteral("读取成功！")) == 1, 15000);
    }

    // The tests that only need a link share one; each still runs alone.
    void ensureLinkUp()
    {
        if (!linkUp())
            connectAndReadFully();
        mAnswerer->clear();
    }

    void ensureLinkDown()
    {
        if (g_networkConnected) {
            click();
            QTRY_VERIFY(!mBox->hasClient());
        }
        mAnswerer->clear();
    }

private slots:
    void initTestCase()
    {
        mFixture = new WindowFixture;
        mWindow = mFixture->mw;
        mWindow->show();
        QVERIFY(QTest::qWaitForWindowExposed(mWindow));
        mAnswerer = new DialogAnswerer(DialogAnswerer::Accept, this);
        mAnswerer->setAnswerFor(QStringLiteral("WaitingWidget"), DialogAnswerer::Leave);
        mBox = new FakeBoxTcp(&mState, this);
        QVERIFY(mBox->listen());
        pointDialogAtBox(mBox->port());
        closeBusyBoxAfterLastQuery();
    }

    // Every test starts from the same ground, whatever the one before left:
    // the dialog points at the box, which answers every query, in Chinese.
    void init()
    {
        g_languageIndex = 0;
        mAnswerer->clear();
        mBox->omitted.clear();
        pointDialogAtBox(mBox->port());
        RouteTable::setCommand(QString(), QStringList());
    }

    void cleanup()
    {
        g_languageIndex = 0;
        pointDialogAtBox(mBox->port());
        RouteTable::setCommand(QString(), QStringList());
        QTRY_VERIFY(!QApplication::activeModalWidget());
    }

    void noAddressOnThePcRefusesTheClick()
    {
        ensureLinkDown();
        RouteTable::setCommand(QStringLiteral("true"), {});
        click();
        QTRY_COMPARE(mAnswerer->texts(), QStringList{QStringLiteral("请设置正确IP地址！")});
        QCOMPARE(mAnswerer->titles(), QStringList{QStringLiteral("错误")});
        QCOMPARE(mWindow->mTcpSocket->state(), QAbstractSocket::UnconnectedState);
        QTest::qWait(100);
        QVERIFY(!mBox->hasClient());
    }

    void connectTimesOutAfter1500ms_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("text");
        QTest::newRow("Chinese") << 0 << QStringLiteral("连接失败！请检查后重新连接！\n1、网口松了\n2、网络配置错误\n3、是否被其他的程序占用\n");
        QTest::newRow("Russian speaks English") << 2 << QStringLiteral(
            "Connection failed! Please check and reconnect! \n1.Network interface loose \n"
            "2.Network configuration error\n3.Whether it is occupied  by other programs\n");
    }
    void connectTimesOutAfter1500ms()
    {
        QFETCH(int, language);
        QFETCH(QString, text);
        ensureLinkDown();
        g_languageIndex = language;
        // A box that does not accept: its port is closed again at once.
        quint16 port = 0;
        {
            FakeBoxTcp refusing(&mState);
            QVERIFY(refusing.listen());
            port = refusing.port();
        }
        pointDialogAtBox(port);

        QElapsedTimer clock;
        clock.start();
        click();
        QCOMPARE(caption(), QStringLiteral("连接中..."));
        QTRY_VERIFY_WITH_TIMEOUT(!mAnswerer->seen.isEmpty(), 6000);
        const qint64 elapsed = clock.elapsed();
        // One and a half seconds on a coarse timer: it may fire 5 % early, and
        // late under load.
        QVERIFY2(elapsed >= 1400 && elapsed < 2700, qPrintable(QString::number(elapsed)));
        QCOMPARE(mAnswerer->seen.size(), 1);
        const DialogAnswerer::Seen box = mAnswerer->seen.first();
        QCOMPARE(box.className, QStringLiteral("QMessageBox"));
        QCOMPARE(box.title, QString());
        QCOMPARE(box.text, text);
        QCOMPARE(box.buttons, QStringList{QStringLiteral("确定")});
        QCOMPARE(caption(), QStringLiteral("连接服务器"));
        QVERIFY(!g_networkConnected);
        QCOMPARE(mWindow->mTcpSocket->state(), QAbstractSocket::UnconnectedState);
    }

    void startupReadFillsTheWall()
    {
        mState.setGrid(2, 2);
        mState.global[7] = 0x6420;            // window 4 in front .. window 1 at the back
        mBox->mode = 1;
        mBox->flag = 0;
        QMap<int, quint16> &w1 = mState.windows[0];
        mState.setWindowGeometry(0, 100, 200, 1000, 500);
        w1[0x06] = 10; w1[0x07] = 20; w1[0x08] = 0; w1[0x09] = 0;   // crop ends from the input
        w1[0x0B] = 55; w1[0x0C] = 1024 - 20; w1[0x10] = 180 + 30;
        w1[0x2D] = 2; w1[0x32] = 39;                                  // HDMI 3, no signal
        w1[0x31] = 1;                                                 // 90 degrees
        QMap<int, quint16> &w2 = mState.windows[1];
        w2[0x2A] = 1; w2[0x27] = 1; w2[0x28] = 2; w2[0x29] = 3;      // solid colour
        w2[0x2D] = 3; w2[0x08] = 0; w2[0x09] = 0;
        QMap<int, quint16> &w3 = mState.windows[2];
        w3[0x14] = 1; w3[0x15] = 1; w3[0x31] = 0;                     // both mirrors: 180 degrees
        w3[0x2B] = 0;                                                 // closed
        w3[0x2D] = 1;                                                 // HDMI 2
        mState.windows[3][0x31] = 2;                                  // 270 degrees
        mState.windows[3][0x32] = 16;
        mState.windows[3][0x2D] = 0;

        ensureLinkDown();
        connectAndReadFully();
        QCOMPARE(mAnswerer->texts().filter(QStringLiteral("正在重新读取")).size(), 0);
        QCOMPARE(mAnswerer->seen.last().title, QStringLiteral("消息"));

        // The six queries, each packed with its CRC, about 600 ms apart.
        // (The panel may send its own commands in between; only the queries count here.)
        // Each leaves on a tick of the 250 ms send pump, and ticks may run
        // late under load: one gap alone can be short, their sum cannot.
        const QList<FakeBoxTcp::Packet> queries = queryPackets();
        QStringList texts;
        for (const FakeBoxTcp::Packet &p : queries) {
            texts << p.text;
            QVERIFY2(p.crcOk, qPrintable(p.text));
        }
        QCOMPARE(texts, kQueries);
        for (int i = 1; i < queries.size(); ++i) {
            const qint64 gap = queries.at(i).ms - queries.at(i - 1).ms;
            QVERIFY2(gap > 50 && gap < 1500, qPrintable(QString::number(gap)));
        }
        const qint64 span = queries.last().ms - queries.first().ms;
        QVERIFY2(span > 2500 && span < 4500, qPrintable(QString::number(span)));

        QVERIFY(g_networkConnected);
        QVERIFY(mWindow->mReadOk);
        QCOMPARE(caption(), QStringLiteral("断开连接"));
        QCOMPARE(mWindow->mStatusLabel->text(), status(2));
        QVERIFY(channel(1)->flags() & QGraphicsItem::ItemIsMovable);

        // Global frame: grid and stacking.
        QCOMPARE(widget<QComboBox>("rowCbx")->currentIndex(), 1);
        QCOMPARE(widget<QComboBox>("columnCbx")->currentIndex(), 1);
        QCOMPARE(scene()->layoutName(), QStringLiteral("2x2"));
        for (int w = 1; w <= 4; ++w) {
            QCOMPARE(channel(w)->mLayer, 5 - w);
            QCOMPARE(channel(w)->zValue(), qreal(w));
        }
        QVERIFY(channel(1)->mAudioOutput1Only && !channel(1)->mAudioAllOutputs && !channel(1)->mAudioOff);
        QVERIFY(!channel(1)->mVideoGen);

        // Window 1: geometry as sent (the wall is no wider than the box's space).
        InputChannel *c1 = channel(1);
        QCOMPARE(c1->pos(), QPointF(100, 200));
        QCOMPARE(c1->boundingRect().size(), QSizeF(1000, 500));
        QCOMPARE(c1->mCropHStart, 10);
        QCOMPARE(c1->mCropVStart, 20);
        QCOMPARE(c1->mCropHEnd, 3840);
        QCOMPARE(c1->mCropVEnd, 2160);
        if (InputSourceButton *hdmi3 = mWindow->mInputSourceButtons.value(2))
            QCOMPARE(hdmi3->mSourceWidth, 3840);
        QCOMPARE(c1->mContrast, 55);
        QCOMPARE(c1->mLuminance, -20);
        QCOMPARE(c1->mHue, 30);
        QCOMPARE(c1->mInputSourceIndex, 2);
        QCOMPARE(c1->mRotation, 90);
        QVERIFY(c1->mRotate90 && !c1->mRotate0 && !c1->mRotate180 && !c1->mRotate270);
        QVERIFY(c1->mOpen && c1->isVisible());

        // Window 2: a solid colour hides the source and keeps the crop ends as sent.
        InputChannel *c2 = channel(2);
        QVERIFY(c2->mSolidColor);
        QCOMPARE(QVector<int>({c2->mRed, c2->mGreen, c2->mBlue}), QVector<int>({1, 2, 3}));
        QCOMPARE(QVector<int>({c2->mSolidRed, c2->mSolidGreen, c2->mSolidBlue}), QVector<int>({1, 2, 3}));
        QCOMPARE(c2->mInputSourceIndex, 4);
        QCOMPARE(c2->mInputSourceID, 3);
        QCOMPARE(c2->mCropHEnd, 0);
        QCOMPARE(c2->mCropVEnd, 0);

        // Window 3: mirrored both ways is a half turn; closed, so its menu entry shows.
        InputChannel *c3 = channel(3);
        QCOMPARE(c3->mRotation, 180);
        QVERIFY(c3->mRotate180 && c3->mHMirror && c3->mVMirror);
        QVERIFY(!c3->mOpen && !c3->isVisible());
        if (QAction *open3 = view()->mOpenWindowActions.value(2))
            QVERIFY(open3->isVisible());
        if (QAction *open1 = view()->mOpenWindowActions.value(0))
            QVERIFY(!open1->isVisible());

        // Window 4: 270 degrees; the input size from the resolution table.
        InputChannel *c4 = channel(4);
        QCOMPARE(c4->mRotation, 270);
        QVERIFY(c4->mRotate270);
        const QSize input = mWindow->mInputResolutions.value(16, QSize(3840, 2160));
        if (InputSourceButton *hdmi1 = mWindow->mInputSourceButtons.value(0))
            QCOMPARE(hdmi1->mSourceWidth, input.width());
        QCOMPARE(c4->mCropHEnd, mState.windows[3][0x08] ? int(mState.windows[3][0x08]) : input.width());
    }

    void wideWallStretchesTheBoxSpace()
    {
        ensureLinkUp();
        // One row of four screens: 7680 x 1080, twice the box's width.
        mState.setGrid(1, 4);
        mBox->write(mBox->globalFrame());
        QTRY_COMPARE(scene()->sceneRect(), QRectF(0, 0, 7680, 1080));
        QCOMPARE(scene()->layoutName(), QStringLiteral("1x4"));
        mState.setWindowGeometry(0, 1920, 540, 1920, 540);
        mBox->write(mBox->windowFrame(1));
        QTRY_COMPARE(channel(1)->pos(), QPointF(3840, 540));
        QCOMPARE(channel(1)->boundingRect().size(), QSizeF(3840, 540));

        // A grid the lists cannot hold leaves the wall as it is.
        for (int rows : {0, 19}) {
            mState.setGrid(rows, 2);
            mBox->write(mBox->globalFrame());
            QTest::qWait(150);
            QCOMPARE(widget<QComboBox>("rowCbx")->currentIndex(), 0);
            QCOMPARE(widget<QComboBox>("columnCbx")->currentIndex(), 3);
            QCOMPARE(scene()->sceneRect(), QRectF(0, 0, 7680, 1080));
            QCOMPARE(channel(1)->pos(), QPointF(3840, 540));
        }
        mState.setGrid(2, 2);
        mBox->write(mBox->globalFrame());
        QTRY_COMPARE(scene()->sceneRect(), QRectF(0, 0, 3840, 2160));
    }

    void badChannelFrameChangesNothing()
    {
        ensureLinkUp();
        const QString before = snapshot(channel(1));
        const int count = g_channelFrameCount;
        QSignalSpy log(mWindow, &MainWindow::readInfo);

        mState.setWindowGeometry(0, 7, 7, 700, 700);
        mState.windows[0][0x0B] = 1;
        QByteArray badChannel = mBox->windowFrame(1);
        badChannel[3] = 5;
        // A good frame right behind it shows the bad one was passed over, not awaited.
        mState.windows[1][0x0B] = 61;
        mBox->write(badChannel + mBox->windowFrame(2));
        QTRY_COMPARE(channel(2)->mContrast, 61);

        QCOMPARE(snapshot(channel(1)), before);
        QCOMPARE(g_channelFrameCount, count + 1);
        // Nothing of the bad frame is logged.
        for (const QList<QVariant> &line : qAsConst(log))
            QVERIFY(!line.at(0).toString().startsWith(QStringLiteral("通道： 1")));
    }

    // A box that breaks off an answer (a restart mid-frame), or a stray byte,
    // must not hide the global frame behind it nor change any window.
    void globalFrameAfterBrokenBytesIsApplied_data()
    {
        QTest::addColumn<int>("brokenBytes");   // of a window frame; -1 a stray AA
        QTest::addColumn<int>("globals");
        QTest::newRow("84 bytes, one global") << 84 << 1;
        QTest::newRow("18 bytes, four globals") << 18 << 4;
        QTest::newRow("stray AA") << -1 << 1;
    }
    void globalFrameAfterBrokenBytesIsApplied()
    {
        QFETCH(int, brokenBytes);
        QFETCH(int, globals);
        ensureLinkUp();
        g_channelFrameCount = 3;   // a global frame resets it: that shows it was applied
        mBox->write(mBox->globalFrame());
        QTRY_COMPARE(g_channelFrameCount, 0);
        const QString before = wallSnapshot();

        // Had the window bytes been applied, window 2 would close and change colour.
        const FakeBoxState kept = mState;
        mState.windows[1][0x0B] = 99;
        mState.windows[1][0x2B] = 0;
        const QByteArray broken = brokenBytes < 0 ? QByteArray(1, char(0xAA)) : mBox->windowFrame(2).left(brokenBytes);
        mState = kept;
        g_channelFrameCount = 3;
        QSignalSpy log(mWindow, &MainWindow::readInfo);
        mBox->write(broken + mBox->globalFrame().repeated(globals));

        QTRY_COMPARE(g_channelFrameCount, 0);
        QTRY_COMPARE(log.count(), 2 * globals);
        QCOMPARE(log.last().at(0).toString(), QStringLiteral("全局设置- 7"));
        QCOMPARE(wallSnapshot(), before);
    }

    // TCP is a stream: the box, a switch or the system's buffering may cut
    // or join its answers anywhere, and may put stray bytes between them.
    void cutJoinedOrPaddedFramesAreEachRead_data()
    {
        QTest::addColumn<bool>("split");
        QTest::addColumn<bool>("join");
        QTest::addColumn<QByteArray>("junk");
        QTest::newRow("split in two") << true << false << QByteArray();
        QTest::newRow("two in one") << false << true << QByteArray();
        QTest::newRow("stray bytes") << false << false << QByteArray("\x01\xAA\xAA\xBB\x02", 5);
    }
    void cutJoinedOrPaddedFramesAreEachRead()
    {
        QFETCH(bool, split);
        QFETCH(bool, join);
        QFETCH(QByteArray, junk);
        ensureLinkDown();
        mBox->splitFrames = split;
        mBox->joinFrames = join;
        mBox->junk = junk;
        for (int w = 0; w < 4; ++w)
            mState.windows[w][0x0B] = 40 + w;

        connectAndReadFully();
        mBox->splitFrames = mBox->joinFrames = false;
        mBox->junk.clear();
        QCOMPARE(seenCount(QStringLiteral("读取失败！")), 0);
        QCOMPARE(seenCount(QStringLiteral("正在重新读取...(1/1)")), 0);
        for (int w = 1; w <= 4; ++w)
            QCOMPARE(channel(w)->mContrast, 40 + w - 1);
    }

    void userDisconnectIsNotReported()
    {
        ensureLinkUp();
        click();
        QCOMPARE(caption(), QStringLiteral("连接服务器"));
        QVERIFY(!g_networkConnected);
        QCOMPARE(mWindow->mStatusLabel->text(), status(1));
        QVERIFY(!(channel(1)->flags() & QGraphicsItem::ItemIsMovable));
        QTRY_VERIFY(!mBox->hasClient());
        QTest::qWait(100);
        QVERIFY(mAnswerer->seen.isEmpty());
    }

    void missingFourthFrameRetriesOnceThenFails()
    {
        ensureLinkDown();
        mBox->omitted = {4};
        mBox->packets.clear();
        click();
        QTRY_VERIFY_WITH_TIMEOUT(seenCount(QStringLiteral("读取失败！")) == 1, 20000);

        QCOMPARE(mAnswerer->seen.size(), 3);
        QCOMPARE(mAnswerer->seen.at(0).className, QStringLiteral("WaitingWidget"));
        QCOMPARE(mAnswerer->seen.at(1).className, QStringLiteral("WaitingWidget"));
        QVERIFY(mAnswerer->seen.at(1).text.contains(QStringLiteral("正在重新读取...(1/1)"))
                || mAnswerer->seen.at(1).title.contains(QStringLiteral("正在重新读取...(1/1)")));
        QCOMPARE(mAnswerer->seen.at(2).title, QStringLiteral("错误"));
        QStringList texts;
        for (const FakeBoxTcp::Packet &p : queryPackets())
            texts << p.text;
        QCOMPARE(texts, kQueries + kQueries);
        QVERIFY(!mWindow->mReadOk);

        // A failed read keeps the link.
        QVERIFY(g_networkConnected);
        QCOMPARE(caption(), QStringLiteral("断开连接"));
        QVERIFY(mBox->hasClient());

        // So does a click to disconnect when the PC shows no address.
        mAnswerer->clear();
        RouteTable::setCommand(QStringLiteral("true"), {});
        click();
        QTRY_COMPARE(mAnswerer->texts(), QStringList{QStringLiteral("请设置正确IP地址！")});
        QVERIFY(g_networkConnected);
        QVERIFY(mBox->hasClient());
    }

    void closedLinkIsReportedOnce()
    {
        ensureLinkUp();
        mBox->closeLink();
        QTRY_COMPARE(mAnswerer->texts(), QStringList{QStringLiteral("连接已断开，请检查网络连接")});
        QCOMPARE(mAnswerer->titles(), QStringList{QStringLiteral("连接错误")});
        QTest::qWait(300);
        QCOMPARE(mAnswerer->seen.size(), 1);
        QVERIFY(!g_networkConnected);
        QCOMPARE(caption(), QStringLiteral("连接服务器"));
        QCOMPARE(mWindow->mStatusLabel->text(), status(1));
        QVERIFY(!(channel(1)->flags() & QGraphicsItem::ItemIsMovable));
        QCOMPARE(mWindow->mTcpSocket->state(), QAbstractSocket::UnconnectedState);
    }

    void cleanupTestCase()
    {
        delete mFixture;
        mWindow = nullptr;
    }
};

QTEST_MAIN(TstNetTcpLink)
#include "tst_net_tcplink.moc"
