#ifndef MYSLIDER_H
#define MYSLIDER_H

#include <QSlider>

class QLabel;

// Zoom slider: shows its value as a percentage in its middle and jumps
// straight to the value under the mouse instead of stepping a page.
class MySlider : public QSlider
{
    Q_OBJECT
public:
    // handleLength 0 means half the slider's thickness.
    explicit MySlider(QWidget *parent = nullptr, quint16 handleLength = 0);
    int valueFromPosition(const QPoint &pos) const;
    void setPositionNotify(int position, bool notify);
    QLabel *valueLabel() const { return mValueLabel; }

public slots:
    void updateValueLabel(int value);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void jumpTo(int value);

    QLabel *mValueLabel = nullptr;
    quint16 mHandleLength = 0;
    // A press or move was seen since the last release (shared by all sliders).
    static bool sPressedOrMoved;
};

// Plain slider of the window-attribute dialog's crop controls.
class RectSlider : public QSlider
{
public:
    explicit RectSlider(QWidget *parent = nullptr) : QSlider(parent) {}
};

#endif
