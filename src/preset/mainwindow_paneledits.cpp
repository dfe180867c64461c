// The selected-window panel's edits, check boxes and sliders, sent as window commands.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <array>

#include "Graphics/inputchannel.h"
#include "Graphics/resolutionratioscene.h"
#include "Graphics/sliceupscene.h"
#include "Graphics/sliceupsizeitem.h"
#include "Graphics/sliceupview.h"
#include "Graphics/userview.h"
#include "Graphics/wallgeometry.h"
#include "globals.h"
#include "link/devicecommand.h"
#include "maincontent/mymessagebox.h"
#include "maincontent/waitingwidget.h"
#include "preset/panelsource.h"
#include "preset/paneltr.h"

#include <QColorDialog>
#include <QDebug>
#include <QSlider>
#include <QTimer>

namespace {

using namespace DeviceCommand;
using namespace PanelSource;

constexpr int kSliderPauseMs = 60;

// Device codes of the 22 picture values, in panel order.
const int kPictureCodes[InputSourceInformation::PictureValueCount] = {
    Luminance, Contrast, Saturation, ColorTemperature, Hue, HSharpness, VSharpness,
    BlueCorrection, GreenCorrection, SkinCorrection, HFiltration, VFiltration, Shadow, Block,
    Noise, Hair, Sensitivity, Diagonal, PullDown22Timer, PullDown23Timer, DeGamma, PanelGamma,
};

using WallGeometry::truncated;

// One edge of a window's crop: its edit, its field and its command code, in
// the crop editor's report order (left, top, right, bottom).
struct CropEdge {
    QLineEdit *edit;
    int *field;
    int code;
};

std::array<CropEdge, 4> cropEdges(Ui_MainWindow *ui, InputChannel *w)
{
    return {{{ui->ldt_HorizontalStartLocation, &w->mCropHStart, CropHStart},
             {ui->ldt_VerticalStartLocation, &w->mCropVStart, CropVStart},
             {ui->ldt_HorizontalEndLocation, &w->mCropHEnd, CropHEnd},
             {ui->ldt_VerticalEndLocation, &w->mCropVEnd, CropVEnd}}};
}

} // namespace

// ------------------------------------------------- position and size edits --

// Device pixels per canvas pixel across and down, capped as the box draws them.
QPair<float, float> MainWindow::panelRatios(const QRectF &sceneRect) const
{
    const QPair<int, int> grid = wallGrid();
    const WallGeometry::Factors f =
        WallGeometry::panelFactors(sceneRect.width(), sceneRect.height(), grid.first, grid.second, g_outputMode);
    return qMakePair(f.x, f.y);
}

// X and width share their rules; only X asks for a link first.
void MainWindow::onPosXOrWidthEdited(bool width)
{
    if (mPanelFillDepth > 0)
        return;   // focus left the edit while the panel was being filled
    if ((!width && !checkConnected()) || !checkResolutionLimit())
        return;
    InputChannel *w = selectedWindow();
    const ResolutionRatioScene *scene = panelScene();
    if (!w || !scene)
        return;
    const int v = (width ? ui->ldt_Width : ui->ldt_PosX)->text().toInt();
    const QPair<int, int> grid = wallGrid();
    const float rw = panelRatios(scene->mSceneRect).first;
    const int S = positionScale();
    const WallGeometry::Axis across = WallGeometry::Axis::Across;
    const double drawn = WallGeometry::canvasFromPanel(v, across, grid.first, grid.second, g_outputMode, S);
    const int value = WallGeometry::deviceFromPanel(v, rw, across, grid.first, grid.second, S);
    if (width) {
        QRectF rect = w->mRect;
        rect.setWidth(drawn);
        w->setRect(rect);
    } else {
        w->setX(drawn);
    }
    w->update();
    sendWindowCommand(SelectedWindow, width ? Width : PosX, value);
}

// Y and height share their rules; output modes 2 and 3 send the value but
// leave the drawing as it is.
void MainWindow::onPosYOrHeightEdited(bool height)
{
    if (mPanelFillDepth > 0 || !checkResolutionLimit())
        return;
    InputChannel *w = selectedWindow();
    const ResolutionRatioScene *scene = panelScene();
    if (!w || !scene)
        return;
    const int v = (height ? ui->ldt_Heigh : ui->ldt_PosY)->text().toInt();
    const QPair<int, int> grid = wallGrid();
    const float rh = panelRatios(scene->mSceneRect).second;
    const bool moves = g_outputMode == 0 || g_outputMode == 1;
    const int S = positionScale();
    const WallGeometry::Axis down = WallGeometry::Axis::Down;
    const double drawn = WallGeometry::canvasFromPanel(v, down, grid.first, grid.second, g_outputMode, S);
    const int value = WallGeometry::deviceFromPanel(v, rh, down, grid.first, grid.second, S);
    if (moves) {
        if (height) {
            QRectF rect = w->mRect;
            rect.setHeight(drawn);
            w->setRect(rect);
        } else {
            w->setY(drawn);
        }
    }
    w->update();
    sendWindowCommand(SelectedWindow, height ? Height : PosY, value);
}

