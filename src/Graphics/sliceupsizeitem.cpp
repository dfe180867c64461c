#include "sliceupsizeitem.h"

#include <QCursor>
#include <QGraphicsScene>
#include <QGraphicsSceneHoverEvent>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "globals.h"
#include "inputchannel.h"
#include "sceneclamp.h"

namespace {

// Handle squares in hit-test order: the corners first, then the edges.
const int kHandleModes[8] = {
    SliceUpSizeItem::ModeTopLeft, SliceUpSizeItem::ModeTopRight,
    SliceUpSizeItem::ModeBottomLeft, SliceUpSizeItem::ModeBottomRight,
    SliceUpSizeItem::ModeTop, SliceUpSizeItem::ModeBottom,
    SliceUpSizeItem::ModeLeft, SliceUpSizeItem::ModeRight};

Qt::CursorShape cursorFor(int mode)
{
    switch (mode) {
    case SliceUpSizeItem::ModeTopLeft:
    case SliceUpSizeItem::ModeBottomRight:
        return Qt::SizeFDiagCursor;
    case SliceUpSizeItem::ModeTopRight:
    case SliceUpSizeItem::ModeBottomLeft:
        return Qt::SizeBDiagCursor;
    case SliceUpSizeItem::ModeTop:
    case SliceUpSizeItem::ModeBottom:
        return Qt::SizeVerCursor;
    case SliceUpSizeItem::ModeLeft:
    case SliceUpSizeItem::ModeRight:
        return Qt::SizeHorCursor;
    default:
        return Qt::SizeAllCursor;
    }
}

int reportModeOf(int mode)
{
    switch (mode) {
    case SliceUpSizeItem::ModeLeft:
        return SliceUpSizeItem::ReportLeft;
    case SliceUpSizeItem::ModeTop:
        return SliceUpSizeItem::ReportTop;
    case SliceUpSizeItem::ModeRight:
        return SliceUpSizeItem::ReportRight;
    case SliceUpSizeItem::ModeBottom:
        return SliceUpSizeItem::ReportBottom;
    default:
        return SliceUpSizeItem::ReportAll;
    }
}

} // namespace

SliceUpSizeItem::SliceUpSizeItem(QGraphicsItem *parent)
    : QObject(nullptr)
    , QGraphicsItem(parent)
{
    init();
}

void SliceUpSizeItem::init()
{
    setFlags(ItemIsMovable | ItemIsSelectable | ItemIsFocusable | ItemSendsGeometryChanges);
    setAcceptHoverEvents(true);
    mInnerRect = QRectF(kMargin, kMargin, 3840, 2160);
    mOuterRect = QRectF(0, 0, 3990, 2310);
    mThrottleTimer = new QTimer(this);
    mThrottleTimer->setSingleShot(true);
    connect(mThrottleTimer, &QTimer::timeout, this, &SliceUpSizeItem::endThrottle);
}

QRectF SliceUpSizeItem::boundingRect() const
{
    return mOuterRect;
}

void SliceUpSizeItem::setOuterRect(const QRectF &rect)
{
    prepareGeometryChange();
    mOuterRect = rect;
    mInnerRect = QRectF(kMargin, kMargin, rect.width() - kHandle, rect.height() - kHandle);
    update();
}

void SliceUpSizeItem::rebuildHandles()
{
    const qreal w = mOuterRect.width();
    const qreal h = mOuterRect.height();
    const qreal midX = (w - kHandle) / 2;
    const qreal midY = (h - kHandle) / 2;
    const QPointF corners[8] = {{0, 0}, {w - kHandle, 0}, {0, h - kHandle}, {w - kHandle, h - kHandle},
                                {midX, 0}, {midX, h - kHandle}, {0, midY}, {w - kHandle, midY}};
    mHandles.clear();
    for (const QPointF &c : corners)
        mHandles.append(QRectF(c, QSizeF(kHandle, kHandle)));
}

int SliceUpSizeItem::handleAt(const QPointF &pos)
{
    rebuildHandles();
    for (int i = 0; i < mHandles.size(); ++i) {
        if (mHandles.at(i).contains(pos))   // the border counts as inside
            return kHandleModes[i];
    }
    return ModeNone;
}

void SliceUpSizeItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    rebuildHandles();
    const QRectF inner(kMargin, kMargin, mOuterRect.width() - kHandle, mOuterRect.height() - kHandle);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setBrush(Qt::NoBrush);
    if (isSelected()) {
        painter->setPen(QPen(Qt::red, 20));
        painter->drawRect(inner);
        painter->setPen(QPen(Qt::red, 40, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        for (const QRectF &handle : qAsConst(mHandles))
            painter->drawRect(handle);
    } else {
        painter->setPen(QPen(Qt::black, 8));
        painter->drawRect(inner);
    }
    painter->save();
    painter->setOpacity(0.3);
    painter->fillRect(inner, QColor(QStringLiteral("#DADDE2")));
    painter->restore();
}

void SliceUpSizeItem::hoverMoveEvent(QGraphicsSceneHoverEvent *event)
{
    setCursor(cursorFor(handleAt(event->pos())));
    QGraphicsItem::hoverMoveEvent(event);
}

void SliceUpSizeItem::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    if (scene())
        scene()->clearSelection();
    if (event->button() == Qt::RightButton) {
        QGraphicsItem::mousePressEvent(event);
        return;
    }
    if (event->button() == Qt::LeftButton) {
        const int handle = handleAt(event->pos());
        if (handle != ModeNone) {
            mMode = handle;
            return;
        }
    }
    if (mMode == ModeNone)
        mMode = ModeMove;
}

