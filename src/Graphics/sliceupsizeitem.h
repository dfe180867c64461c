#ifndef SLICEUPSIZEITEM_H
#define SLICEUPSIZEITEM_H

#include <QGraphicsItem>
#include <QObject>
#include <QVector>

class InputChannel;
class QTimer;

// The crop rectangle of the crop editor. Its outer rectangle carries a
// margin of kMargin on every side for the eight handles; the inner one is
// the crop. Reports its edges in picture units, at most once per 100 ms.
class SliceUpSizeItem : public QObject, public QGraphicsItem
{
    Q_OBJECT
    Q_INTERFACES(QGraphicsItem)
public:
    // Values of mMode: the part being dragged.
    enum Mode {
        ModeNone = 0,
        ModeBottomRight = 1,
        ModeMove = 2,
        ModeTopLeft = 4,
        ModeTopRight = 5,
        ModeBottomLeft = 6,
        ModeTop = 8,
        ModeBottom = 9,
        ModeLeft = 10,
        ModeRight = 11
    };
    // Values of the report's mode.
    enum ReportMode {
        ReportLeft = 0,
        ReportTop = 1,
        ReportRight = 2,
        ReportBottom = 3,
        ReportAll = 4
    };
    static constexpr int kMargin = 75;        // handle room on each side
    static constexpr int kHandle = 150;       // side of a handle square
    static constexpr int kMinimumOuter = 200; // smallest outer side (crop of 50)
    static constexpr int kThrottleMs = 100;

    explicit SliceUpSizeItem(QGraphicsItem *parent = nullptr);

    void init();
    QRectF boundingRect() const override;
    // Sets the outer rectangle (and so the crop) and redraws.
    void setOuterRect(const QRectF &rect);
    int handleAt(const QPointF &pos);
    void emitSliceUpData(int mode, int HStart, int VStart, int HEnd, int VEnd);

    QRectF mInnerRect = QRectF(75, 75, 3840, 2160);
    QRectF mOuterRect = QRectF(0, 0, 3990, 2310);
    int mMode = ModeNone;
    InputChannel *mChannel = nullptr;    // window whose crop is edited
    QVector<QRectF> mHandles;
    QTimer *mThrottleTimer = nullptr;
    bool mThrottled = false;

signals:
    void changeSliceUpData(int mode, int HStart = 0, int VStart = 0, int HEnd = 0, int VEnd = 0);

protected:
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget = nullptr) override;
    void hoverMoveEvent(QGraphicsSceneHoverEvent *event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;

private:
    void rebuildHandles();
    bool editAllowed() const;
    void moveOrResize(QGraphicsSceneMouseEvent *event);
    void report(int mode);
    void endThrottle();

    // An edit held back by the throttle, reported when it ends.
    bool mReportPending = false;
    int mPendingMode = ReportAll;
    InputChannel *mPendingChannel = nullptr;
};

#endif
