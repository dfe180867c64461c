#include <QtTest>

#include "Graphics/inputchannel.h"
#include "Graphics/sliceupscene.h"
#include "Graphics/sliceupsizeitem.h"
#include "Graphics/sliceupview.h"
#include "globals.h"

// The crop editor driven with real mouse events through its view. The view
// is zoomed to half size so that every scene point below is a whole pixel.
class TstSliceUpView : public QObject
{
    Q_OBJECT

    SliceUpView *mView = nullptr;
    SliceUpSizeItem *mItem = nullptr;
    InputChannel *mChannel = nullptr;
    QSignalSpy *mSpy = nullptr;

    QWindow *handle() const { return mView->windowHandle(); }

    QPoint toWindow(const QPointF &scenePoint)
    {
        const QPoint pixel = mView->mapFromScene(scenePoint);
        [&] { QCOMPARE(mView->mapToScene(pixel), scenePoint); }();
        return mView->viewport()->mapTo(mView, pixel);
    }

    void drag(const QPointF &from, const QList<QPointF> &path, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(handle(), button, {}, toWindow(from));
        for (const QPointF &p : path)
            QTest::mouseMove(handle(), toWindow(p));
        QTest::mouseRelease(handle(), button, {}, toWindow(path.isEmpty() ? from : path.last()));
    }

