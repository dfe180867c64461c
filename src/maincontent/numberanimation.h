#ifndef NUMBERANIMATION_H
#define NUMBERANIMATION_H

#include <QPointer>
#include <QVariantAnimation>
#include <QWidget>

// Animates a double that its owner holds and repaints a widget at every
// step; with ping-pong it runs back and forth until stopped from outside.
// Duration and easing are the animation base's defaults.
class NumberAnimation : public QVariantAnimation
{
    Q_OBJECT
public:
    // Neither the target (may be null) nor the value is owned.
    NumberAnimation(QWidget *target, double *value);

    void startAnimation(const QVariant &start, const QVariant &end);
    void setPingPong(bool pingPong) { mPingPong = pingPong; }
    void updateTarget();

public slots:
    void receiveValueChanged(QVariant value);
    void animationFinished();

private:
    QPointer<QWidget> mTarget;
    double *mValue = nullptr;
    bool mPingPong = false;
};

#endif
