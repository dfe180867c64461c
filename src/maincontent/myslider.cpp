#include "myslider.h"

MySlider::MySlider(QWidget *parent, quint16) : QSlider(parent) {}
int MySlider::valueFromPosition(const QPoint &) const { return value(); }
void MySlider::setPositionNotify(int position, bool notify)
{
    setSliderPosition(position);
    if (notify)
        emit sliderMoved(position);
}
void MySlider::updateValueLabel(int) {}
