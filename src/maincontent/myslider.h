#ifndef MYSLIDER_H
#define MYSLIDER_H

#include <QSlider>

class QLabel;

// Zoom slider: shows its value as a percentage and jumps to a clicked place.
class MySlider : public QSlider
{
    Q_OBJECT
public:
    explicit MySlider(QWidget *parent = nullptr, quint16 handleLength = 0);
    int valueFromPosition(const QPoint &pos) const;
    void setPositionNotify(int position, bool notify);
public slots:
    void updateValueLabel(int value);
};

// Plain slider of the window-attribute dialog's crop controls.
class RectSlider : public QSlider
{
    Q_OBJECT
public:
    explicit RectSlider(QWidget *parent = nullptr) : QSlider(parent) {}
};

#endif