void SliceUpSizeItem::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    mMode = ModeNone;
    QGraphicsItem::mouseReleaseEvent(event);
}

bool SliceUpSizeItem::editAllowed() const
{
    // Crop edits need a linked window and a network link or offline mode;
    // a serial-only link leaves the rectangle where it is.
    return mChannel && (g_networkConnected || g_offlineMode) && !mChannel->mFreeze;
}

void SliceUpSizeItem::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    if (editAllowed())
        moveOrResize(event);
}

void SliceUpSizeItem::moveOrResize(QGraphicsSceneMouseEvent *event)
{
    bool fromLeft = false, fromRight = false, fromTop = false, fromBottom = false;
    switch (mMode) {
    case ModeTopLeft: fromLeft = fromTop = true; break;
    case ModeBottomLeft: fromLeft = fromBottom = true; break;
    case ModeTopRight: fromRight = fromTop = true; break;
    case ModeBottomRight: fromRight = fromBottom = true; break;
    case ModeTop: fromTop = true; break;
    case ModeBottom: fromBottom = true; break;
    case ModeLeft: fromLeft = true; break;
    case ModeRight: fromRight = true; break;
    case ModeMove: QGraphicsItem::mouseMoveEvent(event); break;
    default:
        QGraphicsItem::mouseMoveEvent(event);
        return;
    }

    const qreal w = mOuterRect.width();
    const qreal h = mOuterRect.height();
    const QPointF mouse = event->scenePos();
    const QRectF area = scene()->sceneRect();
    QPointF p = mapFromScene(QPointF(std::clamp(mouse.x(), 0.0, area.width()),
                                     std::clamp(mouse.y(), 0.0, area.height())));
    const QRectF bounds = sceneBoundingRect();
    qreal newW = w;
    qreal newH = h;
    if (fromLeft) {
        if (bounds.right() - mouse.x() <= kMinimumOuter)
            p.setX(mapFromScene(QPointF(bounds.right() - kMinimumOuter, 0)).x());
        newW = w - p.x();
    } else if (fromRight) {
        if (mouse.x() - bounds.left() <= kMinimumOuter)
            p.setX(mapFromScene(QPointF(bounds.left() + kMinimumOuter, 0)).x());
        newW = p.x();
    }
    if (fromTop) {
        if (bounds.bottom() - mouse.y() <= kMinimumOuter)
            p.setY(mapFromScene(QPointF(0, bounds.bottom() - kMinimumOuter)).y());
        newH = h - p.y();
    } else if (fromBottom) {
        if (mouse.y() - bounds.top() <= kMinimumOuter)
            p.setY(mapFromScene(QPointF(0, bounds.top() + kMinimumOuter)).y());
        newH = p.y();
    }

    if (mMode != ModeMove) {
        const QPointF target = mapToScene(p);
        // The size first: the position rule bounds the item by its new size.
        setOuterRect(QRectF(0, 0, newW, newH));
        if (fromLeft || fromTop)
            setPos(fromLeft ? target.x() : x(), fromTop ? target.y() : y());
    }

    report(reportModeOf(mMode));
    update();
}

void SliceUpSizeItem::report(int mode)
{
    if (mThrottled) {
        // Drawn now, reported when the throttle ends. Held-back edits of
        // different edges are reported together.
        mPendingMode = (mReportPending && mPendingMode != mode) ? int(ReportAll) : mode;
        mReportPending = true;
        mPendingChannel = mChannel;
        return;
    }
    const qreal right = x() + mOuterRect.width() - kHandle;
    const qreal bottom = y() + mOuterRect.height() - kHandle;
    emitSliceUpData(mode, int(std::ceil(x())), int(std::ceil(y())),
                    int(std::ceil(right)), int(std::ceil(bottom)));
}

void SliceUpSizeItem::emitSliceUpData(int mode, int HStart, int VStart, int HEnd, int VEnd)
{
    emit changeSliceUpData(mode, HStart, VStart, HEnd, VEnd);
    mThrottled = true;
    mThrottleTimer->start(kThrottleMs);
}

void SliceUpSizeItem::endThrottle()
{
    mThrottleTimer->stop();
    mThrottled = false;
    if (mReportPending) {
        mReportPending = false;
        // A selection change in between re-places the rectangle for another
        // window; the held-back edit belonged to the old one.
        if (mPendingChannel == mChannel)
            report(mPendingMode);
    }
}

QVariant SliceUpSizeItem::itemChange(GraphicsItemChange change, const QVariant &value)
{
    if (change == ItemPositionChange && scene())
        return clampToScene(scene()->sceneRect(), mOuterRect, value.toPointF());
    return QGraphicsItem::itemChange(change, value);
}
