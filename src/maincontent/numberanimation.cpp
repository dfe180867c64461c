#include "numberanimation.h"

NumberAnimation::NumberAnimation(QWidget *target, double *value)
    : QVariantAnimation(nullptr), mTarget(target), mValue(value)
{
    connect(this, &QVariantAnimation::valueChanged, this, &NumberAnimation::receiveValueChanged);
    connect(this, &QAbstractAnimation::finished, this, &NumberAnimation::animationFinished);
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
