#ifndef TITLEBAR_H
#define TITLEBAR_H

#include <QPoint>
#include <QPointer>
#include <QWidget>

// A bar that drags another widget (its move widget) with the left button.
class TitleBar : public QWidget
{
    Q_OBJECT
public:
    explicit TitleBar(QWidget *parent = nullptr);

    void setMoveWidget(QWidget *widget);
    QWidget *moveWidget() const { return mMoveWidget; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

    bool mPressed = false;
    QPoint mDragOffset;
    QPointer<QWidget> mMoveWidget;   // not owned
};

#endif
