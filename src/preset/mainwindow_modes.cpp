// Layout modes of the four windows, the output resolution, the window level
// and the device-wide buttons: save all, factory reset, picture reset.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "Graphics/inputchannel.h"
#include "Graphics/resolutionratioscene.h"
#include "Graphics/userview.h"
#include "globals.h"
#include "link/devicecommand.h"
#include "maincontent/mymessagebox.h"
#include "maincontent/waitingwidget.h"
#include "preset/modestr.h"

#include <QDebug>

namespace {

using namespace DeviceCommand;

constexpr int kModeWaitMs = 300;
constexpr int kDeviceWaitMs = 5000;
constexpr int kPictureStepWaitMs = 100;

// Runs a busy box for its time; the send pump keeps running meanwhile.
void waitBusy(const QString &text, int ms)
{
    WaitingWidget box(text, ms, 0);
    box.exec();
}

// Where a layout mode puts one window: open or closed, and for an open one
// its place and size on the canvas.
struct WindowPlace {
    bool open;
    QRectF rect;   // x, y, width, height
};

// One placement per window 1..4 on a canvas of w x h.
using Placement = QVector<WindowPlace>;

Placement singleScreen(double w, double h)
{
    return {{true, {0, 0, w, h}}, {false, {}}, {false, {}}, {false, {}}};
}

Placement fourDivision(double w, double h)
{
    const double hw = w * 0.5, hh = h * 0.5;
    return {{true, {0, 0, hw, hh}}, {true, {hw, 0, hw, hh}}, {true, {0, hh, hw, hh}}, {true, {hw, hh, hw, hh}}};
}

Placement twoDivisionObos(double w, double h)
{
    return {{true, {w * 0.5, h * 0.5, w * 0.5, h * 0.5}}, {true, {0, 0, w, h}}, {false, {}}, {false, {}}};
}

Placement twoScreensLeftRight(double w, double h)
{
    return {{true, {0, 0, w * 0.5, h}}, {true, {w * 0.5, 0, w * 0.5, h}}, {false, {}}, {false, {}}};
}

Placement twoDivisionUpDown(double w, double h)
{
    return {{true, {0, 0, w, h * 0.5}}, {true, {0, h * 0.5, w, h * 0.5}}, {false, {}}, {false, {}}};
}

Placement fourDivisionObts(double w, double h)
{
    const double x = 2 * w / 3, sw = w / 3, sh = h / 3;
    return {{true, {x, 0, sw, sh}}, {true, {x, sh, sw, sh}}, {true, {x, 2 * sh, sw, sh}}, {true, {0, 0, w, h}}};
}

// Crop of a window reset to the whole of its own size.
void cropToWindow(InputChannel *window)
{
    window->mCropHStart = 0;
    window->mCropVStart = 0;
    window->mCropHEnd = int(window->mRect.width());
    window->mCropVEnd = int(window->mRect.height());
}

} // namespace

// ---------------------------------------------------------- layout modes --

// A visible layout mode: tells the box, lays the windows out on the canvas,
// stacks them 1 to 4 front to back and tells the box the stacking order.
// selectWindow 0 keeps the panel's selection; 1..4 selects that window.
static void runLayoutMode(MainWindow *main, const char *command,
                          Placement (*placement)(double, double), bool wholeRect, int selectWindow)
{
    Ui_MainWindow *ui = main->getUi();
    main->sendCommand(QLatin1String(command));
    waitBusy(QString(), kModeWaitMs);

    ResolutionRatioScene *scene = main->panelScene();
    if (!scene)
        return;
    const Placement places = placement(scene->sceneRect().width(), scene->sceneRect().height());
    for (int i = 0; i < scene->mChannels.size() && i < places.size(); ++i) {
        InputChannel *window = scene->mChannels.at(i);
        const WindowPlace &place = places.at(i);
        if (place.open) {
            window->openChannel();
            if (wholeRect)
                window->setRect(QRectF(0, 0, place.rect.width(), place.rect.height()));
            else
                window->setRect(QRectF(window->mRect.topLeft(), place.rect.size()));
            window->setPos(place.rect.topLeft());
        } else {
            window->closeChannel();
        }
        main->moveWindowToLevel(i, i);
        window->update();
    }

    if (selectWindow > 0) {
        InputChannel *window = scene->mChannels.value(selectWindow - 1, nullptr);
        main->changeUIBaseSelectChannel(selectWindow);
        ui->currentChannelCBox->setCurrentIndex(selectWindow - 1);
        if (window)
            window->setFocus();
    } else {
        const int selected = ui->currentChannelCBox->currentIndex();
        if (InputChannel *window = scene->mChannels.value(selected, nullptr))
            window->update();
        main->changeUIBaseSelectChannel(selected + 1);
    }

    main->sendCommand(UserView::layerOrderText(scene));
}

