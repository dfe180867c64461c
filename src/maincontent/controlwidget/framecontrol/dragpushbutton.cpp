#include "maincontent/controlwidget/framecontrol/dragpushbutton.h"

#include "maincontent/controlwidget/controlpagecommand.h"

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
    QPushButton::mousePressEvent(event);
}

void DragPushButton::mouseReleaseEvent(QMouseEvent *event)
{
    QPushButton::mouseReleaseEvent(event);
}

void DragPushButton::mouseMoveEvent(QMouseEvent *event)
{
    QPushButton::mouseMoveEvent(event);
}
