#include "numberanimation.h"

NumberAnimation::NumberAnimation(QWidget *target, double *value)
    : QVariantAnimation(nullptr), mTarget(target), mValue(value)
{
    connect(this, SIGNAL(valueChanged(QVariant)), this, SLOT(receiveValueChanged(QVariant)));
    connect(this, SIGNAL(finished()), this, SLOT(animationFinished()));
}

void NumberAnimation::startAnimation(const QVariant &start, const QVariant &end)
{
    if (state() == Running)
        stop();
    setStartValue(start);
    setEndValue(end);
    this->start();
}

void NumberAnimation::updateTarget()
{
    if (mTarget)
        mTarget->update();
}

void NumberAnimation::receiveValueChanged(QVariant value)
{
    if (mValue)
        *mValue = value.toDouble();
    updateTarget();
}

void NumberAnimation::animationFinished()
{
    if (mPingPong)
        startAnimation(endValue(), startValue());
}