void MainWindow::on_ptn_singleScreenModel_clicked()
{
    runLayoutMode(this, SingleScreen, singleScreen, false, 1);
}

void MainWindow::on_ptn_fourDivisionModel_clicked()
{
    runLayoutMode(this, FourDivision, fourDivision, true, 0);
}

void MainWindow::on_ptn_twoDivisionModel_OBOS_clicked()
{
    runLayoutMode(this, TwoDivisionObos, twoDivisionObos, false, 1);
}

void MainWindow::on_ptn_twoScreenModel_leftRight_clicked()
{
    runLayoutMode(this, TwoScreensLeftRight, twoScreensLeftRight, false, 1);
}

void MainWindow::on_ptn_twoDivisionModel_upDown_clicked()
{
    runLayoutMode(this, TwoDivisionUpDown, twoDivisionUpDown, false, 1);
}

void MainWindow::on_ptn_fourDivisionModel_OBTS_clicked()
{
    runLayoutMode(this, FourDivisionObts, fourDivisionObts, false, 4);
}

// The three modes below have no button on screen; they open all four windows
// and send no stacking order.

// Opens every window of the canvas and puts it at rect.
static void placeOpenWindow(InputChannel *window, const QRectF &rect)
{
    window->openChannel();
    window->setRect(QRectF(window->mRect.topLeft(), rect.size()));
    window->setPos(rect.topLeft());
    window->update();
}

void MainWindow::on_ptn_openWindowModel_clicked()
{
    sendCommand(QLatin1String(TwoScreensLeftRight));
    ResolutionRatioScene *scene = panelScene();
    if (!scene || scene->mChannels.size() < 4)
        return;
    const double w = scene->sceneRect().width(), h = scene->sceneRect().height();
    const double side = h / 3, x = w - side;
    placeOpenWindow(scene->mChannels.at(1), QRectF(0, 0, x, h));
    const int small[3] = {0, 2, 3};
    for (int k = 0; k < 3; ++k)
        placeOpenWindow(scene->mChannels.at(small[k]), QRectF(x, k * side, side, side));
    for (InputChannel *window : qAsConst(scene->mChannels))
        cropToWindow(window);

    changeUIBaseSelectChannel(2);
    ui->currentChannelCBox->setCurrentIndex(1);
    scene->mChannels.at(1)->setFocus();
}

void MainWindow::on_ptn_overlayModel_clicked()
{
    sendCommand(QLatin1String(TwoDivisionUpDown));
    ResolutionRatioScene *scene = panelScene();
    const int selected = selectedIndex();
    if (!scene || scene->mChannels.size() < 4 || selected < 0 || selected > 3)
        return;
    const double w = scene->sceneRect().width(), h = scene->sceneRect().height();
    const double side = h / 3;
    int k = 0;
    for (int i = 0; i < 4; ++i) {
        InputChannel *window = scene->mChannels.at(i);
        if (i == selected)
            placeOpenWindow(window, QRectF(0, 0, w, h));
        else
            placeOpenWindow(window, QRectF(w - side, k++ * side, side, side));
        cropToWindow(window);
    }
    moveWindowToLevel(SelectedWindow, 0);
    changeUIBaseSelectChannel(selected + 1);
}

void MainWindow::on_ptn_levelMode_clicked()
{
    sendCommand(QLatin1String(LevelMode));
    ResolutionRatioScene *scene = panelScene();
    if (!scene || scene->mChannels.size() < 4)
        return;
    const double w = scene->sceneRect().width(), h = scene->sceneRect().height();
    for (int i = 0; i < 4; ++i) {
        InputChannel *window = scene->mChannels.at(i);
        placeOpenWindow(window, QRectF(i * w / 5, i * h / 5, 2 * w / 5, 2 * h / 5));
        window->mLayer = i + 1;
    }
    changeUIBaseSelectChannel(selectedIndex() + 1);
}

