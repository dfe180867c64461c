#include <QtTest>

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QRubberBand>
#include <QScrollBar>
#include <QTranslator>

#include "dialoganswerer.h"
#include "globals.h"
#include "userviewfixture.h"
#include "Graphics/transfercontroller.h"
#include "Graphics/worker.h"

// Drives the wall view with real mouse events and its menus and reads what it
// queues on a main window's send lists.
class TstUserView : public QObject, protected UserViewFixture
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(translations);
    }

    void init() { setUpView(); }

    void cleanup() { tearDownView(); }

    void construction()
    {
        QCOMPARE(mView->mScenes.size(), 4);
        const QList<QSizeF> sizes = {QSizeF(3840, 2160), QSizeF(3840, 1080), QSizeF(1920, 2160), QSizeF(1920, 2160)};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(mView->mScenes.at(i)->sceneRect(), QRectF(QPointF(0, 0), sizes.at(i)));
        QCOMPARE(mView->scene(), mView->mScenes.at(0));
        QCOMPARE(mView->transform().m11(), qreal(0.2f));
        QCOMPARE(mView->mCurrentChannelIndex, -1);
        QCOMPARE(mView->dragMode(), QGraphicsView::RubberBandDrag);
        QCOMPARE(mView->contextMenuPolicy(), Qt::CustomContextMenu);

        // Timers belong to the view; pacing 100 ms, input pause 200 ms.
        for (QTimer *t : {mView->mSendTickTimer, mView->mInputTimer, mView->mKeyTimer, mView->mXYPosTimer, mView->mStepTimer})
            QCOMPARE(t->parent(), mView);
        QCOMPARE(mView->mSendTickTimer->interval(), 100);
        QCOMPARE(mView->mSendTickTimer->timerType(), Qt::PreciseTimer);
        QVERIFY(mView->mSendTickTimer->isActive());
        QCOMPARE(mView->mInputTimer->interval(), 200);
        QVERIFY(mView->mInputTimer->isActive());
        QVERIFY(!mView->mKeyTimer->isActive());

        QVERIFY(mView->mTransferController->mWorkerThread.isRunning());

        // Menus: every "open window" entry hidden, only Close Window visible among window entries.
        QCOMPARE(mView->mOpenWindowActions.size(), 4);
        for (QAction *a : qAsConst(mView->mOpenWindowActions))
            QVERIFY(!a->isVisible());
        QCOMPARE(mView->mOpenWindowActions.at(1)->text(), QStringLiteral("打开窗口2"));
        QCOMPARE(mView->mWindowActions.size(), 3);
        QVERIFY(!mView->mWindowActions.at(0)->isVisible());
        QVERIFY(mView->mWindowActions.at(1)->isVisible());
        QVERIFY(!mView->mWindowActions.at(2)->isVisible());
        QStringList titles;
        for (QAction *a : mView->mContextMenu->actions())
            if (a->menu())
                titles << a->text();
        QCOMPARE(titles, QStringList({"音频随出", "首行180°旋转", "输入源", "设置层级", "VideoGen 模式", "旋转(R)", "自适应填充"}));
        QVERIFY(mView->mAudioActions.at(0)->isChecked());
        QVERIFY(mView->mVideoGenActions.at(0)->isChecked());
        QVERIFY(mView->mFirstRowActions.at(1)->isChecked());
        QCOMPARE(mView->mInputSourceActions.at(2)->text(), QStringLiteral("选择输入源3"));
    }

    void menuTableAndLanguages()
    {
        QCOMPARE(UserView::menuText(23, 2).at(0), QChar('A'));   // Latin capital A
        QCOMPARE(UserView::menuText(24, 3), QStringLiteral("La primera fila gira 180º"));
        QCOMPARE(UserView::menuText(25, 1), QStringLiteral("1"));
        QVERIFY(UserView::menuText(26, 0).isEmpty());
        QVERIFY(UserView::menuText(99, 3).isEmpty());
        QCOMPARE(UserView::menuText(4, 9), QStringLiteral("关闭窗口"));

        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/res/lanague_en.qm")));
        qApp->installTranslator(&translator);
        g_languageIndex = 1;
        mView->retranslateMenus();
        qApp->removeTranslator(&translator);
        QCOMPARE(mView->mOpenWindowActions.at(3)->text(), QStringLiteral("Open Window4"));
        QCOMPARE(mView->mInputSourceActions.at(0)->text(), QStringLiteral("Select the input source1(Number key 1)"));
        QCOMPARE(mView->mLayerActions.at(1)->text(), QStringLiteral("Send to upper layer (Home)"));
        QCOMPARE(mView->mWindowActions.at(1)->text(), QStringLiteral("Close Window"));
        QCOMPARE(mView->mRotationMenu->title(), QStringLiteral("Rotation (R)"));
        QCOMPARE(mView->mFirstRowActions.at(0)->text(), QStringLiteral("ON"));

        g_languageIndex = 3;
        mView->retranslateMenus();
        QCOMPARE(mView->mAudioActions.at(1)->text(), QStringLiteral("Salida abierta sólo 1 puerto"));
        QCOMPARE(mView->mAdaptiveFillMenu->title(), QStringLiteral("Relleno adaptable"));
    }

    void deviceFactors_data()
    {
        QTest::addColumn<QSizeF>("canvas");
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("text");
        // Window 1 at (384, 216), 1920 x 1080.
        // The layout's seams and the canvas size reach the drag road; the
        // other grids' factors are in tst_wallgeometry.
        QTest::newRow("1x7") << QSizeF(3840, 2160) << "1x7" << "e0017c006b07700217";
        QTest::newRow("wide 2x2") << QSizeF(7680, 4320) << "2x2" << "e000c0006c03c0021c";
    }

    void deviceFactors()
    {
        QFETCH(QSizeF, canvas);
        QFETCH(QString, layout);
        QFETCH(QString, text);
        scene()->mSceneRect = QRectF(QPointF(0, 0), canvas);
        scene()->setSceneRect(scene()->mSceneRect);
        scene()->setLayout(layout);
        window(0)->setRect(QRectF(0, 0, 1920, 1080));
        window(0)->setPos(384, 216);
        window(0)->mEditMode = 2;
        mView->mMaySend = true;
        mView->mSendTickTimer->stop();
        mView->handleData();
        mView->handleData();
        window(0)->mEditMode = 0;
        QCOMPARE(texts(), QStringList({text}));
    }

    void dragPacingUsesEditedWindow()
    {
        // (100.7, 50.2) 1920 x 1080 on layout 1x1, sent under the dragged window's
        // index even though no window is current.
        window(1)->setPos(100.7, 50.2);
        window(1)->mEditMode = 2;
        QCOMPARE(mView->mCurrentChannelIndex, -1);
        mView->mSendTickTimer->stop();
        mView->mMaySend = true;
        for (int i = 0; i < 5; ++i)
            mView->handleData();
        QCOMPARE(texts(), QStringList({"e10064003207800438"}));

        g_offlineMode = false;   // no link: nothing, not even with a fresh tick
        mView->mMaySend = true;
        mView->handleData();
        QCOMPARE(texts().size(), 1);
        window(1)->mEditMode = 0;
    }

    void dragOfWindowTwo()
    {
        const int interval = 50;
        mView->setTickInterval(interval);
        QTest::mousePress(handle(), Qt::LeftButton, {}, at(2400, 500));
        QCOMPARE(mView->mCurrentChannelIndex, 1);
        QCOMPARE(window(1)->mEditMode, 2);
        QTest::mouseMove(handle(), at(2100, 600));
        QTest::mouseMove(handle(), at(1900, 700));
        QVERIFY(window(1)->x() < 1600);
        clearQueue();

        QElapsedTimer clock;
        clock.start();
        // The ticker runs every 10 ms; the pacing lets one geometry through per
        // interval. Its timer may tick 5 % early, and one send may be due at once.
        QTRY_VERIFY_WITH_TIMEOUT(texts().size() >= 3, 5000);
        const QStringList sent = texts();
        const qint64 elapsed = clock.elapsed();
        const int most = int(elapsed / (interval * 0.95)) + 2;
        QVERIFY2(sent.size() <= most, qPrintable(QStringLiteral("%1 texts in %2 ms").arg(sent.size()).arg(elapsed)));
        const QString expected = canvasGeometry(1);
        QCOMPARE(QSet<QString>(sent.begin(), sent.end()), QSet<QString>({expected}));

        // A last movement that no tick carried is queued by the release.
        mView->mSendTickTimer->stop();
        mView->mMaySend = false;
        clearQueue();
        QTest::mouseMove(handle(), at(1500, 900));
        QTest::mouseRelease(handle(), Qt::LeftButton, {}, at(1500, 900));
        QCOMPARE(window(1)->mEditMode, 0);
        QVERIFY(g_pressFinished);
        const QPointF final = window(1)->pos();
        QVERIFY2(qAbs(final.x() - 1020) <= 5 && qAbs(final.y() - 400) <= 5,
                 qPrintable(QStringLiteral("%1,%2").arg(final.x()).arg(final.y())));
        QCOMPARE(texts(), QStringList({canvasGeometry(1)}));

        // A click that moves nothing queues nothing on release.
        clearQueue();
        QTest::mouseClick(handle(), Qt::LeftButton, {}, at(2500, 1300));
        QCOMPARE(mView->mCurrentChannelIndex, 1);
        QVERIFY(texts().isEmpty());
    }

    void pressWithoutLink()
    {
        g_offlineMode = false;
        DialogAnswerer answerer;
        QTest::mousePress(handle(), Qt::LeftButton, {}, at(500, 500));
        QTRY_COMPARE_WITH_TIMEOUT(answerer.seen.size(), 1, 2000);
        QCOMPARE(answerer.seen.at(0).title, QStringLiteral("未连接"));
        QCOMPARE(answerer.seen.at(0).text, QStringLiteral("请先建立连接"));
        QCOMPARE(mView->mCurrentChannelIndex, -1);
        QCOMPARE(window(0)->mEditMode, 0);
        QTest::mouseRelease(handle(), Qt::LeftButton, {}, at(500, 500));
    }

    void doubleClickSnapsInTwoByTwo_data()
    {
        QTest::addColumn<QPointF>("pos");
        QTest::addColumn<QRectF>("snapped");
        QTest::addColumn<QString>("text");
        QTest::newRow("one cell") << QPointF(100, 100) << QRectF(0, 0, 1920, 1080) << "e00000000007800438";
        QTest::newRow("all cells") << QPointF(1000, 200) << QRectF(0, 0, 3840, 2160) << "e0000000000f000870";
    }

    void doubleClickSnapsInTwoByTwo()
    {
        QFETCH(QPointF, pos);
        QFETCH(QRectF, snapped);
        QFETCH(QString, text);
        scene()->setLayout(QStringLiteral("2x2"));
        window(0)->setRect(QRectF(0, 0, 1500, 900));
        window(0)->setPos(pos);
        QTest::mouseDClick(handle(), Qt::LeftButton, {}, at(pos.x() + 300, pos.y() + 300));
        QTest::mouseRelease(handle(), Qt::LeftButton, {}, at(pos.x() + 300, pos.y() + 300));
        QCOMPARE(mView->mCurrentChannelIndex, 0);
        QCOMPARE(QRectF(window(0)->pos(), window(0)->mRect.size()), snapped);
        QVERIFY2(texts().contains(text), qPrintable(texts().join(' ')));
        QCOMPARE(texts().last(), text);
    }

    // A double click whose second press is held drags the snapped window on,
    // and its geometry goes out at the drag's pace while the button is held.
    void heldDoubleClickStreamsGeometry()
    {
        scene()->setLayout(QStringLiteral("2x2"));
        mView->setTickInterval(100);
        const QPoint p = at(960, 540);
        const QPointF global = handle()->mapToGlobal(p);
        // As the platform delivers it: press, release, press, and no release.
        int &time = QTest::lastMouseTimestamp;
        time += 1000;
        qt_handleMouseEvent(handle(), p, global, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress, {}, ++time);
        qt_handleMouseEvent(handle(), p, global, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease, {}, ++time);
        QTest::qWait(50);   // between the clicks the ticker sees no edit and sleeps
        QVERIFY(!mView->mTransferController->mWorker->isTicking());
        qt_handleMouseEvent(handle(), p, global, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress, {}, ++time);
        QCOMPARE(window(0)->mEditMode, int(InputChannel::EditMove));
        clearQueue();

        QTest::qWait(550);
        const QStringList held = texts();
        QVERIFY2(held.size() >= 2, qPrintable(held.join(' ')));
        QCOMPARE(QSet<QString>(held.begin(), held.end()), QSet<QString>({canvasGeometry(0)}));
        QTest::mouseRelease(handle(), Qt::LeftButton, {}, p);
        QCOMPARE(window(0)->mEditMode, 0);
    }

    void doubleClickWithoutRowsDoesNothing()
    {
        scene()->setLayout(QStringLiteral("0x2"));
        mView->mCurrentChannelIndex = 0;
        window(0)->setPos(100, 100);
        QMouseEvent dbl(QEvent::MouseButtonDblClick, mView->mapFromScene(300, 300), Qt::LeftButton,
                        Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(mView->viewport(), &dbl);
        QCOMPARE(window(0)->pos(), QPointF(100, 100));
        QVERIFY(texts().isEmpty());
    }

    void closeAndOpenThroughMenus()
    {
        // Everything open: a request on empty canvas shows nothing.
        QVERIFY(!mView->prepareContextMenu(mView->mapFromScene(4500, 1000)));

        QCOMPARE(mView->prepareContextMenu(mView->mapFromScene(2400, 500)), mView->mContextMenu);
        QCOMPARE(mView->mCurrentChannelIndex, 1);
        mView->mWindowActions.at(1)->trigger();
        QCOMPARE(texts(), QStringList({"012b0000", "012b0000"}));
        QCOMPARE(mView->mCurrentChannelIndex, -1);
        QVERIFY(!window(1)->mOpen);
        QVERIFY(!window(1)->isVisible());

        // The closed quadrant is empty canvas now; its menu offers window 2 alone.
        clearQueue();
        QMenu *menu = mView->prepareContextMenu(mView->mapFromScene(2400, 500));
        QCOMPARE(menu, mView->mOpenWindowMenu);
        QCOMPARE(mView->mCurrentChannelIndex, -1);
        QStringList visible;
        for (QAction *a : menu->actions())
            if (a->isVisible())
                visible << a->text();
        QCOMPARE(visible, QStringList({"打开窗口2"}));
        mView->mOpenWindowActions.at(1)->trigger();
        QCOMPARE(texts(), QStringList({"012b0001", "012b0001"}));
        QVERIFY(window(1)->mOpen);
        QVERIFY(!mView->mOpenWindowActions.at(1)->isVisible());
        QVERIFY(!mView->prepareContextMenu(mView->mapFromScene(4500, 1000)));
    }

    void channelAtPicksFrontOpenWindow()
    {
        window(2)->setPos(100, 100);   // overlaps window 1, which is in front
        QVERIFY(mView->channelAt(mView->mapFromScene(500, 500)));
        QCOMPARE(mView->mCurrentChannelIndex, 0);
        scene()->setLayer(2, 1);
        QVERIFY(mView->channelAt(mView->mapFromScene(500, 500)));
        QCOMPARE(mView->mCurrentChannelIndex, 2);
        window(2)->closeChannel();
        QVERIFY(mView->channelAt(mView->mapFromScene(500, 500)));
        QCOMPARE(mView->mCurrentChannelIndex, 0);
        QVERIFY(!mView->channelAt(mView->mapFromScene(-500, 500)));
        QCOMPARE(mView->mCurrentChannelIndex, -1);
    }

    void inputSourceAndSystemEntries()
    {
        mView->prepareContextMenu(mView->mapFromScene(500, 500));
        QSignalSpy sources(mView, &UserView::changeInputSourceInfo);
        mView->mInputSourceActions.at(2)->trigger();
        QCOMPARE(texts(), QStringList({"002d0002"}));
        QCOMPARE(window(0)->mInputSourceIndex, 2);
        QCOMPARE(window(0)->mInputSourceID, 2);
        QCOMPARE(sources.size(), 1);
        QCOMPARE(sources.at(0), QVariantList({0, 2}));

        clearQueue();
        mView->mAudioActions.at(1)->trigger();
        mView->mVideoGenActions.at(1)->trigger();
        QCOMPARE(texts(), QStringList({"040C0001", "040F0000"}));
        for (InputChannel *c : qAsConst(scene()->mChannels)) {
            QVERIFY(c->mAudioOutput1Only && !c->mAudioAllOutputs && !c->mAudioOff);
            QVERIFY(!c->mVideoGen);
        }
        QVERIFY(!mView->mAudioActions.at(0)->isChecked());
        QVERIFY(mView->mAudioActions.at(1)->isChecked());
        QVERIFY(mView->mVideoGenActions.at(1)->isChecked());

        // Adaptive filling: already on sends nothing; off once.
        clearQueue();
        mView->mAdaptiveFillActions.at(0)->trigger();
        mView->mAdaptiveFillActions.at(1)->trigger();
        mView->mAdaptiveFillActions.at(1)->trigger();
        QCOMPARE(texts(), QStringList({"00370000"}));

        // First row: refused without two rows, in the user's language.
        clearQueue();
        g_languageIndex = 1;
        {
            DialogAnswerer answerer;
            mView->mFirstRowActions.at(0)->trigger();
            QCOMPARE(answerer.seen.size(), 1);
            QCOMPARE(answerer.seen.at(0).title, QStringLiteral("warning"));
        }
        QVERIFY(texts().isEmpty());
        QVERIFY(!mView->mFirstRowActions.at(0)->isChecked());
        QVERIFY(mView->mFirstRowActions.at(1)->isChecked());
        g_languageIndex = 3;   // no message in Spanish
        {
            DialogAnswerer answerer;
            mView->mFirstRowActions.at(0)->trigger();
            QTest::qWait(30);
            QVERIFY(answerer.seen.isEmpty());
        }
        QVERIFY(mView->mFirstRowActions.at(1)->isChecked());
        QComboBox *rows = mMain->findChild<QComboBox *>(QStringLiteral("rowCbx"));
        QVERIFY(rows);
        {
            const QSignalBlocker block(rows);
            rows->setCurrentIndex(1);
        }
        mView->mFirstRowActions.at(0)->trigger();
        mView->mFirstRowActions.at(1)->trigger();
        QCOMPARE(texts(), QStringList({"04150001", "04150000"}));
        QVERIFY(!window(3)->mFirstRowRotated);
        QVERIFY(mView->mFirstRowActions.at(1)->isChecked());
        clearQueue();

        // Solid colour refuses a new source with a warning.
        window(0)->mSolidColor = true;
        {
            DialogAnswerer answerer;
            mView->mInputSourceActions.at(0)->trigger();
            QCOMPARE(answerer.texts(), QStringList({"纯色填充模式下禁止切换输入源"}));
        }
        QCOMPARE(window(0)->mInputSourceIndex, 2);
        QVERIFY(texts().isEmpty());
    }

    void rotationMenu()
    {
        mView->prepareContextMenu(mView->mapFromScene(500, 500));
        QVERIFY(mView->mRotationActions.at(0)->isChecked());
        mView->mRotationActions.at(2)->trigger();   // 180
        QCOMPARE(texts(), QStringList({"00330000"}));
        QCOMPARE(window(0)->mRotation, 180);
        mView->mRotationActions.at(2)->trigger();   // already there
        QCOMPARE(texts().size(), 1);
        mView->mRotationActions.at(1)->trigger();   // 90 from 180
        QCOMPARE(texts().mid(1), QStringList({"00330000", "00320001"}));
        clearQueue();
        mView->mRotationActions.at(0)->trigger();   // 0 from 90
        mView->mRotationActions.at(3)->trigger();   // 270 from 0
        QCOMPARE(texts(), QStringList({"00320000", "00340001"}));
        QVERIFY(window(0)->mRotate270 && !window(0)->mRotate0 && !window(0)->mRotate90 && !window(0)->mRotate180);

        mView->prepareContextMenu(mView->mapFromScene(500, 500));
        QVERIFY(mView->mRotationActions.at(3)->isChecked());
        QVERIFY(!mView->mRotationActions.at(0)->isChecked());

        clearQueue();
        window(0)->mSolidColor = true;
        DialogAnswerer answerer;
        mView->mRotationActions.at(1)->trigger();
        QCOMPARE(answerer.texts(), QStringList({"纯色填充模式下禁止旋转"}));
        QVERIFY(texts().isEmpty());
        QCOMPARE(window(0)->mRotation, 270);
    }

    void rubberBandZoom()
    {
        g_viewMode = 0;
        mView->setCursorMode(0);
        QCOMPARE(mView->viewport()->cursor().shape(), Qt::PointingHandCursor);
        // The band's width in scene units against the reference point's scene x
        // gives the ratio; take a width just at or below half of it.
        const QPointF ref = mView->mapToScene(846, 446);
        const int half = int(ref.x() / 2 * mView->transform().m11());
        auto win = [this](QPoint viewportPoint) { return mView->viewport()->mapTo(mView->window(), viewportPoint); };
        const QPoint origin = mView->mapFromScene(100, 100);

        // Too small: the band goes, the zoom stays.
        QTest::mousePress(handle(), Qt::RightButton, {}, win(origin));
        QVERIFY(mView->mRubberBand);
        QTest::mouseMove(handle(), win(origin + QPoint(9, 40)));
        QCOMPARE(mView->mRubberBand->geometry(), QRect(origin, origin + QPoint(9, 40)).normalized());
        QTest::mouseRelease(handle(), Qt::RightButton, {}, win(origin + QPoint(9, 40)));
        QVERIFY(!mView->mRubberBand);
        QCOMPARE(g_zoomStep, 40);
        QCOMPARE(mView->transform().m11(), qreal(0.2f));

        QTest::mousePress(handle(), Qt::RightButton, {}, win(origin));
        QTest::mouseMove(handle(), win(origin + QPoint(half, 20)));
        QTest::mouseRelease(handle(), Qt::RightButton, {}, win(origin + QPoint(half, 20)));
        QCOMPARE(g_zoomStep, 50);
        QCOMPARE(mView->transform().m11(), qreal(MainWindow::zoomScale(50)));
        QVERIFY(texts().isEmpty());
        QCOMPARE(mView->mCurrentChannelIndex, -1);
    }

    void panInZoomMode()
    {
        g_viewMode = 0;
        mView->resetTransform();
        mView->scale(0.5, 0.5);
        const int h = mView->horizontalScrollBar()->value();
        const QPoint p(400, 300);
        QTest::mousePress(handle(), Qt::LeftButton, {}, p);
        QCOMPARE(mView->viewport()->cursor().shape(), Qt::ClosedHandCursor);
        QTest::mouseMove(handle(), p + QPoint(-50, 0));
        QCOMPARE(mView->horizontalScrollBar()->value(), h + 50);
        QTest::mouseRelease(handle(), Qt::LeftButton, {}, p + QPoint(-50, 0));
        QCOMPARE(mView->viewport()->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(window(0)->pos(), QPointF(0, 0));
    }

    void ctrlWheel()
    {
        auto wheel = [this](int delta, Qt::KeyboardModifiers mods) {
            QWheelEvent e(QPointF(300, 300), mView->viewport()->mapToGlobal(QPoint(300, 300)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, mods, Qt::NoScrollPhase, false);
            QApplication::sendEvent(mView->viewport(), &e);
        };
        wheel(120, Qt::ControlModifier);
        QCOMPARE(g_zoomStep, 41);
        QCOMPARE(mView->transform().m11(), qreal(MainWindow::zoomScale(41)));
        wheel(-120, Qt::ControlModifier);
        wheel(0, Qt::ControlModifier);
        wheel(120, Qt::ControlModifier | Qt::ShiftModifier);
        wheel(120, Qt::NoModifier);
        QCOMPARE(g_zoomStep, 40);
        g_zoomStep = 100;
        wheel(-120, Qt::ControlModifier);
        QCOMPARE(g_zoomStep, 99);
        wheel(120, Qt::ControlModifier);   // 1.2 is still below the bound
        QCOMPARE(g_zoomStep, 100);
        mView->resetTransform();
        mView->scale(1.6, 1.6);
        wheel(120, Qt::ControlModifier);
        QCOMPARE(g_zoomStep, 100);
    }

    void openWindowAtDrop()
    {
        // All four open: refused before the point is looked at.
        QCOMPARE(mView->openWindowAt(QPoint(-10000, -10000)), -1);
        mView->closeWindow(0);
        clearQueue();
        QCOMPARE(mView->openWindowAt(mView->viewport()->mapToGlobal(mView->mapFromScene(-300, 500))), -1);
        QVERIFY(texts().isEmpty());

        QCOMPARE(mView->openWindowAt(mView->viewport()->mapToGlobal(mView->mapFromScene(3800, 500))), 0);
        QCOMPARE(texts(), QStringList({"002b0001", "002b0001", "e00780000007800438"}));
        QVERIFY(window(0)->mOpen);
        QCOMPARE(window(0)->pos(), QPointF(1920, 0));
    }

    void openWindowAtScalesWideWalls()
    {
        scene()->mSceneRect = QRectF(0, 0, 7680, 4320);
        scene()->setSceneRect(scene()->mSceneRect);
        mView->closeWindow(3);
        clearQueue();
        QCOMPARE(mView->openWindowAt(mView->viewport()->mapToGlobal(mView->mapFromScene(7600, 4300))), 3);
        // Canvas 5760, 3240, 1920 x 1080 is the device's 2880, 1620, 960 x 540.
        QCOMPARE(texts().last(), QStringLiteral("e30b40065403c0021c"));
    }
};

QTEST_MAIN(TstUserView)
#include "tst_userview.moc"