    // A mouse event straight to the viewport: unlike QTest's events it runs no
    // turn of the event loop, so the 100 ms report throttle cannot end between
    // two of them, however slow the machine is.
    void send(QEvent::Type type, const QPointF &scenePoint, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        QWidget *port = mView->viewport();
        const QPoint pixel = mView->mapFromScene(scenePoint);
        QCOMPARE(mView->mapToScene(pixel), scenePoint);
        QMouseEvent event(type, pixel, port->mapToGlobal(pixel), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(port, &event);
    }

    void dragAtOnce(const QPointF &from, const QList<QPointF> &path)
    {
        send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        for (const QPointF &p : path)
            send(QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, path.isEmpty() ? from : path.last(), Qt::LeftButton, Qt::NoButton);
    }

    QList<int> lastReport() const
    {
        QList<int> values;
        for (const QVariant &v : mSpy->last())
            values << v.toInt();
        return values;
    }

    void waitThrottle() { QTRY_VERIFY_WITH_TIMEOUT(!mItem->mThrottled, 5000); }

private slots:
    void init()
    {
        g_networkConnected = false;
        g_serialConnected = false;
        g_offlineMode = true;
        mView = new SliceUpView;
        mView->resetTransform();
        mView->scale(0.5, 0.5);
        mView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        mView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        mView->resize(2200, 1300);
        mView->show();
        QVERIFY(QTest::qWaitForWindowExposed(mView));
        mItem = mView->mScene->mSizeItem;
        mChannel = new InputChannel(1);
        mItem->mChannel = mChannel;
        mSpy = new QSignalSpy(mItem, &SliceUpSizeItem::changeSliceUpData);
    }

    void cleanup()
    {
        delete mSpy;
        delete mView;
        delete mChannel;
        g_offlineMode = false;
        g_networkConnected = false;
        g_serialConnected = false;
    }

    void startsCoveringThePicture()
    {
        QCOMPARE(mView->mScene->sceneRect(), QRectF(0, 0, 3990, 2310));
        QCOMPARE(mItem->pos(), QPointF(0, 0));
        QCOMPARE(mItem->mOuterRect, QRectF(0, 0, 3990, 2310));
        QCOMPARE(mItem->mInnerRect, QRectF(75, 75, 3840, 2160));
        // A move that the scene bounds undo reports the whole picture.
        drag(QPointF(1000, 1000), {QPointF(1200, 1100)});
        QCOMPARE(mItem->pos(), QPointF(0, 0));
        QCOMPARE(mSpy->count(), 1);
        QCOMPARE(lastReport(), (QList<int>{4, 0, 0, 3840, 2160}));
    }

    void handleRules_data()
    {
        QTest::addColumn<QPointF>("grab");
        QTest::addColumn<QPointF>("target");
        QTest::addColumn<QRectF>("geometry");   // item position and outer size
        QTest::addColumn<QList<int>>("report");

        QTest::newRow("top-left") << QPointF(40, 40) << QPointF(1000, 500)
                                  << QRectF(1000, 500, 2990, 1810) << QList<int>{4, 1000, 500, 3840, 2160};
        QTest::newRow("top-left past the corner") << QPointF(0, 0) << QPointF(3900, 2300)
                                  << QRectF(3790, 2110, 200, 200) << QList<int>{4, 3790, 2110, 3840, 2160};
        QTest::newRow("top-right") << QPointF(3950, 20) << QPointF(3000, 600)
                                   << QRectF(0, 600, 3000, 1710) << QList<int>{4, 0, 600, 2850, 2160};
        QTest::newRow("bottom-left") << QPointF(10, 2300) << QPointF(800, 1200)
                                     << QRectF(800, 0, 3190, 1200) << QList<int>{4, 800, 0, 3840, 1050};
        QTest::newRow("bottom-right") << QPointF(3980, 2300) << QPointF(2000, 1000)
                                      << QRectF(0, 0, 2000, 1000) << QList<int>{4, 0, 0, 1850, 850};
        QTest::newRow("bottom-right to the minimum") << QPointF(3900, 2200) << QPointF(100, 60)
                                      << QRectF(0, 0, 200, 200) << QList<int>{4, 0, 0, 50, 50};
        QTest::newRow("top edge") << QPointF(1996, 100) << QPointF(500, 700)
                                  << QRectF(0, 700, 3990, 1610) << QList<int>{1, 0, 700, 3840, 2160};
        QTest::newRow("bottom edge") << QPointF(1920, 2200) << QPointF(3000, 2000)
                                     << QRectF(0, 0, 3990, 2000) << QList<int>{3, 0, 0, 3840, 1850};
        QTest::newRow("left edge") << QPointF(20, 1100) << QPointF(1500, 300)
                                   << QRectF(1500, 0, 2490, 2310) << QList<int>{0, 1500, 0, 3840, 2160};
        QTest::newRow("left edge to the minimum") << QPointF(20, 1100) << QPointF(3800, 300)
                                   << QRectF(3790, 0, 200, 2310) << QList<int>{0, 3790, 0, 3840, 2160};
        QTest::newRow("right edge") << QPointF(3900, 1200) << QPointF(2500, 10)
                                    << QRectF(0, 0, 2500, 2310) << QList<int>{2, 0, 0, 2350, 2160};
        QTest::newRow("right edge to the minimum") << QPointF(3900, 1200) << QPointF(150, 10)
                                    << QRectF(0, 0, 200, 2310) << QList<int>{2, 0, 0, 50, 2160};
        QTest::newRow("right edge beyond the scene") << QPointF(3900, 1200) << QPointF(4100, 1200)
                                    << QRectF(0, 0, 3990, 2310) << QList<int>{2, 0, 0, 3840, 2160};
    }

    void handleRules()
    {
        QFETCH(QPointF, grab);
        QFETCH(QPointF, target);
        QFETCH(QRectF, geometry);
        QFETCH(QList<int>, report);
        drag(grab, {target});
        QCOMPARE(mItem->pos(), geometry.topLeft());
        QCOMPARE(mItem->mOuterRect, QRectF(QPointF(0, 0), geometry.size()));
        QCOMPARE(mItem->mInnerRect, QRectF(75, 75, geometry.width() - 150, geometry.height() - 150));
        QCOMPARE(mSpy->count(), 1);
        QCOMPARE(lastReport(), report);
        QCOMPARE(mItem->mMode, 0);
    }

    void moveAndMinimumFromASmallerRectangle()
    {
        // Start from a crop placed by the panel, then resize past the
        // opposite side from each corner in turn: 200 x 200 stays.
        mItem->setOuterRect(QRectF(0, 0, 1000, 800));
        mItem->setPos(1000, 600);
        drag(QPointF(1500, 1000), {QPointF(1700, 1100), QPointF(4000, 2400)});
        QCOMPARE(mItem->pos(), QPointF(2990, 1510));   // held inside the scene
        waitThrottle();
        QCOMPARE(lastReport(), (QList<int>{4, 2990, 1510, 3840, 2160}));

        drag(QPointF(2996, 2304), {QPointF(3900, 1000)});   // bottom-left
        QCOMPARE(mItem->pos(), QPointF(3790, 1510));
        QCOMPARE(mItem->mOuterRect.size(), QSizeF(200, 200));
        waitThrottle();
        drag(QPointF(3986, 1516), {QPointF(0, 2310)});     // top-right
        QCOMPARE(mItem->pos(), QPointF(3790, 1510));
        QCOMPARE(mItem->mOuterRect.size(), QSizeF(200, 200));
        waitThrottle();
        QCOMPARE(lastReport(), (QList<int>{4, 3790, 1510, 3840, 1560}));
    }

    void reportsRoundUp()
    {
        mItem->setOuterRect(QRectF(0, 0, 1000.5, 800.25));
        mItem->setPos(10.25, 20.5);
        drag(QPointF(500, 500), {QPointF(502, 504)});
        QCOMPARE(mItem->pos(), QPointF(12.25, 24.5));
        QCOMPARE(lastReport(), (QList<int>{4, 13, 25, 863, 675}));
    }

    void throttleReportsTheFinalRectangleOnce()
    {
        QElapsedTimer clock;
        clock.start();
        send(QEvent::MouseButtonPress, QPointF(3980, 2300), Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseMove, QPointF(3000, 2000), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(mSpy->count(), 1);
        QCOMPARE(lastReport(), (QList<int>{4, 0, 0, 2850, 1850}));
        send(QEvent::MouseMove, QPointF(2500, 1500), Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseMove, QPointF(2000, 1000), Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, QPointF(2000, 1000), Qt::LeftButton, Qt::NoButton);
        // Drawn at once, not reported inside the 100 ms.
        QCOMPARE(mItem->mOuterRect.size(), QSizeF(2000, 1000));
        QCOMPARE(mSpy->count(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(mSpy->count(), 2, 5000);
        // The throttle's timer may end up to 5 % early.
        QVERIFY2(clock.elapsed() >= 95, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(lastReport(), (QList<int>{4, 0, 0, 1850, 850}));
        QTest::qWait(150);
        QCOMPARE(mSpy->count(), 2);
    }

    void heldBackEditsOfTwoEdgesReportAll()
    {
        dragAtOnce(QPointF(3900, 1200), {QPointF(3000, 1200)});   // right edge, reported
        dragAtOnce(QPointF(20, 1100), {QPointF(500, 1100)});     // left edge, held back
        dragAtOnce(QPointF(1750, 2200), {QPointF(1750, 2000)});  // bottom edge, held back
        QCOMPARE(mSpy->count(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(mSpy->count(), 2, 5000);
        QCOMPARE(lastReport(), (QList<int>{4, 500, 0, 2850, 1850}));
    }

    void editsNeedALinkedUnfrozenWindow_data()
    {
        QTest::addColumn<bool>("network");
        QTest::addColumn<bool>("serial");
        QTest::addColumn<bool>("offline");
        QTest::addColumn<bool>("linked");
        QTest::addColumn<bool>("frozen");
        QTest::addColumn<bool>("moves");
        QTest::newRow("network") << true << false << false << true << false << true;
        QTest::newRow("offline") << false << false << true << true << false << true;
        QTest::newRow("serial only") << false << true << false << true << false << false;
        QTest::newRow("no link") << false << false << false << true << false << false;
        QTest::newRow("offline, no window") << false << false << true << false << false << false;
        QTest::newRow("network, no window") << true << false << false << false << false << false;
        QTest::newRow("frozen window") << true << false << true << true << true << false;
    }

    void editsNeedALinkedUnfrozenWindow()
    {
        QFETCH(bool, network);
        QFETCH(bool, serial);
        QFETCH(bool, offline);
        QFETCH(bool, linked);
        QFETCH(bool, frozen);
        QFETCH(bool, moves);
        g_networkConnected = network;
        g_serialConnected = serial;
        g_offlineMode = offline;
        mChannel->mFreeze = frozen;
        if (!linked)
            mItem->mChannel = nullptr;

        // The cursor follows the handles whatever the link.
        QTest::mouseMove(handle(), toWindow(QPointF(3950, 1150)));
        QCOMPARE(mItem->cursor().shape(), Qt::SizeHorCursor);
        QTest::mouseMove(handle(), toWindow(QPointF(3950, 2290)));
        QCOMPARE(mItem->cursor().shape(), Qt::SizeFDiagCursor);
        QTest::mouseMove(handle(), toWindow(QPointF(3950, 20)));
        QCOMPARE(mItem->cursor().shape(), Qt::SizeBDiagCursor);
        QTest::mouseMove(handle(), toWindow(QPointF(1920, 20)));
        QCOMPARE(mItem->cursor().shape(), Qt::SizeVerCursor);
        QTest::mouseMove(handle(), toWindow(QPointF(1000, 1000)));
        QCOMPARE(mItem->cursor().shape(), Qt::SizeAllCursor);

        drag(QPointF(3950, 1150), {QPointF(2000, 1150)});
        QCOMPARE(mItem->mOuterRect.width(), moves ? 2000.0 : 3990.0);
        QCOMPARE(mSpy->count(), moves ? 1 : 0);
    }

    void backgroundShowsTheResolution()
    {
        SliceUpScene *scene = mView->mScene;
        scene->mResolutionWidth = 1920;
        scene->mResolutionHeight = 1080;
        mItem->hide();
        QImage withText(400, 232, QImage::Format_RGB32);
        withText.fill(Qt::white);
        QPainter painter(&withText);
        scene->render(&painter);
        painter.end();
        // The margin stays unpainted, the picture area takes its colour.
        QCOMPARE(withText.pixelColor(2, 2), QColor(Qt::white));
        QCOMPARE(withText.pixelColor(390, 220).rgb() & 0xffffff, QColor(136, 155, 177).rgb() & 0xffffff);
        // Some of the picture area is written on in the light text colour.
        int light = 0;
        for (int y = 8; y < 120; ++y)
            for (int x = 8; x < 390; ++x)
                light += withText.pixelColor(x, y).lightness() > 220;
        QVERIFY(light > 50);
    }

    void resolutionTextIsTranslated_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("text");
        QTest::newRow("cn") << "cn" << QStringLiteral(" 分辨率： \n %1 x %2");
        QTest::newRow("en") << "en" << QStringLiteral(" Resolution: \n %1 x %2");
        QTest::newRow("ru") << "ru" << QStringLiteral(" Разрешение: \n %1 x %2");
        QTest::newRow("es") << "es" << QStringLiteral(" Resolución: \n %1 x %2");
    }

    void resolutionTextIsTranslated()
    {
        QFETCH(QString, language);
        QFETCH(QString, text);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/res/lanague_%1.qm").arg(language)));
        QCOMPARE(translator.translate("SliceUpScene", " 分辨率： \n %1 x %2"), text);
    }
};

QTEST_MAIN(TstSliceUpView)
#include "tst_sliceupview.moc"
