#include "matrixgraphicsview.h"

#include <QPainter>

MatrixGraphicsView::MatrixGraphicsView(QWidget *parent) : QGraphicsView(parent)
{
}

void MatrixGraphicsView::setColors(const QColor &curved, const QColor &first, const QColor &second,
                                   const QColor &third)
{
    mColor1 = curved;
    mColor2 = first;
    mColor3 = second;
    mColor4 = third;
    viewport()->update();
}

void MatrixGraphicsView::setRects(const QRect &first, const QRect &second, const QRect &third)
{
    mRect1 = first;
    mRect2 = second;
    mRect3 = third;
    viewport()->update();
}

void MatrixGraphicsView::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    painter.setBrush(mColor1);
    // Corner radii in percent of half the width and of half the height.
    painter.drawRoundedRect(QRect(280, 250, 150, 75), 5, 5, Qt::RelativeSize);
    // An unset rectangle would still leave its outline's corner pixel.
    const auto fill = [&painter](const QRect &rect, const QColor &colour) {
        if (rect.isEmpty())
            return;
        painter.setBrush(colour);
        painter.drawRect(rect);
    };
    fill(mRect1, mColor2);
    fill(mRect2, mColor3);
    fill(mRect3, mColor4);
}
