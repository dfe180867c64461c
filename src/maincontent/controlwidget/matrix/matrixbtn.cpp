#include "maincontent/controlwidget/matrix/matrixbtn.h"

#include "maincontent/controlwidget/controlpagecommand.h"
#include "maincontent/controlwidget/dragbounds.h"
#include "maincontent/controlwidget/framecontrol/dragpushbutton.h"

#include <QDebug>
#include <QMouseEvent>

matrixbtn::matrixbtn(int id, QWidget *parent) : QPushButton(parent), mId(id)
{
}

void matrixbtn::sendHex(QString nub)
{
    ControlPageCommand::writeSerial(nub);
}

void matrixbtn::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        raise();
        mPressPoint = event->localPos().toPoint();
        // The routing page's buttons share this home, so it is program-wide.
        DragPushButton::sStartX = x();
        DragPushButton::sStartY = y();
    }
    QPushButton::mousePressEvent(event);
}

void matrixbtn::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() == Qt::LeftButton) {
        const QPoint local = event->localPos().toPoint();
        const QPoint target = mapToParent(local - mPressPoint);
        move(target);
        const QPoint probe = pos() + local;
        // The preview of the page, a little inside its drawn frame.
        if (probe.x() > 225 && probe.x() < 545 && probe.y() > 235 && probe.y() < 405) {
            emit gao();
            qDebug() << "event=" << local << " this=" << pos() << " mapToParent=" << target;
        } else {
            emit di();
        }
        if (QWidget *parent = parentWidget())
            move(keptInsideParent(pos(), size(), parent->size()));
    }
    QPushButton::mouseMoveEvent(event);
}

void matrixbtn::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        // The page looks at the cursor, so it must hear of the drop before
        // the button goes home.
        switch (mId) {
        case 1: emit changeUI1(); break;
        case 2: emit changeUI2(); break;
        case 3: emit changeUI3(); break;
        case 4: emit changeUI4(); break;
        default: break;
        }
        qDebug() << "释放了";
        emit di();
        setGeometry(DragPushButton::sStartX, DragPushButton::sStartY, 80, 50);
    }
    QPushButton::mouseReleaseEvent(event);
}

void matrixbtn::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit colorChanged();
    QPushButton::mouseDoubleClickEvent(event);
}
