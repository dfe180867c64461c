#ifndef RESOLUTIONRATIOSCENE_H
#define RESOLUTIONRATIOSCENE_H

#include <QGraphicsScene>
#include <QLine>
#include <QList>
#include <QMap>
#include <QRectF>
#include <QString>
#include <QVector>

class InputChannel;

// One output canvas: the output in device pixels, its four windows, its frame
// and the seams between the screens of the current splice layout.
class ResolutionRatioScene : public QGraphicsScene
{
    Q_OBJECT
public:
    // Layer operations of setLayer().
    enum LayerOp { LayerToTop = 1, LayerUp = 2, LayerDown = 3, LayerToBottom = 4 };

    explicit ResolutionRatioScene(QRectF rect, QObject *parent = nullptr);

    void createChannels();
    void buildLayouts();
    void setLayout(const QString &name);
    QString layoutName() const;
    void resetChannels();
    void setLayer(int index, int op);

    QList<InputChannel *> mChannels;   // index 0..3 = window 1..4 (owned by the scene)
    QString mLayoutName;               // "rows x columns", such as 2x3
    QVector<QLine> mLayoutLines;       // seams of the current layout
    bool mNotifyRightMenu = false;     // next completed setLayer emits changeRightMenuInfo once
    QRectF mSceneRect;
    QMap<QString, QVector<QLine>> mLayoutTable;

signals:
    void changeRightMenuInfo();
    void changeGradationLevel();

protected:
    void drawBackground(QPainter *painter, const QRectF &rect) override;
    void drawForeground(QPainter *painter, const QRectF &rect) override;
};

#endif
