#include <QtTest>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

#include "imagecount.h"
#include "wallstate.h"
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

} // namespace

// The wall model: window and record defaults, the layout table, seams and layers.
class TstWallModel : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        setWallTestState();
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
};

QTEST_MAIN(TstWallModel)
#include "tst_wallmodel.moc"
