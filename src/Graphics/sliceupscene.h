#ifndef SLICEUPSCENE_H
#define SLICEUPSCENE_H

#include <QGraphicsScene>

class SliceUpSizeItem;

// Scene of the crop editor: the input picture area, 75 units in from every
// edge, with its resolution written on it, and the crop rectangle item.
class SliceUpScene : public QGraphicsScene
{
    Q_OBJECT
public:
    SliceUpScene(QRectF rect, QObject *parent = nullptr);

    void initItem();

    QRectF mRect;
    SliceUpSizeItem *mSizeItem = nullptr;   // owned by the scene
    int mResolutionWidth = 3840;             // shown in the background
    int mResolutionHeight = 2160;

protected:
    void drawBackground(QPainter *painter, const QRectF &rect) override;
};

#endif
