#ifndef INPUTCHANNEL_H
#define INPUTCHANNEL_H

#include <QGraphicsItem>
#include <QObject>
#include "inputsourceinformation.h"
#include "wallgeometry.h"

class QGraphicsSceneMouseEvent;
class QGraphicsSceneHoverEvent;

// One window of the wall drawn on an output canvas. Paints itself, resizes
// by its corners and moves inside its canvas. It never sends commands: the
// wall view reads its geometry while mEditMode is set.
class InputChannel : public QObject, public QGraphicsItem, public InputSourceInformation
{
    Q_OBJECT
    Q_INTERFACES(QGraphicsItem)
public:
    // Values of mEditMode and of handleAt().
    enum EditMode {
        EditNone = 0,
        EditBottomRight = 1,
        EditMove = 2,
        EditTopLeft = 4,
        EditTopRight = 5,
        EditBottomLeft = 6
    };
    static constexpr int HandleSize = 80;     // width of the corner bands
    static constexpr int MinimumSize = 200;   // smallest side after a resize

    explicit InputChannel(int channelID, QGraphicsItem *parent = nullptr);

    void init();
    QRectF boundingRect() const override;
    QRectF itemRect() const;
    void setRect(QRectF rect);
    void openChannel();
    void closeChannel();
    int handleAt(QPointF pos) const;
    void drawLabel(int sourceIndex, QPainter *painter);
    void moveOrResize(QGraphicsSceneMouseEvent *event);
    // The angle with the one rotation check mark that matches it.
    void setRotationDegrees(int degrees);

    // Label colour of a window number (1..4; anything else a neutral white).
    static QColor windowColor(int channelID);

    int mCropVStart = 0;     // crop of the source, device pixels
    int mCropHStart = 0;
    int mCropVEnd = WallGeometry::DeviceHeight;
    int mCropHEnd = WallGeometry::DeviceWidth;
    bool mAdaptiveFill = true;
    bool mOpen = true;       // visible on the wall
    int mEditMode = EditNone;
    QString mLabel;          // text in the top-left corner

signals:
    // A press began a move or resize, by whatever road the press came (a
    // double click's second press too): the wall view paces the drag from here.
    void editStarted();
    void selectChannelEvent(int channelID);
    void updateCurrentChange();
    void sendXYPos(int sendModeIndex);

protected:
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget = nullptr) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void hoverMoveEvent(QGraphicsSceneHoverEvent *event) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;
};

#endif
