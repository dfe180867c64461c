#ifndef WIDGETDRAG_H
#define WIDGETDRAG_H

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

// Drives a widget that follows the mouse (a draggable input button) with the
// events a user's drag makes. The widget is grabbed at `grab`, inside it;
// cursor positions are in its parent.
class WidgetDrag
{
public:
    explicit WidgetDrag(QWidget *widget, QPoint grab = QPoint(40, 25))
        : mWidget(widget), mGrab(grab), mCursor(widget->pos() + grab)
    {
        send(QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
    }
    // Moves the cursor to `cursor`, the left button held, in steps as small
    // as a hand makes them, so that a widget following the mouse keeps up.
    void moveTo(QPoint cursor)
    {
        const QPoint from = mCursor;
        const QPoint way = cursor - from;
        const int steps = qMax(qAbs(way.x()), qAbs(way.y())) / 10 + 1;
        for (int i = 1; i <= steps; ++i) {
            mCursor = from + way * i / steps;
            send(QEvent::MouseMove, mCursor - mWidget->pos(), Qt::NoButton, Qt::LeftButton);
        }
    }
    // Lets go with `button` where the cursor is.
    void release(Qt::MouseButton button = Qt::LeftButton)
    {
        send(QEvent::MouseButtonRelease, mCursor - mWidget->pos(), button, Qt::MouseButtons(Qt::LeftButton) & ~button);
    }
    // Carries the widget so that its top-left lands at `topLeft`, and drops it.
    void dropAt(QPoint topLeft)
    {
        moveTo(topLeft + mGrab);
        release();
    }

private:
    void send(QEvent::Type type, QPoint local, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        QMouseEvent event(type, local, mWidget->mapToGlobal(local), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(mWidget, &event);
    }
    QWidget *mWidget;
    QPoint mGrab;
    QPoint mCursor; // in the parent
};

#endif
