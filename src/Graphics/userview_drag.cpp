// The wall view's drag road: the send tick, the ticker's geometry texts and the drop that opens a window.

#include "userview.h"

#include "inputchannel.h"
#include "link/devicecommand.h"
#include "mainwindow.h"
#include "resolutionratioscene.h"
#include "transfercontroller.h"
#include "userview_p.h"
#include "wallgeometry.h"

#include <QDebug>
#include <QTimer>
#include <algorithm>

using namespace UserViewPrivate;

// ------------------------------------------------------------- send tick --

void UserView::sendCommand(const QString &hexText)
{
    if (mMainWindow)
        mMainWindow->sendCommand(hexText);
}

void UserView::setTickInterval(int ms)
{
    mSendTickTimer->stop();
    mSendTickTimer->start(ms);
}

// ------------------------------------------------------------ drag road --

QString UserView::deviceGeometryText(InputChannel *channel, int index) const
{
    using WallGeometry::deviceFromWholeCanvas;
    const WallGeometry::Factors f = seamFactors(currentScene());
    const QPointF pos = channel->pos();
    return DeviceCommand::geometryCommand(index, deviceFromWholeCanvas(pos.x(), f.x), deviceFromWholeCanvas(pos.y(), f.y),
                                          deviceFromWholeCanvas(channel->mRect.width(), f.x),
                                          deviceFromWholeCanvas(channel->mRect.height(), f.y));
}

void UserView::handleData()
{
    const ResolutionRatioScene *scene = currentScene();
    if (!scene)
        return;
    const QList<InputChannel *> &channels = scene->mChannels;
    int edited = 0;
    while (edited < channels.size() && !isDragMode(channels.at(edited)->mEditMode))
        ++edited;
    // The edit is over (however it ended): the ticker may sleep until the next.
    if (edited == channels.size()) {
        if (mTransferController)
            mTransferController->setTicking(false);
        return;
    }
    // At most one geometry per send tick: nothing to do until the tick allows it.
    if (!mMaySend || !linkUp())
        return;
    mMaySend = false;
    sendGeometryText(channels.at(edited), deviceGeometryText(channels.at(edited), edited));
}

void UserView::sendGeometryText(InputChannel *channel, const QString &text)
{
    mLastGeometry.insert(channel, text);
    sendCommand(text);
}

void UserView::sendGeometry(InputChannel *channel, int index, int x, int y, int w, int h)
{
    sendGeometryText(channel, DeviceCommand::geometryCommand(index, x, y, w, h));
}

int UserView::openWindowAt(QPoint globalPos)
{
    ResolutionRatioScene *scene = currentScene();
    int index = -1;
    for (int i = 0; i < scene->mChannels.size(); ++i) {
        if (!scene->mChannels.at(i)->mOpen) {
            index = i;
            break;
        }
    }
    if (index < 0) {
        qDebug() << "所有窗口都已打开，不能再继续创建窗口";
        return -1;
    }
    const QPointF s = mapToScene(viewport()->mapFromGlobal(globalPos));
    const qreal W = scene->sceneRect().width();
    const qreal H = scene->sceneRect().height();
    if (s.x() < 0 || s.y() < 0 || s.x() > W || s.y() > H) {
        qDebug() << "不是规定位置的开窗，阻止开窗";
        return -1;
    }
    qDebug() << "创建了窗口-" << index + 1;

    InputChannel *channel = scene->mChannels.at(index);
    // Sent here and again by openWindow() on purpose: the box gets the open command
    // twice before the geometry, and the traffic log and the box's command count rely on it.
    sendCommand(DeviceCommand::windowCommand(index, DeviceCommand::Open, 1));
    openWindow(index);

    const qreal w = channel->mRect.width();
    const qreal h = channel->mRect.height();
    channel->setPos(s.x() - 0.5 * w, s.y() - 0.5 * h);

    using WallGeometry::deviceFromWholeCanvas;
    using WallGeometry::truncated;
    int x = truncated(s.x() - 0.5 * w);
    int y = truncated(s.y() - 0.5 * h);
    x = std::max(x, 0);
    y = std::max(y, 0);
    if (x + w > W)
        x = truncated(W - w);
    if (y + h > H)
        y = truncated(H - h);
    // Scaled like the drag road, so walls beyond the device space get device pixels.
    const WallGeometry::Factors f = seamFactors(scene);
    sendGeometry(channel, index, deviceFromWholeCanvas(x, f.x), deviceFromWholeCanvas(y, f.y),
                 deviceFromWholeCanvas(w, f.x), deviceFromWholeCanvas(h, f.y));
    return index;
}