bool MainWindow::checkResolutionLimit()
{
    const int x = ui->ldt_PosX->text().toInt();
    const int y = ui->ldt_PosY->text().toInt();
    const int w = ui->ldt_Width->text().toInt();
    const int h = ui->ldt_Heigh->text().toInt();

    const QList<ResolutionRatioScene *> &scenes = ui->graphicsView->mScenes;
    if (mCurrentSceneIndex < 0 || mCurrentSceneIndex >= scenes.size())
        return false;
    ResolutionRatioScene *scene = scenes.at(mCurrentSceneIndex);
    const int channelIndex = ui->currentChannelCBox->currentIndex();
    if (channelIndex < 0 || channelIndex >= scene->mChannels.size())
        return false;
    InputChannel *channel = scene->mChannels.at(channelIndex);
    const int sw = WallGeometry::truncated(scene->sceneRect().width());
    const int sh = WallGeometry::truncated(scene->sceneRect().height());

    // As the combos stand: an empty one counts 0 here, not 1 as in wallGrid().
    const int rows = ui->rowCbx->currentText().toInt();
    const int columns = ui->columnCbx->currentText().toInt();

    const WallGeometry::ResolutionLimit limit =
        WallGeometry::resolutionLimit(x, y, w, h, sw, sh, rows, columns, g_outputMode);
    if (limit.fits)
        return true;

    // Put the window's present values back, in the panel's own units, before
    // telling the user: a confirmed edit must not move the window.
    showWindowGeometry(channel);
    MyMessageBox::error(this, tr("错误"), tr("超出%1X%2分辨率")
                                            .arg(QString::number(limit.width, 'g', 6), QString::number(limit.height, 'g', 6)));
    return false;
}

// ------------------------------------------------------------ crop edits --

void MainWindow::onCropEdited(int code)
{
    if (mPanelFillDepth > 0 || !checkResolutionLimit())
        return;
    InputChannel *w = selectedWindow();
    if (!w)
        return;
    const bool horizontal = code == CropHStart || code == CropHEnd;
    const bool start = code == CropHStart || code == CropVStart;
    const std::array<CropEdge, 4> edges = cropEdges(ui, w);
    const auto edge = std::find_if(edges.begin(), edges.end(), [code](const CropEdge &e) { return e.code == code; });
    if (edge == edges.end())
        return;
    QLineEdit *edit = edge->edit;
    int *field = edge->field;
    const int v = edit->text().toInt();
    const int cropStart = horizontal ? w->mCropHStart : w->mCropVStart;
    const int cropEnd = horizontal ? w->mCropHEnd : w->mCropVEnd;
    const SourcePicture picture = sourcePicture(mInputSourceButtons, w);
    const int sourceSide = horizontal ? picture.width : picture.height;

    // The crop must keep a start before its end, and end inside the picture.
    QString refusal;
    if (start ? v >= cropEnd : v <= cropStart) {
        refusal = panelTr("起始位置不能大于结束位置！");
    } else if (!start && v > sourceSide) {
        refusal = (horizontal ? panelTr("结束位置不能大于输入源分辨率(%1x%2)！")
                              : panelTr("结束位置不能大于输入源分辨率(%1x%2) ！"))
                      .arg(picture.width).arg(picture.height);
    }
    if (!refusal.isEmpty()) {
        edit->setText(QString::number(*field));
        MyMessageBox::error(this, panelTr("错误"), refusal);
        return;
    }

    *field = v;
    if (SliceUpSizeItem *item = cropItem(ui)) {
        QRectF outer = item->mOuterRect;
        if (horizontal)
            outer.setWidth((w->mCropHEnd - w->mCropHStart) / picture.hs + kCropMargin);
        else
            outer.setHeight((w->mCropVEnd - w->mCropVStart) / picture.vs + kCropMargin);
        item->setOuterRect(outer);
        item->update();
        if (start) {
            if (horizontal)
                item->setX(w->mCropHStart / picture.hs);
            else
                item->setY(w->mCropVStart / picture.vs);
        }
    }
    sendWindowCommand(SelectedWindow, code, v);
}

