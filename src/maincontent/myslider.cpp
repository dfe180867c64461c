#include "myslider.h"

#include <QLabel>
#include <QMouseEvent>

bool MySlider::sPressedOrMoved = false;

MySlider::MySlider(QWidget *parent, quint16 handleLength)
    : QSlider(parent), mHandleLength(handleLength)
{
    mValueLabel = new QLabel(this);
    QFont labelFont(QStringLiteral("微软雅黑"), 10);
    labelFont.setBold(true);
    mValueLabel->setFont(labelFont);
    updateValueLabel(0);
    connect(this, &QSlider::valueChanged, this, &MySlider::updateValueLabel);
}

void MySlider::updateValueLabel(int value)
{
    mValueLabel->setText(QString::number(value) + QLatin1Char('%'));
    mValueLabel->adjustSize();
    mValueLabel->move(63 - mValueLabel->width() / 2, 15 - mValueLabel->height() / 2);
}

int MySlider::valueFromPosition(const QPoint &pos) const
{
    const int range = maximum() - minimum();
    if (orientation() == Qt::Horizontal) {
        const int h = mHandleLength ? mHandleLength : int(height() * 0.5);
        const int span = width() - h;
        if (span <= 0)
            return minimum();
        const int p = qBound(0, pos.x() - h / 2, span);
        return int(double(p) / span * range + minimum());
    }
    const int h = mHandleLength ? mHandleLength : int(width() * 0.5);
    const int span = height() - h;
    if (span <= 0)
        return maximum();
    const int p = qBound(0, pos.y() - h / 2, span);
    return int(maximum() - double(p) / span * range);
}

void MySlider::setPositionNotify(int position, bool notify)
{
    setSliderPosition(position);
    if (notify)
        emit sliderMoved(position);
}

void MySlider::jumpTo(int value)
{
    if (value == sliderPosition())
        return;
    // While the slider is down QAbstractSlider reports the move itself.
    const bool reported = isSliderDown();
    setSliderPosition(value);
    if (!reported)
        emit sliderMoved(value);
}

void MySlider::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    setSliderDown(true);
    sPressedOrMoved = true;
    jumpTo(valueFromPosition(event->localPos().toPoint()));
}

void MySlider::mouseMoveEvent(QMouseEvent *event)
{
    sPressedOrMoved = true;
    jumpTo(valueFromPosition(event->localPos().toPoint()));
}

void MySlider::mouseReleaseEvent(QMouseEvent *event)
{
    setSliderDown(false);
    if (isEnabled() && event->button() == Qt::LeftButton) {
        if (!sPressedOrMoved)
            jumpTo(valueFromPosition(event->localPos().toPoint()));
        else
            QSlider::mouseReleaseEvent(event);
    }
    sPressedOrMoved = false;
}
