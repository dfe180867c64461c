#ifndef DRAGPUSHBUTTON_H
#define DRAGPUSHBUTTON_H

#include <QPoint>
#include <QPushButton>

// An input button of the control pages that the user drags onto an output;
// dropped on one, it routes its input there. Ids 0..3 stand for inputs 1..4.
class DragPushButton : public QPushButton
{
    Q_OBJECT
public:
    DragPushButton(int id, QWidget *parent);

    int mDropX = 0;     // top-left x in the parent at the last release
    int mDropY = 0;     // top-left y in the parent at the last release
    QPoint mPressPoint; // press position inside the button
    int mId;

    // Home of the button last pressed with the left button, shared by every
    // draggable input button of the control pages.
    static int sStartX;
    static int sStartY;

signals:
    void changeUI1();
    void changeUI2();
    void changeUI3();
    void changeUI4();
    void gao1();
    void gao2();
    void gao3();
    void gao4();
    void di();

public slots:
    void send(QString nub);
    void tcpSend(QString nub);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void keepInsideParent();
};

#endif