void MainWindow::changeSliceInfo(int mode, int HStart, int VStart, int HEnd, int VEnd)
{
    InputChannel *w = selectedWindow();
    if (!w)
        return;
    const SourcePicture picture = sourcePicture(mInputSourceButtons, w);
    const int hS = truncated(HStart * picture.hs), vS = truncated(VStart * picture.vs);
    const int hE = truncated(HEnd * picture.hs), vE = truncated(VEnd * picture.vs);
    const std::array<CropEdge, 4> edges = cropEdges(ui, w);
    const int values[4] = {hS, vS, hE, vE};
    if (mode >= 0 && mode < 4) {
        edges[mode].edit->setText(QString::number(values[mode]));
        *edges[mode].field = values[mode];
        sendWindowCommand(SelectedWindow, edges[mode].code, values[mode]);
    } else if (mode == 4) {
        // A corner or the whole rectangle moved: one command for all four edges.
        for (int k = 0; k < 4; ++k) {
            edges[k].edit->setText(QString::number(values[k]));
            *edges[k].field = values[k];
        }
        sendCommand(cropCommand(selectedIndex(), hS, vS, hE, vE));
    }
}

// ----------------------------------------------------------- colour edits --

void MainWindow::onColorEdited(int code)
{
    InputChannel *w = selectedWindow();
    if (!w || mPanelFillDepth > 0)
        return;
    QLineEdit *edit = code == SolidRed ? ui->ldt_colorR : code == SolidGreen ? ui->ldt_colorG : ui->ldt_colorB;
    const int v = edit->text().toInt();
    if (code == SolidRed)
        w->mRed = w->mSolidRed = v;
    else if (code == SolidGreen)
        w->mGreen = w->mSolidGreen = v;
    else
        w->mBlue = w->mSolidBlue = v;
    w->update();
    sendWindowCommand(SelectedWindow, code, v);
}

// ---------------------------------------------------------- colour palette --

void MainWindow::on_btn_openColorPalette_clicked()
{
    qDebug() << "ui->currentChannelCBox->currentIndex()" << selectedIndex();
    const InputChannel *w = selectedWindow();
    if (!w)
        return;
    if (!mColorDialog) {
        mColorDialog = new QColorDialog;
        connect(mColorDialog, &QColorDialog::colorSelected, this, &MainWindow::onPaletteColorSelected);
        // It has no parent, so it goes when the main window goes.
        QColorDialog *dialog = mColorDialog;
        connect(this, &QObject::destroyed, dialog, [dialog] { delete dialog; });
    }
    mColorDialog->setCurrentColor(QColor(w->mRed, w->mGreen, w->mBlue));
    mColorDialog->exec();
}

void MainWindow::onPaletteColorSelected(const QColor &color)
{
    InputChannel *w = selectedWindow();
    if (!w)
        return;
    w->mRed = w->mSolidRed = color.red();
    w->mGreen = w->mSolidGreen = color.green();
    w->mBlue = w->mSolidBlue = color.blue();
    w->update();
    ui->ldt_colorR->setText(QString::number(color.red()));
    ui->ldt_colorG->setText(QString::number(color.green()));
    ui->ldt_colorB->setText(QString::number(color.blue()));

    // The box takes the three parts one at a time.
    const int parts[3][2] = {{SolidRed, color.red()}, {SolidGreen, color.green()}, {SolidBlue, color.blue()}};
    for (int n = 0; n < 3; ++n) {
        if (n > 0) {
            WaitingWidget pause(QString(), 300, 0);
            pause.exec();
        }
        sendWindowCommand(SelectedWindow, parts[n][0], parts[n][1]);
    }
}

void MainWindow::on_ckx_freezeAllWindows_stateChanged(int) {}

// ------------------------------------------------------------ check boxes --

void MainWindow::onShowWindowChanged(int state)
{
    InputChannel *w = selectedWindow();
    if (!w)
        return;
    const int index = selectedIndex();
    if (state == Qt::Checked && !w->mShow) {
        ui->graphicsView->openWindow(index);
        w->mShow = true;
        sendWindowCommand(SelectedWindow, Open, 1);
    } else if (state == Qt::Unchecked && w->mShow) {
        ui->graphicsView->closeWindow(index);
        w->mShow = false;
        sendWindowCommand(SelectedWindow, Open, 0);
    }
}

