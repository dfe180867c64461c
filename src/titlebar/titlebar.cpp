#include "titlebar.h"

#include <QMouseEvent>

TitleBar::TitleBar(QWidget *parent) : QWidget(parent), mMoveWidget(parent)
{
}

void TitleBar::setMoveWidget(QWidget *widget)
{
    mMoveWidget = widget;
}

void TitleBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        mPressed = true;
    if (mMoveWidget)
        mDragOffset = event->globalPos() - mMoveWidget->pos();
}

void TitleBar::mouseMoveEvent(QMouseEvent *event)
{
    if (!mPressed)
        return;
    if (mMoveWidget)
        mMoveWidget->move(event->globalPos() - mDragOffset);
}

void TitleBar::mouseReleaseEvent(QMouseEvent *)
{
    mPressed = false;
}
