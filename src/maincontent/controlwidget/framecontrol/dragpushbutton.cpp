#include "maincontent/controlwidget/framecontrol/dragpushbutton.h"

#include "maincontent/controlwidget/controlpagecommand.h"
#include "maincontent/controlwidget/dragbounds.h"
#include "maincontent/controlwidget/framecontrol/routinggrid.h"

#include <QDebug>
#include <QMouseEvent>

int DragPushButton::sStartX = 0;
int DragPushButton::sStartY = 0;

DragPushButton::DragPushButton(int id, QWidget *parent)
    : QPushButton(parent), mId(id)
{
    setMouseTracking(true);
}

void DragPushButton::send(QString nub)
{
    ControlPageCommand::send(nub);
}

void DragPushButton::tcpSend(QString nub)
{
    ControlPageCommand::writeTcp(nub);
}

void DragPushButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        raise();
        mPressPoint = event->localPos().toPoint();
        sStartX = x();
        sStartY = y();
        qDebug() << "start" << sStartX << sStartY << "id" << mId;
    }
    QPushButton::mousePressEvent(event);
}

void DragPushButton::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() == Qt::LeftButton) {
        const QPoint local = event->localPos().toPoint();
        move(mapToParent(local - mPressPoint));

        const int output = RoutingGrid::hoverOutputAt(pos() + local);
        if (output == 1)
            emit gao1();
        else
            emit di();
        if (output == 2)
            emit gao2();
        else if (output == 3)
            emit gao3();
        else if (output == 4)
            emit gao4();

        keepInsideParent();
    }
    QPushButton::mouseMoveEvent(event);
}

void DragPushButton::keepInsideParent()
{
    if (QWidget *parent = parentWidget())
        move(keptInsideParent(pos(), size(), parent->size()));
}

void DragPushButton::mouseReleaseEvent(QMouseEvent *event)
{
    mDropX = x();
    mDropY = y();
    qDebug() << "drop" << mDropX << mDropY;

    if (event->button() == Qt::LeftButton)
        setGeometry(sStartX, sStartY, 80, 50);

    if (mId >= 0 && mId <= 3) {
        const int input = mId + 1;
        const int output = RoutingGrid::dropOutputAt(QPoint(mDropX, mDropY));
        if (output != 0) {
            if (mId == 0)
                qDebug() << RoutingGrid::choiceLine(output, input);
            send(ControlPageCommand::routing(output, input));
            switch (output) {
            case 1: emit changeUI1(); break;
            case 2: emit changeUI2(); break;
            case 3: emit changeUI3(); break;
            case 4: emit changeUI4(); break;
            }
        }
    }
    QPushButton::mouseReleaseEvent(event);
}