// Audio follows one window of a canvas at a time.
void MainWindow::onAudioChanged(int state)
{
    InputChannel *w = selectedWindow();
    const ResolutionRatioScene *scene = panelScene();
    if (!w || !scene)
        return;
    if (state == Qt::Checked && !w->mAudio) {
        for (InputChannel *channel : scene->mChannels)
            channel->mAudio = false;
        w->mAudio = true;
        sendWindowCommand(SelectedWindow, Audio, w->mInputSourceIndex);
    } else if (state == Qt::Unchecked && w->mAudio) {
        w->mAudio = false;
        sendWindowCommand(SelectedWindow, Audio, 4);
    }
}

// A frozen window leaves only the controls that can thaw it or select another.
void MainWindow::enableFrozenWindowControls()
{
    ui->ckx_freezeWindow->setEnabled(true);
    ui->ptn_FreezeAllWindow->setEnabled(true);
    for (InputSourceButton *button : qAsConst(mInputSourceButtons))
        button->setEnabled(true);
    ui->currentChannelCBox->setEnabled(true);
}

void MainWindow::onFreezeChanged(int state)
{
    InputChannel *w = selectedWindow();
    const ResolutionRatioScene *scene = panelScene();
    if (!w || !scene)
        return;
    if (state == Qt::Unchecked && w->mFreeze) {
        w->mFreeze = false;
        if (mPanelFillDepth == 0)
            sendWindowCommand(SelectedWindow, Freeze, 0);
        ui->ckx_freezeAllWindows->setChecked(false);
        enableControls();
    } else if (state == Qt::Checked && !w->mFreeze) {
        w->mFreeze = true;
        if (mPanelFillDepth == 0)
            sendWindowCommand(SelectedWindow, Freeze, 1);
        disableControls();
        enableFrozenWindowControls();
        bool allFrozen = true;
        for (const InputChannel *channel : scene->mChannels)
            allFrozen = allFrozen && channel->mFreeze;
        if (allFrozen)
            ui->ckx_freezeAllWindows->setChecked(true);
    }
    changeUIBaseSelectChannel(selectedIndex() + 1);
}

void MainWindow::onSolidColorChanged(int state)
{
    InputChannel *w = selectedWindow();
    if (!w)
        return;
    const QList<QWidget *> colourControls = {ui->ldt_colorR, ui->ldt_colorG, ui->ldt_colorB,
                                             ui->btn_openColorPalette};
    if (state == Qt::Checked && !w->mSolidColor) {
        // The source is kept aside for when the fill is switched off.
        w->mInputSourceID = w->mInputSourceIndex;
        w->mInputSourceIndex = 4;
        for (QWidget *control : colourControls)
            control->setEnabled(true);
        w->mSolidColor = true;
        if (mPanelFillDepth == 0)
            sendWindowCommand(SelectedWindow, SolidFill, 1);
        w->mRed = w->mSolidRed;
        w->mGreen = w->mSolidGreen;
        w->mBlue = w->mSolidBlue;
    } else if (state == Qt::Unchecked && w->mSolidColor) {
        for (QWidget *control : colourControls)
            control->setEnabled(false);
        w->mSolidColor = false;
        w->mRed = 136;
        w->mGreen = 155;
        w->mBlue = 177;
        w->mInputSourceIndex = w->mInputSourceID;
        if (mPanelFillDepth == 0)
            sendWindowCommand(SelectedWindow, SolidFill, 0);
    }
    w->update();
    changeUIBaseSelectChannel(selectedIndex() + 1);
}

void MainWindow::onFlagBoxChanged(bool InputSourceValues::*flag, int code, int state)
{
    InputChannel *w = selectedWindow();
    if (!w || state == Qt::PartiallyChecked)
        return;
    const bool checked = state == Qt::Checked;
    if (w->*flag == checked)
        return;
    w->*flag = checked;
    sendWindowCommand(SelectedWindow, code, checked ? 1 : 0);
}

