// Input-source buttons beside the wall, the input-resolution table and the
// drop of a button on the wall.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "Graphics/inputchannel.h"
#include "Graphics/inputsourcebutton.h"
#include "Graphics/resolutionratioscene.h"
#include "Graphics/userview.h"
#include "link/devicecommand.h"
#include "maincontent/mymessagebox.h"
#include "preset/paneltr.h"

#include <QDebug>

namespace {

// Input size by the resolution code the box reports for a window's input.
const QSize kInputResolutions[] = {
    {720, 240},   {1440, 240},  {720, 288},   {1440, 288},  {640, 480},   {640, 480},
    {720, 480},   {1920, 540},  {1920, 540},  {1920, 540},  {720, 576},   {800, 600},
    {1280, 720},  {1280, 720},  {1280, 720},  {1024, 768},  {1280, 1024}, {2048, 1080},
    {1920, 1080}, {1920, 1080}, {1920, 1080}, {1920, 1080}, {1920, 1080}, {1600, 1200},
    {3840, 2160}, {3840, 2160}, {3840, 2160}, {3840, 2160}, {3840, 2160}, {3840, 2160},
    {4096, 2160}, {4096, 2160}, {4096, 2160}, {4096, 2160}, {2560, 1600}, {4096, 2400},
    {1280, 720},  {1280, 720},  {1280, 720},
};
static_assert(sizeof(kInputResolutions) / sizeof(kInputResolutions[0]) == 39, "39 resolution codes");

// Where each button sits in its parent, and returns to after a drag.
const QPoint kButtonHomes[4] = {{30, 175}, {110, 175}, {30, 210}, {110, 210}};

} // namespace

InputChannel *MainWindow::panelWindow(int index) const
{
    const UserView *view = ui->graphicsView;
    const ResolutionRatioScene *scene = view->mScenes.value(mCurrentSceneIndex, nullptr);
    if (!scene || index < 0 || index >= scene->mChannels.size())
        return nullptr;
    return scene->mChannels.at(index);
}

void MainWindow::initInputSources()
{
    for (const QSize &size : kInputResolutions)
        mInputResolutions.append(size);

    mInputSourceButtons << ui->inBtn_1 << ui->inBtn_2 << ui->inBtn_3 << ui->inBtn_4;
    for (int i = 0; i < mInputSourceButtons.size(); ++i) {
        InputSourceButton *button = mInputSourceButtons.at(i);
        button->raise();
        button->mInputSourceIndex = i + 1;
        button->setHomePos(kButtonHomes[i].x(), kButtonHomes[i].y());
        connect(button, &InputSourceButton::releaseMouseLeft, this,
                [this, button](int number, QPoint pos) { onInputSourceDropped(button, number, pos); });
    }
}

void MainWindow::loadInputSourceCaptions()
{
    for (InputSourceButton *button : qAsConst(mInputSourceButtons))
        button->loadSavedCaption();
}

void MainWindow::onInputSourceDropped(InputSourceButton *button, int number, QPoint pos)
{
    const int source = number - 1;
    if (!button || source < 0 || source > 3)
        return;
    UserView *view = ui->graphicsView;
    // channelAt works in viewport coordinates, as the view's own mouse events do.
    if (!view->channelAt(view->viewport()->mapFromGlobal(pos))) {
        openWindowAt(button, source, pos);
        return;
    }
    const int index = view->mCurrentChannelIndex;
    const InputChannel *window = panelWindow(index);
    if (!window)
        return;
    if (window->mFreeze) {
        MyMessageBox::error(this, panelTr("警告"),
                            panelTr("窗口%1为冻结模式，无法进行输入源切换！").arg(index + 1));
        return;
    }
    if (window->mSolidColor) {
        MyMessageBox::error(this, panelTr("警告"),
                            panelTr("窗口%1为纯色填充模式下，无法进行输入源切换！").arg(index + 1));
        return;
    }
    assignInputSource(index, button, source);
}

void MainWindow::openWindowAt(InputSourceButton *button, int source, QPoint globalPos)
{
    const int index = ui->graphicsView->openWindowAt(globalPos);
    if (index == -1) {
        qDebug() << "不符合窗口创建的条件";
        return;
    }
    assignInputSource(index, button, source);
}

// The window shows the whole picture of its new input.
void MainWindow::assignInputSource(int index, InputSourceButton *button, int source)
{
    InputChannel *window = panelWindow(index);
    if (!window)
        return;
    window->mInputSourceIndex = source;
    window->mInputSourceID = source;
    window->mCropHStart = 0;
    window->mCropVStart = 0;
    window->mCropHEnd = button->mSourceWidth;
    window->mCropVEnd = button->mSourceHeight;
    window->update();
    sendCommand(DeviceCommand::windowCommand(index, DeviceCommand::InputSource, source));
}
