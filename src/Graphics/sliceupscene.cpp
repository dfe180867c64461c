#include "sliceupscene.h"

#include <QPainter>

#include "sliceupsizeitem.h"

SliceUpScene::SliceUpScene(QRectF rect, QObject *parent)
    : QGraphicsScene(parent)
    , mRect(rect)
{
    initItem();
}

void SliceUpScene::initItem()
{
    setSceneRect(mRect);
    mSizeItem = new SliceUpSizeItem();
    mSizeItem->setOuterRect(QRectF(0, 0, mRect.width(), mRect.height()));
    mSizeItem->setPos(0, 0);
    addItem(mSizeItem);
}

void SliceUpScene::drawBackground(QPainter *painter, const QRectF &)
{
    const qreal w = sceneRect().width();
    const qreal h = sceneRect().height();
    const QRectF picture(SliceUpSizeItem::kMargin, SliceUpSizeItem::kMargin,
                         w - 2 * SliceUpSizeItem::kMargin, h - 2 * SliceUpSizeItem::kMargin);
    painter->fillRect(picture, QColor(136, 155, 177));

    QFont font(QStringLiteral("微软雅黑"));
    font.setPointSize(static_cast<int>(w / 15));
    painter->setFont(font);
    painter->setPen(QColor(248, 249, 252));
    painter->drawText(picture, Qt::AlignLeft | Qt::AlignTop,
                      tr(" 分辨率： \n %1 x %2").arg(mResolutionWidth).arg(mResolutionHeight));
}
