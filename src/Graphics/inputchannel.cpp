#include "inputchannel.h"

#include <QCursor>
#include <QGraphicsScene>
#include <QGraphicsSceneHoverEvent>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QtGlobal>
#include <algorithm>

#include "globals.h"
#include "sceneclamp.h"

namespace {

bool linkOrOffline()
{
    return g_networkConnected || g_offlineMode || g_serialConnected;
}

bool mouseEditAllowed()
{
    return g_inputAllowed && g_viewMode != 0;
}

QPen outlinePen(const QColor &color, int width, Qt::PenStyle style)
{
    return QPen(QBrush(color), width, style, Qt::SquareCap, Qt::BevelJoin);
}

// Point size from a length, never below 1 (a zero size only draws warnings).
int fontPoints(double length)
{
    return std::max(1, static_cast<int>(length));
}

} // namespace

InputChannel::InputChannel(int channelID, QGraphicsItem *parent)
    : QObject(nullptr), QGraphicsItem(parent)
{
    mChannelID = channelID;
    mLayer = channelID;
    init();
    mOpen = true;
    mCropVStart = 0;
    mCropHStart = 0;
    mCropVEnd = WallGeometry::DeviceHeight;
    mCropHEnd = WallGeometry::DeviceWidth;
    mAdaptiveFill = true;
}

void InputChannel::init()
{
    // Not movable: the link code switches ItemIsMovable with the link.
    setFlags(ItemIsSelectable | ItemIsFocusable | ItemSendsGeometryChanges);
    setAcceptHoverEvents(true);
    setZValue(5 - mLayer);
}

QRectF InputChannel::boundingRect() const
{
    return mRect;
}

QRectF InputChannel::itemRect() const
{
    return boundingRect();
}

void InputChannel::setRect(QRectF rect)
{
    // Keeps the scene's picture of the item's extent right; repainting the
    // new extent is left to the caller.
    prepareGeometryChange();
    mRect = rect;
}

void InputChannel::openChannel()
{
    setVisible(true);
    mOpen = true;
    mShow = true;
}

void InputChannel::closeChannel()
{
    setVisible(false);
    mOpen = false;
    mShow = false;
}

void InputChannel::setRotationDegrees(int degrees)
{
    mRotation = degrees;
    mRotate0 = degrees == 0;
    mRotate90 = degrees == 90;
    mRotate180 = degrees == 180;
    mRotate270 = degrees == 270;
    update();
}

int InputChannel::handleAt(QPointF pos) const
{
    const double x = mRect.x(), y = mRect.y(), w = mRect.width(), h = mRect.height();
    const bool left = x < pos.x() && pos.x() < x + HandleSize;
    const bool right = x + w - HandleSize < pos.x() && pos.x() < x + w;
    const bool top = y < pos.y() && pos.y() < y + HandleSize;
    const bool bottom = y + h - HandleSize < pos.y() && pos.y() < y + h;
    if (left && top)
        return EditTopLeft;
    if (right && top)
        return EditTopRight;
    if (left && bottom)
        return EditBottomLeft;
    if (right && bottom)
        return EditBottomRight;
    return EditNone;
}

QColor InputChannel::windowColor(int channelID)
{
    switch (channelID) {
    case 1: return QColor(200, 72, 185);
    case 2: return QColor(249, 98, 167);
    case 3: return QColor(253, 131, 109);
    case 4: return QColor(255, 186, 105);
    default: return QColor(248, 249, 252);
    }
}

void InputChannel::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->setRenderHint(QPainter::Antialiasing, true);
    // A component out of 0..255 gives an invalid colour, as QColor would,
    // without a warning on every repaint.
    const bool validFill = mRed >= 0 && mRed <= 255 && mGreen >= 0 && mGreen <= 255
            && mBlue >= 0 && mBlue <= 255;
    painter->setBrush(QBrush(validFill ? QColor(mRed, mGreen, mBlue) : QColor(), Qt::SolidPattern));

    const QPen borderPen = outlinePen(QColor(255, 173, 96), 5, Qt::SolidLine);
    painter->setPen(borderPen);
    painter->drawRect(mRect);

    if (isSelected()) {
        painter->setPen(outlinePen(QColor(103, 227, 186), 10, Qt::DashLine));
        painter->setRenderHint(QPainter::Antialiasing, true);
        painter->drawRect(mRect);
        // Corner strokes on whole pixels.
        const double x = mRect.x(), y = mRect.y(), w = mRect.width(), h = mRect.height();
        auto line = [painter](double x1, double y1, double x2, double y2) {
            painter->drawLine(QLine(static_cast<int>(x1), static_cast<int>(y1),
                                    static_cast<int>(x2), static_cast<int>(y2)));
        };
        for (int d : {80, 65, 50, 35, 20}) {
            line(x, y + d, x + d, y);
            line(x + w - d, y, x + w, y + d);
            line(x, y + h - d, x + d, y + h);
            line(x + w - d, y + h, x + w, y + h - d);
        }
        painter->setRenderHint(QPainter::Antialiasing, false);
    } else {
        painter->drawRect(mRect);
    }

    drawLabel(mInputSourceIndex, painter);

    painter->setRenderHint(QPainter::Antialiasing, false);
    setZValue(5 - mLayer);
}

