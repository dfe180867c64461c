// The wall view's keys: moving, scaling, layering and rotating the current window, and the position steps.

#include "userview.h"

#include "inputchannel.h"
#include "link/devicecommand.h"
#include "resolutionratioscene.h"
#include "userview_p.h"
#include "wallgeometry.h"

#include <QDebug>
#include <QTimer>
#include <algorithm>

using namespace UserViewPrivate;

// ----------------------------------------------------------------- keys --

void UserView::handleKey(int key, int step)
{
    if (!g_pressFinished || !checkedIndex(mCurrentChannelIndex))
        return;
    using WallGeometry::deviceFromCanvas;
    ResolutionRatioScene *scene = currentScene();
    const WallGeometry::Factors f = cappedFactors(scene);
    const int w = mCurrentChannelIndex;
    InputChannel *channel = scene->mChannels.at(w);

    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        channel->moveBy(key == Qt::Key_Left ? -step : step, 0);
        sendCommand(DeviceCommand::windowCommand(w, DeviceCommand::PosX, deviceFromCanvas(channel->x(), f.x)));
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        channel->moveBy(0, key == Qt::Key_Up ? -step : step);
        sendCommand(DeviceCommand::windowCommand(w, DeviceCommand::PosY, deviceFromCanvas(channel->y(), f.y)));
        break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        scaleChannel(key == Qt::Key_PageUp ? 1 : 0, step);
        sendGeometry(channel, w, deviceFromCanvas(channel->x(), f.x), deviceFromCanvas(channel->y(), f.y),
                     deviceFromCanvas(channel->mRect.width(), f.x), deviceFromCanvas(channel->mRect.height(), f.y));
        break;
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_T:
        scene->setLayer(w, key == Qt::Key_Home ? ResolutionRatioScene::LayerUp
                         : key == Qt::Key_End ? ResolutionRatioScene::LayerDown
                                              : ResolutionRatioScene::LayerToTop);
        sendCommand(layerOrderText(scene));
        break;
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
    case Qt::Key_4:
        if (!channel->mSolidColor) {
            const int source = key - Qt::Key_1;
            channel->mInputSourceIndex = source;
            sendCommand(DeviceCommand::windowCommand(w, DeviceCommand::InputSource, source));
        }
        break;
    case Qt::Key_R:
        if (!channel->mSolidColor)
            stepRotation(channel, w);
        break;
    default:
        break;
    }

    channel->update();
    mKeyBusy = true;
    mKeyTimer->start(40);
}

void UserView::stepRotation(InputChannel *channel, int index)
{
    const int from = channel->mRotation;
    if (from != 0 && from != 90 && from != 180 && from != 270)
        return;
    qDebug() << "Now Key_R = " << from;
    switch (from) {
    case 0:
        qDebug() << "90 rotate";
        sendCommand(DeviceCommand::windowCommand(index, DeviceCommand::Rotate90, 1));
        channel->setRotationDegrees(90);
        break;
    case 90:
        qDebug() << "180 rotate";
        sendCommand(DeviceCommand::windowCommand(index, DeviceCommand::RotateReset, 0));
        channel->setRotationDegrees(180);
        break;
    case 180:
        qDebug() << "180 rotate";
        sendCommand(DeviceCommand::windowCommand(index, DeviceCommand::RotateReset, 0));
        qDebug() << "270 rotate";
        sendCommand(DeviceCommand::windowCommand(index, DeviceCommand::Rotate270, 1));
        channel->setRotationDegrees(270);
        break;
    case 270:
        qDebug() << "0 rotate";
        sendCommand(DeviceCommand::windowCommand(index, DeviceCommand::Rotate270, 0));
        channel->setRotationDegrees(0);
        break;
    }
}

