#include <QtTest>
#include <QGraphicsView>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include "imagecount.h"
#include "wallstate.h"
#include "Graphics/inputchannel.h"
#include "Graphics/resolutionratioscene.h"
#include "globals.h"

namespace {

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

// A wall window under the mouse: handles, cursors, drags and presses, clamping and painting.
class TstWallEdit : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        setWallTestState();
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

QTEST_MAIN(TstWallEdit)
#include "tst_walledit.moc"