void MainWindow::onDeinterlaceChanged(int state)
{
    const QList<QWidget *> followers = {
        ui->cbx_24PSFMode, ui->hSdr_sensitivity, ui->hSdr_diagonalCorrection, ui->ckx_2p2PullDown,
        ui->ckx_2p3PullDown, ui->ldt_sensitivity, ui->ldt_diagonalCorrection};
    if (state == Qt::Checked) {
        for (QWidget *widget : followers)
            widget->setEnabled(true);
        if (mPanelFillDepth == 0)
            sendWindowCommand(SelectedWindow, Deinterlace, 1);
    } else if (state == Qt::Unchecked) {
        for (QWidget *widget : followers)
            widget->setEnabled(false);
        for (QWidget *widget : {static_cast<QWidget *>(ui->hSdr_2p2Timer), static_cast<QWidget *>(ui->ldt_2p2Timer),
                                static_cast<QWidget *>(ui->hSdr_2p3Timer), static_cast<QWidget *>(ui->ldt_2p3Timer)})
            widget->setEnabled(false);
        if (mPanelFillDepth == 0)
            sendWindowCommand(SelectedWindow, Deinterlace, 0);
    }
}

void MainWindow::onPullDownChanged(int code, int state)
{
    const bool twoTwo = code == PullDown22;
    QSlider *slider = twoTwo ? ui->hSdr_2p2Timer : ui->hSdr_2p3Timer;
    QLineEdit *edit = twoTwo ? ui->ldt_2p2Timer : ui->ldt_2p3Timer;
    if (state == Qt::PartiallyChecked)
        return;
    const bool checked = state == Qt::Checked;
    slider->setEnabled(checked);
    edit->setEnabled(checked);
    if (mPanelFillDepth == 0)
        sendWindowCommand(SelectedWindow, code, checked ? 1 : 0);
}

void MainWindow::on_ptn_FreezeAllWindow_clicked()
{
    const InputChannel *selected = selectedWindow();
    const ResolutionRatioScene *scene = panelScene();
    if (!selected || !scene)
        return;
    const bool freeze = !selected->mFreeze;
    for (int i = 0; i < scene->mChannels.size(); ++i) {
        scene->mChannels.at(i)->mFreeze = freeze;
        sendCommand(windowCommand(i, Freeze, freeze ? 1 : 0));
    }
    ui->ptn_FreezeAllWindow->setText(freeze ? panelTr("全部解冻") : panelTr("全部冻结"));
    changeUIBaseSelectChannel(selectedIndex() + 1);
}

// -------------------------------------------------------- picture sliders --

// The box takes picture values from 0: ranges below 0 are shifted up.
static int deviceValue(const QSlider *slider, int value)
{
    return slider->minimum() < 0 ? value - slider->minimum() : value;
}

void MainWindow::sendImageParameter(int index, int value)
{
    if (index < 0 || index >= InputSourceInformation::PictureValueCount)
        return;
    sendWindowCommand(SelectedWindow, kPictureCodes[index], value);
}

void MainWindow::onImageSliderValueChanged(int index, int value)
{
    const auto pair = pictureControls().value(index);
    if (!pair.first)
        return;
    pair.second->setText(QString::number(value));
    if (InputChannel *w = selectedWindow())
        *w->mPictureValues.at(index) = value;
    // One value, then a pause: moves inside it reach the window only.
    if (!mSliderPending && mPanelFillDepth == 0) {
        sendImageParameter(index, deviceValue(pair.first, value));
        mSliderPending = true;
        if (mSliderTimer)
            mSliderTimer->start(kSliderPauseMs);
    }
}

void MainWindow::onImageEditFinished(int index)
{
    const auto pair = pictureControls().value(index);
    if (!pair.first || mPanelFillDepth > 0)
        return;
    const int value = pair.second->text().toInt();
    pair.first->setValue(value);
    if (InputChannel *w = selectedWindow())
        *w->mPictureValues.at(index) = value;
    sendImageParameter(index, deviceValue(pair.first, value));
}

// The released position always reaches the box, pause or not.
void MainWindow::onImageSliderReleased(int index)
{
    const auto pair = pictureControls().value(index);
    if (!pair.first)
        return;
    if (mSliderTimer)
        mSliderTimer->stop();
    mSliderPending = false;
    if (mPanelFillDepth == 0)
        sendImageParameter(index, deviceValue(pair.first, pair.second->text().toInt()));
}

// A click on a slider's groove jumps straight to the clicked place.
void MainWindow::sliderCursorLambda(QSlider *slider)
{
    const int cursorX = QCursor::pos().x();
    const int sliderX = slider->mapToGlobal(QPoint(0, 0)).x();
    const int span = slider->maximum() - slider->minimum();
    const int width = slider->geometry().right() - slider->geometry().left() + 1;
    if (width <= 0)
        return;
    slider->setValue(slider->minimum() + int(double((cursorX - sliderX) * span) / width + 0.5));
}

void MainWindow::ctorLambdaStopTimer()
{
    mSliderTimer->stop();
    mSliderPending = false;
}