void InputChannel::drawLabel(int sourceIndex, QPainter *painter)
{
    const double x = mRect.x(), y = mRect.y(), w = mRect.width(), h = mRect.height();
    const QColor color = windowColor(mChannelID);
    const QString label = QStringLiteral(" Win %1\n").arg(mChannelID);

    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(QColor(248, 249, 252));

    if (sourceIndex >= 0 && sourceIndex <= 3) {
        painter->save();
        painter->translate(x + w / 2, y + h / 2);
        painter->rotate(mRotation);
        painter->setPen(color);
        QFont font(QStringLiteral("Arial"));
        font.setPointSize(fontPoints(std::min(w / 2, h / 2)));
        painter->setFont(font);
        painter->drawText(QRectF(-w / 2, -h / 2, w, h), Qt::AlignCenter,
                          QString::number(sourceIndex + 1));
        painter->restore();
        mLabel = label;
    } else if (sourceIndex == 4) {
        mLabel = label;
    }

    painter->setPen(color);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(fontPoints(std::min(w / 18, h / 18)));
    font.setWeight(15);
    painter->setFont(font);
    painter->drawText(QRectF(x + 10, y + 20, w - 10, h - 20), Qt::AlignLeft | Qt::AlignTop, mLabel);

    painter->setRenderHint(QPainter::Antialiasing, false);
}

void InputChannel::hoverMoveEvent(QGraphicsSceneHoverEvent *event)
{
    if (g_viewMode == 0) {
        setCursor(Qt::PointingHandCursor);
    } else {
        switch (handleAt(event->pos())) {
        case EditTopLeft:
        case EditBottomRight:
            setCursor(Qt::SizeFDiagCursor);
            break;
        case EditTopRight:
        case EditBottomLeft:
            setCursor(Qt::SizeBDiagCursor);
            break;
        default:
            setCursor(Qt::ArrowCursor);
            break;
        }
    }
    QGraphicsItem::hoverMoveEvent(event);
}

void InputChannel::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    if (!mouseEditAllowed()) {
        event->ignore();
        return;
    }
    g_pressFinished = false;
    if (!linkOrOffline())
        return;
    if (scene())
        scene()->clearSelection();

    if (event->button() == Qt::RightButton) {
        // Selects the window for the context menu; no edit starts. The item's
        // own press handling selects on the left button only.
        QGraphicsItem::mousePressEvent(event);
        setSelected(true);
        return;
    }
    if (event->button() == Qt::LeftButton) {
        const int handle = handleAt(event->pos());
        if (handle != EditNone) {
            mEditMode = handle;
            emit editStarted();
            return;
        }
    }
    if (event->buttons() != Qt::NoButton) {
        mEditMode = EditMove;
        emit editStarted();
        return;
    }
    QGraphicsItem::mousePressEvent(event);
}

void InputChannel::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    if (!mouseEditAllowed() || mFreeze || !linkOrOffline())
        return;
    moveOrResize(event);
}

void InputChannel::moveOrResize(QGraphicsSceneMouseEvent *event)
{
    const bool resizing = mEditMode == EditTopLeft || mEditMode == EditTopRight
            || mEditMode == EditBottomLeft || mEditMode == EditBottomRight;
    if (!resizing || !scene()) {
        QGraphicsItem::mouseMoveEvent(event);
        return;
    }

    // The dragged corner stays on the canvas.
    const QRectF canvas = scene()->sceneRect();
    QPointF sp = event->scenePos();
    if (sp.x() < 0)
        sp.setX(0);
    else if (sp.x() > canvas.right())
        sp.setX(canvas.right());
    if (sp.y() < 0)
        sp.setY(0);
    else if (sp.y() > canvas.bottom())
        sp.setY(canvas.bottom());

    // The opposite corner stays where it is and the window keeps at least
    // MinimumSize on each side.
    const QRectF bounds = sceneBoundingRect();
    const double L = bounds.left(), T = bounds.top();
    const double R = L + bounds.width(), B = T + bounds.height();
    const bool fromLeft = mEditMode == EditTopLeft || mEditMode == EditBottomLeft;
    const bool fromTop = mEditMode == EditTopLeft || mEditMode == EditTopRight;
    if (fromLeft) {
        if (R - sp.x() <= MinimumSize)
            sp.setX(R - MinimumSize);
    } else if (sp.x() - L <= MinimumSize) {
        sp.setX(L + MinimumSize);
    }
    if (fromTop) {
        if (B - sp.y() <= MinimumSize)
            sp.setY(B - MinimumSize);
    } else if (sp.y() - T <= MinimumSize) {
        sp.setY(T + MinimumSize);
    }
    const QPointF p = mapFromScene(sp);

    const double w = mRect.width(), h = mRect.height();
    prepareGeometryChange();
    mRect.setWidth(fromLeft ? w - p.x() : p.x());
    mRect.setHeight(fromTop ? h - p.y() : p.y());
    if (fromLeft && fromTop)
        setPos(sp);
    else if (fromLeft)
        setX(sp.x());
    else if (fromTop)
        setY(sp.y());
    update();
}

void InputChannel::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    // A release always ends the edit, even while mouse input is blocked:
    // otherwise the window stays in edit mode and the wall view keeps
    // sending its geometry.
    g_pressFinished = true;
    mEditMode = EditNone;
    if (!mouseEditAllowed()) {
        // Still let the item finish its drag bookkeeping.
        QGraphicsItem::mouseReleaseEvent(event);
        return;
    }
    emit updateCurrentChange();
    QGraphicsItem::mouseReleaseEvent(event);
    emit selectChannelEvent(mChannelID);
}

QVariant InputChannel::itemChange(GraphicsItemChange change, const QVariant &value)
{
    if (change == ItemPositionChange && scene()) {
        const QPointF wanted = value.toPointF();
        const QPointF allowed = clampToScene(scene()->sceneRect(), mRect, wanted);
        if (allowed != wanted)
            return allowed;
        return value;
    }
    return QGraphicsItem::itemChange(change, value);
}
