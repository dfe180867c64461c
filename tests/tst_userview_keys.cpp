#include <QtTest>

#include <QAction>
#include <QThread>

#include "globals.h"
#include "ui_mainwindow.h"
#include "userviewfixture.h"
#include "Graphics/transfercontroller.h"
#include "Graphics/worker.h"
#include "link/devicepacket.h"

// Drives the wall view with real key events, its send tick and its drag ticker
// and reads what it queues on a main window's send lists.
class TstUserViewKeys : public QObject, protected UserViewFixture
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(translations);
    }

    void init() { setUpView(); }

    void cleanup() { tearDownView(); }

    void sendCommandAndInterval()
    {
        mView->sendCommand(QStringLiteral("e10064003207800438"));
        QCOMPARE(texts(), QStringList({"e10064003207800438"}));
        QCOMPARE(mMain->mSendPackets->value(0), hexToPacket(QStringLiteral("e10064003207800438")));
        QCOMPARE(mMain->mSendPackets->value(0).size(), 10);
        mView->sendCommand(QString());   // a refused value never reaches the queue
        QCOMPARE(texts().size(), 1);

        // The pump and its own wall view's drag pacing move together.
        mMain->setSendInterval(55);
        UserView *pumpView = mMain->getUi()->graphicsView;
        QCOMPARE(pumpView->mSendTickTimer->interval(), 55);
        QVERIFY(pumpView->mSendTickTimer->isActive());
        QCOMPARE(mMain->mSendTimer->interval(), 55);
        QVERIFY(mMain->mSendTimer->isActive());
        mMain->mSendTimer->stop();
        mView->setTickInterval(55);
        QCOMPARE(mView->mSendTickTimer->interval(), 55);
        QVERIFY(mView->mSendTickTimer->isActive());

        UserView lonely;   // no main window: commands vanish without harm
        lonely.sendCommand(QStringLiteral("002b0001"));
    }

    void rKeySequence()
    {
        mView->channelAt(mView->mapFromScene(2400, 500));
        for (int i = 0; i < 4; ++i)
            key(Qt::Key_R);
        QCOMPARE(texts(), QStringList({"01320001", "01330000", "01330000", "01340001", "01340000"}));
        QCOMPARE(window(1)->mRotation, 0);
        QVERIFY(window(1)->mRotate0 && !window(1)->mRotate270);

        // Keys faster than the 40 ms pacing: only the first acts.
        clearQueue();
        QTRY_VERIFY_WITH_TIMEOUT(!mView->mKeyBusy, 5000);
        QTest::keyClick(mView, Qt::Key_R);
        QTest::keyClick(mView, Qt::Key_R);
        QCOMPARE(texts(), QStringList({"01320001"}));
    }

    void arrowKeys()
    {
        mView->channelAt(mView->mapFromScene(2400, 500));
        window(1)->setPos(1000, 500);
        QSignalSpy refresh(mView, &UserView::changeRightMenuInfo);
        key(Qt::Key_Left);
        key(Qt::Key_Right, Qt::ShiftModifier);
        key(Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(window(1)->pos(), QPointF(991, 600));
        QCOMPARE(texts(), QStringList({"010103de", "010103df", "01020258"}));
        QCOMPARE(refresh.size(), 3);
        QVERIFY(!g_inputAllowed);
        QTRY_VERIFY_WITH_TIMEOUT(g_inputAllowed, 5000);
    }

    void pageUpAndDown()
    {
        mView->channelAt(mView->mapFromScene(2400, 500));
        window(1)->setPos(1000, 500);
        window(1)->setRect(QRectF(0, 0, 210, 210));
        key(Qt::Key_PageDown);   // dx 38, hx 19: 210 - 19 is not above 200
        QCOMPARE(window(1)->mRect.size(), QSizeF(200, 200));
        QCOMPARE(window(1)->pos(), QPointF(1000, 500));
        window(1)->setRect(QRectF(0, 0, 230, 1000));
        key(Qt::Key_PageDown);   // width 230 - 38; height 1000 - 21, moved by 19 and 10
        QCOMPARE(window(1)->mRect.size(), QSizeF(192, 979));
        QCOMPARE(window(1)->pos(), QPointF(1019, 510));
        QCOMPARE(texts(), QStringList({"e103e801f400c800c8", "e103fb01fe00c003d3"}));

        clearQueue();
        window(1)->setRect(QRectF(0, 0, 1000, 1000));
        window(1)->setPos(2830, 5);
        key(Qt::Key_PageUp);     // moves left 19 and up to 0; the width stops at the right edge
        QCOMPARE(window(1)->pos(), QPointF(2811, 0));
        QCOMPARE(window(1)->mRect.size(), QSizeF(1029, 1021));
        QCOMPARE(texts(), QStringList({"e10afb0000040503fd"}));

        // A window flush with the right and bottom edges shrinks about its centre too.
        mView->channelAt(mView->mapFromScene(2400, 1500));
        QCOMPARE(mView->mCurrentChannelIndex, 3);
        key(Qt::Key_PageDown);
        QCOMPARE(window(3)->mRect.size(), QSizeF(1882, 1059));
        QCOMPARE(window(3)->pos(), QPointF(1939, 1090));
    }

    void layerKeys()
    {
        mView->channelAt(mView->mapFromScene(500, 1500));   // window 3
        QCOMPARE(mView->mCurrentChannelIndex, 2);
        key(Qt::Key_Home);   // 1 3 2 4
        key(Qt::Key_T);      // 3 1 2 4
        key(Qt::Key_End);    // 1 3 2 4
        QCOMPARE(texts(), QStringList({"04100426", "04104026", "04100426"}));
        QCOMPARE(window(2)->mLayer, 2);
        QCOMPARE(window(0)->mLayer, 1);

        // The menu entries notify the panel once through the canvas.
        clearQueue();
        QSignalSpy canvasRefresh(scene(), &ResolutionRatioScene::changeRightMenuInfo);
        mView->mLayerActions.at(3)->trigger();   // to the back
        QCOMPARE(texts(), QStringList({"04100264"}));
        QCOMPARE(canvasRefresh.size(), 1);
    }

    void sourceKeys()
    {
        mView->channelAt(mView->mapFromScene(500, 500));
        for (int k = Qt::Key_1; k <= Qt::Key_4; ++k)
            key(k);
        QCOMPARE(texts(), QStringList({"002d0000", "002d0001", "002d0002", "002d0003"}));
        QCOMPARE(window(0)->mInputSourceIndex, 3);

        clearQueue();
        window(0)->mSolidColor = true;
        key(Qt::Key_3);
        QVERIFY(texts().isEmpty());
        QCOMPARE(window(0)->mInputSourceIndex, 3);
        QVERIFY(mView->mKeyBusy);   // the pacing starts all the same
    }

    void keysWithoutWindowOrLink()
    {
        QSignalSpy refresh(mView, &UserView::changeRightMenuInfo);
        key(Qt::Key_1);
        QVERIFY(texts().isEmpty());
        QCOMPARE(refresh.size(), 1);

        g_offlineMode = false;
        mView->mCurrentChannelIndex = 0;
        key(Qt::Key_1);
        QVERIFY(texts().isEmpty());
        QCOMPARE(refresh.size(), 1);
        QCOMPARE(mView->mInputTimer->interval(), 500);
    }

    void tabCyclesWindows()
    {
        QSignalSpy spy(mView, &UserView::changeRightMenuInfoWithIndex);
        mView->mCurrentChannelIndex = 3;
        QTest::keyClick(mView, Qt::Key_Tab);
        QCOMPARE(mView->mCurrentChannelIndex, 0);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), 0);
        QVERIFY(window(0)->isSelected());
        QVERIFY(!window(3)->isSelected());
        QTest::keyClick(mView, Qt::Key_Tab);
        QCOMPARE(mView->mCurrentChannelIndex, 1);
        mView->mCurrentChannelIndex = -1;
        QTest::keyClick(mView, Qt::Key_Tab);
        QCOMPARE(spy.size(), 2);
    }

    // Nobody drags: the ticker thread sleeps. A drag wakes it, the release
    // lets it sleep again.
    void tickerTicksOnlyWhileAWindowIsEdited()
    {
        Worker *worker = mView->mTransferController->mWorker;
        std::atomic<int> ticks{0};
        connect(worker, &Worker::handleData, worker, [&] { ++ticks; }, Qt::DirectConnection);
        QVERIFY(!worker->isTicking());
        QTest::qWait(5 * Worker::TickMs);
        QCOMPARE(ticks.load(), 0);

        QTest::mousePress(handle(), Qt::LeftButton, {}, at(2400, 500));
        QVERIFY(worker->isTicking());
        QTest::mouseMove(handle(), at(2100, 600));
        QTRY_VERIFY_WITH_TIMEOUT(ticks >= 3, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!texts().isEmpty(), 5000);

        QTest::mouseRelease(handle(), Qt::LeftButton, {}, at(2100, 600));
        QTRY_VERIFY_WITH_TIMEOUT(!worker->isTicking(), 5000);
        // One tick may have been on its way when the edit ended.
        const int after = ticks;
        QTest::qWait(5 * Worker::TickMs);
        QVERIFY2(ticks <= after + 1, qPrintable(QString::number(ticks - after)));
        QObject::disconnect(worker, &Worker::handleData, worker, nullptr);
    }

    void tickerEndsWithView()
    {
        UserView *view = new UserView;
        QThread *thread = &view->mTransferController->mWorkerThread;
        std::atomic<bool> finished{false};
        std::atomic<bool> workerGone{false};
        connect(thread, &QThread::finished, thread, [&] { finished = true; }, Qt::DirectConnection);
        connect(view->mTransferController->mWorker, &QObject::destroyed, thread,
                [&] { workerGone = true; }, Qt::DirectConnection);
        std::atomic<int> ticks{0};
        connect(view->mTransferController->mWorker, &Worker::handleData, thread, [&] { ++ticks; },
                Qt::DirectConnection);
        // Ticking, as during an edit (the view ends it at the first tick, as nobody edits).
        view->mTransferController->setTicking(true);
        QTRY_VERIFY_WITH_TIMEOUT(ticks >= 1, 5000);
        QVERIFY(thread->isRunning());
        delete view;
        QVERIFY(finished);
        QVERIFY(workerGone);

        // Stopping twice is harmless.
        TransferController controller(mView);
        controller.startWork();
        controller.stop();
        controller.stop();
        QVERIFY(!controller.mWorkerThread.isRunning());
    }
};

QTEST_MAIN(TstUserViewKeys)
#include "tst_userview_keys.moc"