// ------------------------------------------------------- output modes -----

void MainWindow::on_outputModeComBox_currentIndexChanged(int index)
{
    const QString command = outputModeCommand(index);
    if (command.isEmpty())
        return;   // the combo was emptied
    sendCommand(command);
    g_outputMode = index;
    for (int window = 1; window <= 4; ++window)
        changeUIBaseSelectChannel(window);
}

// Hidden "1200 mode" box: checked asks for the 1200-line output, unchecked
// for 1080 lines; the panel's output mode is left as it is.
void MainWindow::on_checkBox_clicked(bool checked)
{
    sendCommand(outputModeCommand(checked ? 1 : 0));
}

// ------------------------------------------------------- window level -----

void MainWindow::onWindowLevelChanged(int level)
{
    const int selected = selectedIndex();
    if (mInitialChannelIndex != selected) {
        // The level followed another window's selection: show that window.
        mInitialChannelIndex = selected;
        changeUIBaseSelectChannel(selected + 1);
        return;
    }
    const InputChannel *window = selectedWindow();
    ResolutionRatioScene *scene = panelScene();
    if (!window || !scene || level < 0 || level == window->mLayer - 1)
        return;
    moveWindowToLevel(SelectedWindow, level);
    sendCommand(UserView::layerOrderText(scene));
}

// ---------------------------------------------------- device buttons ------

void MainWindow::on_ptn_saveAll_clicked()
{
    sendCommand(QLatin1String(SaveAll));
    waitBusy(modesTr("waiting"), kDeviceWaitMs);
    MyMessageBox::information(this, modesTr("消息"), modesTr("保存成功！"));
}

void MainWindow::on_ptn_factoryDataReset_clicked()
{
    if (!MyMessageBox::question(this, modesTr("警告"), modesTr("确定要重置吗？")))
        return;
    sendCommand(QLatin1String(FactoryReset));
    waitBusy(modesTr("waiting"), kDeviceWaitMs);
    // The drawing goes back to one screen; the applied grid and the zoom stay,
    // so the apply button offers the grid again.
    ui->rowCbx->setCurrentText(QStringLiteral("1"));
    ui->columnCbx->setCurrentText(QStringLiteral("1"));
    updateWallScene();
    MyMessageBox::information(this, modesTr("消息"), modesTr("恢复成功，请手动重启设备！"));
}

void MainWindow::on_btn_page2Reset_clicked()
{
    if (!MyMessageBox::question(this, modesTr("警告"), modesTr("确定要重置吗？")))
        return;
    const int w = selectedIndex();
    InputChannel *window = selectedWindow();
    if (!window)
        return;

    // Panel value, device code, value on the wire (with the panel's offsets).
    struct Step {
        int InputSourceValues::*value;
        int panelValue;
        int code;
        int deviceValue;
        const char *text;
    };
    static const Step kSteps[7] = {
        {&InputSourceValues::mLuminance, 0, Luminance, 0x0400, "请稍等(7/1)"},
        {&InputSourceValues::mContrast, 100, Contrast, 0x0064, "请稍等(7/2)"},
        {&InputSourceValues::mSaturation, 100, Saturation, 0x0064, "请稍等(7/3)"},
        {&InputSourceValues::mColorTemperature, 0, ColorTemperature, 0x0000, "请稍等(7/4)"},
        {&InputSourceValues::mHue, 0, Hue, 0x00b4, "请稍等(7/5)"},
        {&InputSourceValues::mHSharpness, 0, HSharpness, 0x000a, "请稍等(7/6)"},
        {&InputSourceValues::mVSharpness, 0, VSharpness, 0x000a, "请稍等(7/7)"},
    };
    for (const Step &step : kSteps) {
        window->*step.value = step.panelValue;
        sendWindowCommand(w, step.code, step.deviceValue);
        waitBusy(modesTr(step.text), kPictureStepWaitMs);
    }
    // The panel shows the reset values; filling it sends nothing again.
    changeUIBaseSelectChannel(w + 1);
}

void MainWindow::on_pushButtonReset103_clicked()
{
    sendCommand(QLatin1String(ControllerReset));
}