void UserView::scaleChannel(int op, int step)
{
    InputChannel *channel = currentChannel();
    if (!channel || (op != 0 && op != 1))
        return;
    const QRectF rect = currentScene()->sceneRect();
    const int SW = WallGeometry::truncated(rect.width());
    const int SH = WallGeometry::truncated(rect.height());
    const int dx = std::max(2 * step, SW * step / 1000);
    const int dy = std::max(step, SH * step / 1000);
    const int hx = dx / 2;
    const int hy = dy / 2;
    qreal w = channel->mRect.width();
    qreal h = channel->mRect.height();

    if (op == 0) {
        qreal moveX = 0, moveY = 0;
        // Tested with half the step, shrunk by the whole step, on purpose: a window may end up to
        // hx below 200, and the sizes the box receives follow this.
        if (w - hx > 200) {
            w -= dx;
            moveX = hx;
        } else {
            w = 200;
        }
        if (h - hy > 200) {
            h -= dy;
            moveY = hy;
        } else {
            h = 200;
        }
        // The smaller size first: the position clamp bounds the move by the
        // window's size, and a window flush with the right or bottom edge
        // could not move otherwise.
        channel->setRect(QRectF(channel->mRect.x(), channel->mRect.y(), w, h));
        channel->moveBy(moveX, moveY);
    } else {
        channel->moveBy(-hx, -hy);
        if (channel->x() <= 0)
            channel->setX(0);
        if (channel->y() <= 0)
            channel->setY(0);
        if (channel->x() + w + dx + hx >= SW) {
            w = SW - channel->x();
            qDebug() << "enter if = " << w;
        } else {
            w += dx;
        }
        if (channel->y() + h + dy + hy >= SH)
            h = SH - channel->y();
        else
            h += dy;
        channel->setRect(QRectF(channel->mRect.x(), channel->mRect.y(), w, h));
    }
    viewport()->update();
}

// Never runs: no window emits sendXYPos. Kept on purpose, unwired: calling it would send
// the box single X/Y commands that no edit sends today.
void UserView::onSendXYPos(int index, int sendModeIndex)
{
    if (mXYPosBusy || !checkedIndex(index))
        return;
    using WallGeometry::deviceFromCanvas;
    const WallGeometry::Factors f = cappedFactors(currentScene());
    InputChannel *channel = currentScene()->mChannels.at(index);
    mXYPosBusy = true;
    const QString xText = DeviceCommand::windowCommand(index, DeviceCommand::PosX, deviceFromCanvas(channel->x(), f.x));
    const QString yText = DeviceCommand::windowCommand(index, DeviceCommand::PosY, deviceFromCanvas(channel->y(), f.y));
    if (sendModeIndex == 1) {
        sendCommand(xText);
    } else if (sendModeIndex == 2) {
        sendCommand(yText);
    } else if (sendModeIndex == 0) {
        sendCommand(g_xyAlternate ? xText : yText);
        g_xyAlternate = !g_xyAlternate;
    }
    mXYPosTimer->start(40);
}

// Never runs: only this routine starts mStepTimer. Kept on purpose, unwired: starting it
// would send the box X, Y and width commands that no edit sends today.
void UserView::stepPosition()
{
    mStepTimer->stop();
    InputChannel *channel = currentChannel();
    if (!channel)
        return;
    using WallGeometry::deviceFromCanvas;
    const WallGeometry::Factors f = cappedFactors(currentScene());
    const int w = mCurrentChannelIndex;
    switch (g_stepCounter) {
    case 0:
        sendCommand(DeviceCommand::windowCommand(w, DeviceCommand::PosX, deviceFromCanvas(channel->x(), f.x)));
        break;
    case 1:
        sendCommand(DeviceCommand::windowCommand(w, DeviceCommand::PosY, deviceFromCanvas(channel->y(), f.y)));
        break;
    case 2:
        sendCommand(DeviceCommand::windowCommand(w, DeviceCommand::Width, deviceFromCanvas(channel->mRect.width(), f.x)));
        g_stepCounter = 0;
        return;
    default:
        return;
    }
    ++g_stepCounter;
    mStepTimer->start(80);
}
