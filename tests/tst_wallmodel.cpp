#include <QtTest>
#include <QGraphicsView>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QRandomGenerator>

#include "Graphics/inputchannel.h"
#include "Graphics/resolutionratioscene.h"
#include "globals.h"

namespace {

QVector<int> layersOf(const ResolutionRatioScene &scene)
{
    QVector<int> layers;
    for (InputChannel *ch : scene.mChannels)
        layers.append(ch->mLayer);
    return layers;
}

void setLayers(ResolutionRatioScene &scene, const QVector<int> &layers)
{
    for (int i = 0; i < 4; ++i) {
        scene.mChannels[i]->mLayer = layers[i];
        scene.mChannels[i]->setZValue(5 - layers[i]);
    }
}

bool zFollowsLayers(const ResolutionRatioScene &scene)
{
    for (InputChannel *ch : scene.mChannels)
        if (ch->zValue() != 5 - ch->mLayer)
            return false;
    return true;
}

// Pixels of the image inside r whose colour is within a small distance of c.
int countNear(const QImage &img, const QRect &r, const QColor &c, int tolerance = 12)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor p = img.pixelColor(x, y);
            if (qAbs(p.red() - c.red()) <= tolerance && qAbs(p.green() - c.green()) <= tolerance
                    && qAbs(p.blue() - c.blue()) <= tolerance)
                ++n;
        }
    return n;
}

// A view that shows a 3840 x 2160 canvas at a quarter of its size, top-left aligned.
struct WallFixture
{
    ResolutionRatioScene scene{QRectF(0, 0, 3840, 2160)};
    QGraphicsView view{&scene};

    WallFixture()
    {
        view.setFrameShape(QFrame::NoFrame);
        view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.setAlignment(Qt::AlignLeft | Qt::AlignTop);
        view.resize(1000, 600);
        view.scale(0.25, 0.25);
        for (InputChannel *ch : scene.mChannels)
            ch->setFlag(QGraphicsItem::ItemIsMovable, true);
        view.show();
    }
    QPoint at(double x, double y) const { return view.mapFromScene(QPointF(x, y)); }
    QPointF sceneOf(const QPoint &p) const { return view.mapToScene(p); }
    void press(const QPoint &p, Qt::MouseButton b = Qt::LeftButton)
    {
        QTest::mousePress(view.viewport(), b, Qt::NoModifier, p);
    }
    // QTest::mouseMove carries no buttons; a drag needs them.
    void drag(const QPoint &p, Qt::MouseButtons buttons = Qt::LeftButton)
    {
        QMouseEvent ev(QEvent::MouseMove, p, view.viewport()->mapToGlobal(p), Qt::NoButton,
                       buttons, Qt::NoModifier);
        QApplication::sendEvent(view.viewport(), &ev);
    }
    void release(const QPoint &p, Qt::MouseButton b = Qt::LeftButton)
    {
        QTest::mouseRelease(view.viewport(), b, Qt::NoModifier, p);
    }
};

} // namespace

class TstWallModel : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        g_offlineMode = true;
        g_networkConnected = false;
        g_serialConnected = false;
        g_inputAllowed = true;
        g_viewMode = 1;
        g_pressFinished = true;
    }

    void recordDefaultsAndPictureValueList()
    {
        InputSourceInformation rec;
        QCOMPARE(rec.mInputSourceIndex, 4);
        QCOMPARE(rec.mRect, QRectF(0, 0, 1920, 1080));
        QCOMPARE(rec.mText3, QStringLiteral("NOTHING"));
        QCOMPARE(rec.mRed, 136);
        QCOMPARE(rec.mSolidBlue, 177);
        QVERIFY(rec.mAudioAllOutputs && !rec.mAudioOutput1Only && !rec.mAudioOff);
        QVERIFY(rec.mRotate0 && !rec.mRotate90 && rec.mVideoGen);
        QCOMPARE(rec.mInputSourceID, 1);
        QCOMPARE(rec.mPictureValues.size(), 22);
        QCOMPARE(rec.mPictureValues.first(), &rec.mLuminance);
        QCOMPARE(rec.mPictureValues[2], &rec.mSaturation);
        QCOMPARE(rec.mPictureValues.last(), &rec.mPanelGamma);
        int sum = 0;
        for (int *v : rec.mPictureValues)
            sum += *v;
        QCOMPARE(sum, 200);   // contrast and saturation 100, the rest 0

        // Copies carry the values and a list of their own.
        *rec.mPictureValues[4] = 7;
        rec.mModeFlag1 = true;
        InputSourceInformation copy(rec);
        QCOMPARE(copy.mHue, 7);
        QVERIFY(copy.mModeFlag1);
        for (int i = 0; i < 22; ++i) {
            QVERIFY(copy.mPictureValues[i] != rec.mPictureValues[i]);
            QCOMPARE(*copy.mPictureValues[i], *rec.mPictureValues[i]);
        }
        *copy.mPictureValues[4] = 9;
        QCOMPARE(rec.mHue, 7);
        QCOMPARE(copy.mHue, 9);

        InputSourceInformation assigned;
        assigned = copy;
        QCOMPARE(assigned.mPictureValues[4], &assigned.mHue);
        QCOMPARE(assigned.mHue, 9);

        // Taking the record out of a window points into the taken record.
        InputChannel window(3);
        window.mDeGamma = 5;
        InputSourceInformation taken = window;
        QCOMPARE(taken.mPictureValues[20], &taken.mDeGamma);
        QCOMPARE(*taken.mPictureValues[20], 5);
        QCOMPARE(taken.mChannelID, 3);
    }

    void windowDefaults()
    {
        InputChannel ch(2);
        QCOMPARE(ch.mChannelID, 2);
        QCOMPARE(ch.mLayer, 2);
        QCOMPARE(ch.zValue(), 3.0);
        QVERIFY(ch.mOpen && ch.mAdaptiveFill);
        QCOMPARE(ch.mCropVEnd, 2160);
        QCOMPARE(ch.mCropHEnd, 3840);
        QVERIFY(!(ch.flags() & QGraphicsItem::ItemIsMovable));
        QVERIFY(ch.flags() & QGraphicsItem::ItemIsSelectable);
        QVERIFY(ch.flags() & QGraphicsItem::ItemSendsGeometryChanges);
        QVERIFY(ch.acceptHoverEvents());
        ch.closeChannel();
        QVERIFY(!ch.isVisible() && !ch.mOpen && !ch.mShow);
        ch.openChannel();
        QVERIFY(ch.isVisible() && ch.mOpen && ch.mShow);
    }

    void layoutTable()
    {
        ResolutionRatioScene scene(QRectF(0, 0, 3840, 2160));
        QCOMPARE(scene.mLayoutTable.size(), 58);
        QCOMPARE(scene.layoutName(), QStringLiteral("1x1"));
        QCOMPARE(scene.mLayoutLines, QVector<QLine>{QLine(0, 0, 0, 0)});
        for (const char *name : {"1x18", "18x1", "2x9", "9x2", "3x6", "6x3", "4x4", "2x2", "3x3", "1x2", "4x3", "3x4"})
            QVERIFY2(scene.mLayoutTable.contains(QLatin1String(name)), name);
        for (const char *name : {"4x5", "5x4", "5x5", "3x7", "7x3", "2x10", "10x2", "1x19", "19x1",
                                 "0x1", "1x0", "4x2x"})
            QVERIFY2(!scene.mLayoutTable.contains(QLatin1String(name)), name);
        // Every grid holds at most 18 screens; one-row grids only vertical seams.
        for (auto it = scene.mLayoutTable.cbegin(); it != scene.mLayoutTable.cend(); ++it) {
            const QStringList parts = it.key().split('x');
            const int rows = parts[0].toInt(), columns = parts[1].toInt();
            QVERIFY(rows * columns <= 18);
            if (rows * columns > 1)
                QCOMPARE(it.value().size(), rows - 1 + columns - 1);
        }

        scene.setLayout(QStringLiteral("5x5"));
        QCOMPARE(scene.layoutName(), QStringLiteral("5x5"));
        QVERIFY(scene.mLayoutLines.isEmpty());
    }

    void seams_data()
    {
        QTest::addColumn<QSizeF>("canvas");
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QVector<QLine>>("lines");
        QTest::newRow("1x3 on 3840x2160") << QSizeF(3840, 2160) << "1x3"
            << QVector<QLine>{QLine(1280, 0, 1280, 2160), QLine(2560, 0, 2560, 2160)};
        QTest::newRow("3x1 on 3840x2160") << QSizeF(3840, 2160) << "3x1"
            << QVector<QLine>{QLine(0, 720, 3840, 720), QLine(0, 1440, 3840, 1440)};
        QVector<QLine> twoBySeven;
        for (int x : {548, 1097, 1645, 2194, 2742, 3291})
            twoBySeven.append(QLine(x, 0, x, 1080));
        twoBySeven.append(QLine(0, 540, 3840, 540));
        QTest::newRow("2x7 on 3840x1080") << QSizeF(3840, 1080) << "2x7" << twoBySeven;
        QTest::newRow("2x2 on 1920x2160") << QSizeF(1920, 2160) << "2x2"
            << QVector<QLine>{QLine(960, 0, 960, 2160), QLine(0, 1080, 1920, 1080)};
        QTest::newRow("3x2 on fractional") << QSizeF(1000.7, 333.9) << "3x2"
            << QVector<QLine>{QLine(500, 0, 500, 333), QLine(0, 111, 1000, 111), QLine(0, 222, 1000, 222)};
    }

    void seams()
    {
        QFETCH(QSizeF, canvas);
        QFETCH(QString, layout);
        QFETCH(QVector<QLine>, lines);
        ResolutionRatioScene scene(QRectF(QPointF(0, 0), canvas));
        scene.setLayout(layout);
        QCOMPARE(scene.mLayoutLines, lines);
    }

    void seamsFollowTheLastRebuild()
    {
        ResolutionRatioScene scene(QRectF(0, 0, 3840, 2160));
        scene.setLayout(QStringLiteral("1x2"));
        // The wall grows as the main window rebuilds it.
        scene.mSceneRect = QRectF(0, 0, 7680, 2160);
        scene.setSceneRect(scene.mSceneRect);
        QCOMPARE(scene.mLayoutTable.value("1x2"), QVector<QLine>{QLine(1920, 0, 1920, 2160)});
        scene.buildLayouts();
        QCOMPARE(scene.layoutName(), QStringLiteral("1x1"));
        QCOMPARE(scene.mLayoutTable.size(), 58);
        QCOMPARE(scene.mLayoutTable.value("1x2"), QVector<QLine>{QLine(3840, 0, 3840, 2160)});
    }

    void frameAndSeamsAboveWindows()
    {
        ResolutionRatioScene scene(QRectF(0, 0, 3840, 2160));
        scene.setLayout(QStringLiteral("2x2"));
        QImage img(960, 540, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        scene.render(&p, QRectF(0, 0, 960, 540), scene.sceneRect());
        p.end();
        // Seam at x = 1920 (480 in the image) runs over the windows' fill.
        QCOMPARE(img.pixelColor(480, 100), QColor(Qt::black));
        QCOMPARE(img.pixelColor(100, 270), QColor(Qt::black));
        QCOMPARE(img.pixelColor(1, 300), QColor(Qt::black));      // frame
        QCOMPARE(countNear(img, QRect(300, 400, 1, 1), QColor(136, 155, 177)), 1);
    }

    void createdWindowsInTheirQuadrants()
    {
        ResolutionRatioScene scene(QRectF(0, 0, 3840, 1080));
        QCOMPARE(scene.mChannels.size(), 4);
        QCOMPARE(scene.sceneRect(), QRectF(0, 0, 3840, 1080));
        const QPointF places[4] = {{0, 0}, {1920, 0}, {0, 540}, {1920, 540}};
        const int sources[4] = {1, 0, 3, 2};
        for (int i = 0; i < 4; ++i) {
            InputChannel *ch = scene.mChannels[i];
            QCOMPARE(ch->mChannelID, i + 1);
            QCOMPARE(ch->mLayer, i + 1);
            QCOMPARE(ch->zValue(), 4.0 - i);
            QCOMPARE(ch->pos(), places[i]);
            QCOMPARE(ch->mRect, QRectF(0, 0, 1920, 540));
            QCOMPARE(ch->mInputSourceIndex, sources[i]);
            QCOMPARE(ch->mInputSourceID, sources[i]);
            QCOMPARE(ch->scene(), &scene);
            QVERIFY(ch->isVisible());
        }
    }

    void resetChannelsRestoresTheStartState()
    {
        ResolutionRatioScene scene(QRectF(0, 0, 3840, 2160));
        InputChannel *one = scene.mChannels[0];
        one->setFlag(QGraphicsItem::ItemIsMovable, true);
        one->closeChannel();
        one->setPos(300, 200);
        one->mFreeze = true;
        one->mSolidColor = true;
        one->mRed = one->mSolidRed = 10;
        one->mContrast = 3;
        one->mPanelGamma = 4;
        one->mRotation = 90;
        one->mRotate0 = false;
        one->mRotate90 = true;
        one->mAudioOff = true;
        one->mAudioAllOutputs = false;
        one->mText2 = QStringLiteral("x");
        one->mCropHEnd = 1920;
        one->mAdaptiveFill = false;
        one->mFirstRowRotated = true;
        one->mModeFlag2 = true;
        one->mSysVideoGen = true;
        scene.mNotifyRightMenu = true;
        scene.setLayer(0, ResolutionRatioScene::LayerToBottom);
        QCOMPARE(one->mLayer, 4);

        // The wall was rebuilt smaller.
        scene.mSceneRect = QRectF(0, 0, 1920, 2160);
        scene.setSceneRect(scene.mSceneRect);
        scene.resetChannels();

        QVERIFY(one->isVisible() && one->mOpen && one->mShow);
        QCOMPARE(one->pos(), QPointF(0, 0));
        QCOMPARE(one->mRect, QRectF(0, 0, 960, 1080));
        QCOMPARE(one->mInputSourceIndex, 1);
        QCOMPARE(one->mInputSourceID, 1);
        QCOMPARE(one->mLayer, 1);
        QCOMPARE(one->zValue(), 4.0);
        QVERIFY(!one->mFreeze && !one->mSolidColor);
        QCOMPARE(one->mRed, 136);
        QCOMPARE(one->mSolidRed, 136);
        QCOMPARE(one->mContrast, 100);
        QCOMPARE(one->mPanelGamma, 0);
        QCOMPARE(one->mRotation, 0);
        QVERIFY(one->mRotate0 && !one->mRotate90);
        QVERIFY(one->mAudioAllOutputs && !one->mAudioOff);
        QCOMPARE(one->mText2, QStringLiteral("NOTHING"));
        QCOMPARE(one->mCropHEnd, 3840);
        QCOMPARE(one->mPictureValues[1], &one->mContrast);
        QVERIFY(!scene.mNotifyRightMenu);
        // Left alone by the reset.
        QVERIFY(!one->mAdaptiveFill);
        QVERIFY(one->mFirstRowRotated);
        QVERIFY(one->mModeFlag2 && one->mSysVideoGen);

        const QPointF places[4] = {{0, 0}, {960, 0}, {0, 1080}, {960, 1080}};
        const int sources[4] = {1, 0, 3, 2};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(scene.mChannels[i]->pos(), places[i]);
            QCOMPARE(scene.mChannels[i]->mInputSourceIndex, sources[i]);
            QCOMPARE(scene.mChannels[i]->mChannelID, i + 1);
        }
        QCOMPARE(layersOf(scene), (QVector<int>{1, 2, 3, 4}));
        QVERIFY(zFollowsLayers(scene));
    }

    void setLayer_data()
    {
        QTest::addColumn<QVector<int>>("before");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("op");
        QTest::addColumn<QVector<int>>("after");
        QTest::addColumn<bool>("emits");
        using V = QVector<int>;
        QTest::newRow("top, window 3") << V{1, 2, 3, 4} << 2 << 1 << V{2, 3, 1, 4} << true;
        QTest::newRow("bottom, window 1") << V{2, 3, 1, 4} << 0 << 4 << V{4, 2, 1, 3} << true;
        QTest::newRow("top of the front") << V{1, 2, 3, 4} << 0 << 1 << V{1, 2, 3, 4} << false;
        QTest::newRow("bottom of the back") << V{2, 3, 1, 4} << 3 << 4 << V{2, 3, 1, 4} << false;
        QTest::newRow("up from layer 2") << V{3, 1, 4, 2} << 3 << 2 << V{3, 2, 4, 1} << true;
        QTest::newRow("up of the front") << V{3, 1, 4, 2} << 1 << 2 << V{3, 1, 4, 2} << false;
        QTest::newRow("down from layer 1") << V{3, 1, 4, 2} << 1 << 3 << V{3, 2, 4, 1} << true;
        QTest::newRow("down from layer 3") << V{3, 1, 4, 2} << 0 << 3 << V{4, 1, 3, 2} << true;
        QTest::newRow("down of the back") << V{3, 1, 4, 2} << 2 << 3 << V{3, 1, 4, 2} << false;
        QTest::newRow("top from layer 4") << V{3, 1, 4, 2} << 2 << 1 << V{4, 2, 1, 3} << true;
        QTest::newRow("bottom from layer 1") << V{3, 1, 4, 2} << 1 << 4 << V{2, 4, 3, 1} << true;
        QTest::newRow("unknown op") << V{3, 1, 4, 2} << 1 << 7 << V{3, 1, 4, 2} << true;
        QTest::newRow("index out of range") << V{3, 1, 4, 2} << 4 << 1 << V{3, 1, 4, 2} << false;
    }

    void setLayer()
    {
        QFETCH(QVector<int>, before);
        QFETCH(int, index);
        QFETCH(int, op);
        QFETCH(QVector<int>, after);
        QFETCH(bool, emits);
        ResolutionRatioScene scene(QRectF(0, 0, 3840, 2160));
        setLayers(scene, before);
        QSignalSpy gradation(&scene, &ResolutionRatioScene::changeGradationLevel);
        QSignalSpy rightMenu(&scene, &ResolutionRatioScene::changeRightMenuInfo);

        scene.setLayer(index, op);
        QCOMPARE(layersOf(scene), after);
        QVERIFY(zFollowsLayers(scene));
        QCOMPARE(gradation.count(), emits ? 1 : 0);
        QCOMPARE(rightMenu.count(), 0);

        // The right-menu notice goes out once, with the next completed change.
        setLayers(scene, before);
        scene.mNotifyRightMenu = true;
        scene.setLayer(index, op);
        QCOMPARE(rightMenu.count(), emits ? 1 : 0);
        QCOMPARE(scene.mNotifyRightMenu, !emits);
    }

    void setLayerKeepsAPermutation()
    {
        ResolutionRatioScene scene(QRectF(0, 0, 3840, 2160));
        QRandomGenerator rng(1234);
        for (int step = 0; step < 500; ++step) {
            scene.setLayer(rng.bounded(4), 1 + rng.bounded(4));
            QVector<int> layers = layersOf(scene);
            std::sort(layers.begin(), layers.end());
            QCOMPARE(layers, (QVector<int>{1, 2, 3, 4}));
            QVERIFY(zFollowsLayers(scene));
        }
    }

    void handleBands()
    {
        InputChannel ch(1);
        ch.setRect(QRectF(0, 0, 1920, 1080));
        QCOMPARE(ch.handleAt({79.9, 40}), 4);
        QCOMPARE(ch.handleAt({80, 40}), 0);           // strict
        QCOMPARE(ch.handleAt({0, 40}), 0);            // on the edge
        QCOMPARE(ch.handleAt({40, 0}), 0);
        QCOMPARE(ch.handleAt({40, 79.9}), 4);
        QCOMPARE(ch.handleAt({40, 80}), 0);
        QCOMPARE(ch.handleAt({1840.1, 40}), 5);
        QCOMPARE(ch.handleAt({1840, 40}), 0);
        QCOMPARE(ch.handleAt({1920, 40}), 0);
        QCOMPARE(ch.handleAt({40, 1000.1}), 6);
        QCOMPARE(ch.handleAt({40, 1000}), 0);
        QCOMPARE(ch.handleAt({1919.9, 1079.9}), 1);
        QCOMPARE(ch.handleAt({1920, 1079.9}), 0);
        QCOMPARE(ch.handleAt({960, 540}), 0);
        QCOMPARE(ch.handleAt({960, 40}), 0);          // top band alone is no handle

        // Offset rectangle and overlapping squares: the first of 4, 5, 6, 1 wins.
        ch.setRect(QRectF(10, 20, 100, 100));
        QCOMPARE(ch.handleAt({50, 50}), 4);
        QCOMPARE(ch.handleAt({95, 50}), 5);
        QCOMPARE(ch.handleAt({50, 105}), 6);
        QCOMPARE(ch.handleAt({95, 105}), 1);
        QCOMPARE(ch.handleAt({10, 50}), 0);
    }

    void cursorsFollowTheHandles()
    {
        WallFixture wall;
        InputChannel *one = wall.scene.mChannels[0];
        auto hover = [&](double x, double y) {
            QTest::mouseMove(wall.view.viewport(), wall.at(x, y));
            return one->cursor().shape();
        };
        QCOMPARE(hover(20, 20), Qt::SizeFDiagCursor);
        QCOMPARE(hover(1900, 1060), Qt::SizeFDiagCursor);
        QCOMPARE(hover(1900, 20), Qt::SizeBDiagCursor);
        QCOMPARE(hover(20, 1060), Qt::SizeBDiagCursor);
        QCOMPARE(hover(900, 500), Qt::ArrowCursor);
        g_viewMode = 0;
        QCOMPARE(hover(20, 20), Qt::PointingHandCursor);
    }

    void cornerDragPastTheOppositeCorner()
    {
        WallFixture wall;
        InputChannel *one = wall.scene.mChannels[0];
        QSignalSpy selected(one, &InputChannel::selectChannelEvent);
        QSignalSpy change(one, &InputChannel::updateCurrentChange);

        wall.press(wall.at(20, 20));
        QCOMPARE(one->mEditMode, int(InputChannel::EditTopLeft));
        QVERIFY(!g_pressFinished);
        wall.drag(wall.at(3000, 2000));
        QCOMPARE(one->pos(), QPointF(1720, 880));
        QCOMPARE(one->mRect, QRectF(0, 0, 200, 200));
        QCOMPARE(one->sceneBoundingRect().bottomRight(), QPointF(1920, 1080));
        // Still editing: the wall view sends the geometry meanwhile.
        QCOMPARE(one->mEditMode, int(InputChannel::EditTopLeft));
        wall.release(wall.at(3000, 2000));
        QCOMPARE(one->mEditMode, 0);
        QVERIFY(g_pressFinished);
        QCOMPARE(change.count(), 1);
        QCOMPARE(selected.count(), 1);
        QCOMPARE(selected.first().first().toInt(), 1);
        QCOMPARE(one->mRect.size(), QSizeF(200, 200));
    }

    void cornerDragsStopAtTheCanvas()
    {
        WallFixture wall;
        InputChannel *four = wall.scene.mChannels[3];   // at (1920, 1080), 1920 x 1080

        // Bottom-left corner dragged beyond the left and bottom edges.
        wall.press(wall.at(1930, 2150));
        QCOMPARE(four->mEditMode, int(InputChannel::EditBottomLeft));
        wall.drag(QPoint(-30, 700));
        QCOMPARE(four->pos(), QPointF(0, 1080));
        QCOMPARE(four->mRect, QRectF(0, 0, 3840, 1080));
        wall.release(QPoint(-30, 700));

        // Top-right corner dragged to a point inside: the bottom-left stays.
        wall.press(wall.at(3830, 1090));
        QCOMPARE(four->mEditMode, int(InputChannel::EditTopRight));
        const QPoint target = wall.at(2400, 1600);
        const QPointF sp = wall.sceneOf(target);
        wall.drag(target);
        QCOMPARE(four->pos(), QPointF(0, sp.y()));
        QCOMPARE(four->mRect.size(), QSizeF(sp.x(), 2160 - sp.y()));
        wall.release(target);

        // Bottom-right corner pulled up-left past its own top-left corner.
        InputChannel *one = wall.scene.mChannels[0];
        wall.press(wall.at(1900, 1060));
        QCOMPARE(one->mEditMode, int(InputChannel::EditBottomRight));
        wall.drag(wall.at(4, 4));
        QCOMPARE(one->pos(), QPointF(0, 0));
        QCOMPARE(one->mRect, QRectF(0, 0, 200, 200));
        wall.release(wall.at(4, 4));
    }

    void pressesChooseTheEdit()
    {
        WallFixture wall;
        InputChannel *two = wall.scene.mChannels[1];

        wall.press(wall.at(2800, 500), Qt::RightButton);
        QVERIFY(two->isSelected());
        QCOMPARE(two->mEditMode, 0);
        wall.release(wall.at(2800, 500), Qt::RightButton);

        wall.press(wall.at(2800, 500));
        QCOMPARE(two->mEditMode, int(InputChannel::EditMove));
        QVERIFY(!two->isSelected());                     // the press cleared the selection
        wall.release(wall.at(2800, 500));

        // Without a link the press only marks itself unfinished.
        g_offlineMode = false;
        wall.press(wall.at(2800, 500));
        QCOMPARE(two->mEditMode, 0);
        QVERIFY(!g_pressFinished);
        wall.release(wall.at(2800, 500));
        QVERIFY(g_pressFinished);

        // Zoom mode: the window ignores the press.
        g_offlineMode = true;
        g_viewMode = 0;
        wall.press(wall.at(20, 20));
        QCOMPARE(wall.scene.mChannels[0]->mEditMode, 0);
        QVERIFY(g_pressFinished);
        wall.release(wall.at(20, 20));
    }

    void moveStaysOnTheCanvas()
    {
        WallFixture wall;
        InputChannel *one = wall.scene.mChannels[0];
        wall.press(wall.at(960, 540));
        QCOMPARE(one->mEditMode, int(InputChannel::EditMove));
        wall.drag(wall.at(1160, 640));
        QCOMPARE(one->pos(), wall.sceneOf(wall.at(1160, 640)) - wall.sceneOf(wall.at(960, 540)));
        wall.drag(wall.at(3800, 2100));
        QCOMPARE(one->pos(), QPointF(1920, 1080));
        wall.drag(QPoint(0, 0));
        QCOMPARE(one->pos(), QPointF(0, 0));
        wall.release(QPoint(0, 0));
        QCOMPARE(one->mEditMode, 0);

        // A frozen window does not move.
        one->mFreeze = true;
        wall.press(wall.at(960, 540));
        wall.drag(wall.at(1500, 900));
        QCOMPARE(one->pos(), QPointF(0, 0));
        wall.release(wall.at(1500, 900));
    }

    void releaseWhileInputIsBlocked()
    {
        WallFixture wall;
        InputChannel *one = wall.scene.mChannels[0];
        QSignalSpy selected(one, &InputChannel::selectChannelEvent);
        wall.press(wall.at(1900, 1060));
        QCOMPARE(one->mEditMode, int(InputChannel::EditBottomRight));
        g_inputAllowed = false;    // a key press on the wall
        wall.drag(wall.at(1000, 600));
        QCOMPARE(one->mRect, QRectF(0, 0, 1920, 1080));   // moves are dropped
        wall.release(wall.at(1000, 600));
        QCOMPARE(one->mEditMode, 0);
        QVERIFY(g_pressFinished);
        QCOMPARE(selected.count(), 0);
    }

    void positionClamp()
    {
        ResolutionRatioScene scene(QRectF(0, 0, 3840, 2160));
        InputChannel *two = scene.mChannels[1];
        two->setPos(5000, -300);
        QCOMPARE(two->pos(), QPointF(1920, 0));
        two->setPos(-10.5, 4000);
        QCOMPARE(two->pos(), QPointF(0, 1080));
        two->setPos(100.5, 200.25);
        QCOMPARE(two->pos(), QPointF(100.5, 200.25));
        // The bound is truncated to whole pixels.
        two->setRect(QRectF(0, 0, 1000.5, 500));
        two->setPos(3000, 0);
        QCOMPARE(two->pos(), QPointF(2839, 0));
        // A window larger than its canvas is held at the top-left.
        two->setRect(QRectF(0, 0, 5000, 3000));
        two->setPos(100, 100);
        QCOMPARE(two->pos(), QPointF(0, 0));
        // Outside a scene nothing is clamped.
        InputChannel loose(1);
        loose.setPos(-50, -50);
        QCOMPARE(loose.pos(), QPointF(-50, -50));
    }

    void paintedWindow()
    {
        QGraphicsScene scene(0, 0, 400, 300);
        auto *ch = new InputChannel(2);
        ch->setRect(QRectF(0, 0, 400, 300));
        ch->mInputSourceIndex = 2;
        scene.addItem(ch);
        QImage img(400, 300, QImage::Format_RGB32);
        auto render = [&] {
            img.fill(Qt::black);
            QPainter p(&img);
            scene.render(&p, QRectF(0, 0, 400, 300), QRectF(0, 0, 400, 300));
        };
        render();
        const QColor border(255, 173, 96), fill(136, 155, 177), pink(249, 98, 167);
        QCOMPARE(countNear(img, QRect(0, 150, 1, 1), border), 1);
        QCOMPARE(countNear(img, QRect(200, 299, 1, 1), border), 1);
        QCOMPARE(countNear(img, QRect(30, 280, 1, 1), fill), 1);
        // The source number 3 in the middle and the label "Win 2" top-left,
        // both in window 2's colour.
        const QRect middle(100, 50, 200, 200), corner(5, 15, 120, 60);
        QVERIFY(countNear(img, middle, pink) > 500);
        QVERIFY(countNear(img, corner, pink) > 20);
        QCOMPARE(ch->mLabel, QStringLiteral(" Win 2\n"));

        // Selected: the dashed green outline.
        ch->setSelected(true);
        render();
        QVERIFY(countNear(img, QRect(0, 0, 400, 4), QColor(103, 227, 186)) > 50);

        // Without a source only the label remains.
        ch->setSelected(false);
        ch->mInputSourceIndex = 4;
        render();
        QCOMPARE(countNear(img, middle, pink), 0);
        QVERIFY(countNear(img, corner, pink) > 20);

        // The number turns with the window: a 180-degree turn mirrors it.
        ch->mInputSourceIndex = 0;
        render();
        const QImage upright = img.copy(middle);
        ch->mRotation = 180;
        render();
        QVERIFY(img.copy(middle) != upright);
        QVERIFY(countNear(img, middle, pink) > 500);
    }
};

QTEST_MAIN(TstWallModel)
#include "tst_wallmodel.moc"
