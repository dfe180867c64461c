// The selected-window panel, refilled from the window the user selects.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "Graphics/inputchannel.h"
#include "Graphics/inputsourcebutton.h"
#include "Graphics/resolutionratioscene.h"
#include "Graphics/sliceupscene.h"
#include "Graphics/sliceupsizeitem.h"
#include "Graphics/sliceupview.h"
#include "Graphics/userview.h"
#include "Graphics/wallgeometry.h"
#include "globals.h"
#include "link/devicecommand.h"
#include "preset/panelsource.h"
#include "preset/paneltr.h"

#include <QAction>
#include <QGuiApplication>
#include <QIntValidator>

namespace {

using namespace DeviceCommand;
using namespace PanelSource;

} // namespace

// ------------------------------------------------------------ small helpers --

int MainWindow::selectedIndex() const
{
    return ui->currentChannelCBox->currentIndex();
}

InputChannel *MainWindow::selectedWindow() const
{
    return panelWindow(selectedIndex());
}

ResolutionRatioScene *MainWindow::panelScene() const
{
    return ui->graphicsView->mScenes.value(mCurrentSceneIndex, nullptr);
}

// Rows and columns of the splice layout; a combo not yet filled counts as 1.
QPair<int, int> MainWindow::wallGrid() const
{
    return qMakePair(qMax(1, ui->rowCbx->currentText().toInt()),
                     qMax(1, ui->columnCbx->currentText().toInt()));
}

QVector<QPair<QSlider *, QLineEdit *>> MainWindow::pictureControls() const
{
    return {
        {ui->hSdr_luminance, ui->ldt_luminance},
        {ui->hSdr_contrastRatio, ui->ldt_contrastRatio},
        {ui->hSdr_saturability, ui->ldt_saturability},
        {ui->hSdr_colorTemperature, ui->ldt_colorTemperature},
        {ui->hSdr_hue, ui->ldt_hue},
        {ui->hSdr_horizontalSharpness, ui->ldt_horizontalSharpness},
        {ui->hSdr_verticalSharpness, ui->ldt_verticalSharpness},
        {ui->hSdr_blueCorrection, ui->ldt_blueCorrection},
        {ui->hSdr_greenConrrection, ui->ldt_greenCorrection},
        {ui->hSdr_skinCorrection, ui->ldt_skinCorrection},
        {ui->hSdr_horizontalFiltration, ui->ldt_horizontalFiltration},
        {ui->hSdr_verticalFiltration, ui->ldt_verticalFiltration},
        {ui->hSdr_shadowFiltration, ui->ldt_shadowFiltration},
        {ui->hSdr_blockFiltration, ui->ldt_blockFiltration},
        {ui->hSdr_noiseProcessing, ui->ldt_noiseProcessing},
        {ui->hSdr_hairTreatment, ui->ldt_hairTreatment},
        {ui->hSdr_sensitivity, ui->ldt_sensitivity},
        {ui->hSdr_diagonalCorrection, ui->ldt_diagonalCorrection},
        {ui->hSdr_2p2Timer, ui->ldt_2p2Timer},
        {ui->hSdr_2p3Timer, ui->ldt_2p3Timer},
        {ui->hSdr_DeGrammaMode, ui->ldt_DeGrammaMode},
        {ui->hSdr_PanelGammaMode, ui->ldt_PanelGammaMode},
    };
}

int MainWindow::positionScale()
{
    const bool singleScreen = ui->rowCbx->currentIndex() == 0 && ui->columnCbx->currentIndex() == 0;
    const ResolutionRatioScene *first = ui->graphicsView->mScenes.value(0, nullptr);
    return WallGeometry::positionScale(singleScreen, first ? first->mSceneRect.width() : 0.0);
}

// ------------------------------------------------------------- panel fill --

void MainWindow::changeUIBaseSelectChannel(int ChannelID)
{
    const int i = ChannelID - 1;
    InputChannel *w = panelWindow(i);
    if (!w)
        return;
    // Showing a window's state is not a change of it: the controls' own
    // handlers run while the panel fills, but tell the box nothing.
    ++mPanelFillDepth;
    fillPanel(i, w);
    --mPanelFillDepth;
}

// The position and size edits in the units the panel works in: device
// pixels of the wall, each screen counted at its full size.
void MainWindow::showWindowGeometry(const InputChannel *w)
{
    const QPair<int, int> grid = wallGrid();
    const int S = positionScale();
    auto showValue = [&](QLineEdit *edit, double canvas, WallGeometry::Axis axis) {
        edit->setText(QString::number(
            WallGeometry::panelFromCanvas(canvas, axis, grid.first, grid.second, g_outputMode, S)));
    };
    showValue(ui->ldt_PosX, w->pos().x(), WallGeometry::Axis::Across);
    showValue(ui->ldt_PosY, w->pos().y(), WallGeometry::Axis::Down);
    showValue(ui->ldt_Width, w->mRect.width(), WallGeometry::Axis::Across);
    showValue(ui->ldt_Heigh, w->mRect.height(), WallGeometry::Axis::Down);
}

void MainWindow::fillPanel(int i, InputChannel *w)
{
    ui->currentChannelCBox->setCurrentIndex(i);

    SliceUpSizeItem *item = cropItem(ui);
    if (item)
        item->mChannel = w;

    showWindowGeometry(w);

    ui->ldt_HorizontalStartLocation->setText(QString::number(w->mCropHStart));
    ui->ldt_VerticalStartLocation->setText(QString::number(w->mCropVStart));
    ui->ldt_HorizontalEndLocation->setText(QString::number(w->mCropHEnd));
    ui->ldt_VerticalEndLocation->setText(QString::number(w->mCropVEnd));

    const SourcePicture picture = sourcePicture(mInputSourceButtons, w);
    if (SliceUpScene *cropScene = ui->sliceUpView->mScene) {
        cropScene->mResolutionWidth = picture.width;
        cropScene->mResolutionHeight = picture.height;
        cropScene->update();
    }
    if (item) {
        // Size before position: the item keeps its outer rectangle inside the
        // scene, so a position checked against the old size could be clamped.
        item->setOuterRect(QRectF(0, 0, (w->mCropHEnd - w->mCropHStart) / picture.hs + kCropMargin,
                                  (w->mCropVEnd - w->mCropVStart) / picture.vs + kCropMargin));
        item->setPos(w->mCropHStart / picture.hs, w->mCropVStart / picture.vs);
        if (picture.known)
            item->update();
    }

    const auto controls = pictureControls();
    for (int k = 0; k < controls.size(); ++k)
        controls.at(k).second->setText(QString::number(*w->mPictureValues.at(k)));
    for (int k = 0; k < controls.size(); ++k)
        controls.at(k).first->setValue(*w->mPictureValues.at(k));

    ui->cbx_windowLevel->setCurrentIndex(w->mLayer - 1);
    ui->ckx_showWindow->setChecked(w->mShow);

    if (w->mFreeze) {
        disableControls();
        ui->ckx_freezeWindow->setEnabled(true);
        ui->currentChannelCBox->setEnabled(true);
        for (InputSourceButton *button : qAsConst(mInputSourceButtons))
            button->setEnabled(true);
        ui->ptn_FreezeAllWindow->setEnabled(true);
        ui->ckx_freezeWindow->setChecked(true);
        ui->ckx_solidColor->setChecked(false);
        ui->ckx_solidColor->setEnabled(false);
        w->mSolidColor = false;
        ui->ptn_FreezeAllWindow->setText(panelTr("全部解冻"));
    } else {
        enableControls();
        ui->ckx_freezeWindow->setChecked(false);
        ui->ckx_solidColor->setEnabled(true);
        ui->ptn_FreezeAllWindow->setText(panelTr("全部冻结"));
    }

    const QList<QWidget *> colourControls = {ui->ldt_colorR, ui->ldt_colorG, ui->ldt_colorB,
                                             ui->btn_openColorPalette};
    if (w->mSolidColor) {
        ui->ckx_solidColor->setChecked(true);
        for (QWidget *control : colourControls)
            control->setEnabled(true);
        ui->ckx_freezeWindow->setChecked(false);
        ui->ckx_freezeWindow->setEnabled(false);
        w->mFreeze = false;
    } else {
        ui->ckx_solidColor->setChecked(false);
        for (QWidget *control : colourControls)
            control->setEnabled(false);
        ui->ckx_freezeWindow->setEnabled(true);
    }

    ui->ldt_colorR->setText(QString::number(w->mRed));
    ui->ldt_colorG->setText(QString::number(w->mGreen));
    ui->ldt_colorB->setText(QString::number(w->mBlue));

    ui->ckx_horizontalMirrored->setChecked(w->mHMirror);
    ui->ckx_vericalMirrored->setChecked(w->mVMirror);
    ui->cbx_deinterlace->setChecked(w->mDeinterlace);
    const QList<QWidget *> deinterlaceControls = {
        ui->cbx_24PSFMode, ui->hSdr_sensitivity, ui->hSdr_diagonalCorrection, ui->hSdr_2p2Timer,
        ui->hSdr_2p3Timer, ui->ldt_sensitivity, ui->ldt_diagonalCorrection, ui->ldt_2p2Timer,
        ui->ldt_2p3Timer};
    for (QWidget *control : deinterlaceControls)
        control->setEnabled(w->mDeinterlace);
    ui->cbx_24PSFMode->setChecked(w->m24PSF);
    ui->ckx_2p2PullDown->setChecked(w->mPullDown22);
    ui->ckx_2p3PullDown->setChecked(w->mPullDown23);
    ui->ckx_enableAudio->setChecked(w->mAudio);

    const UserView *view = ui->graphicsView;
    const bool audioFlags[3] = {w->mAudioAllOutputs, w->mAudioOutput1Only, w->mAudioOff};
    if (view->mAudioActions.size() >= 3) {
        for (int n = 0; n < 3; ++n) {
            if (audioFlags[n]) {
                for (int other = 0; other < 3; ++other)
                    view->mAudioActions.at(other)->setChecked(other == n);
            } else {
                view->mAudioActions.at(n)->setChecked(false);
            }
        }
    }
    if (view->mVideoGenActions.size() >= 2) {
        view->mVideoGenActions.at(0)->setChecked(w->mVideoGen);
        view->mVideoGenActions.at(1)->setChecked(!w->mVideoGen);
    }

    const bool supported = i < 4 && g_windowInputSupported[i] == 1;
    ui->label_sliceImage->setVisible(!supported);
}

void MainWindow::moveWindowToLevel(int window, int level)
{
    const int k = window == SelectedWindow ? selectedIndex() : window;
    ResolutionRatioScene *scene = panelScene();
    const InputChannel *w = panelWindow(k);
    if (!scene || !w)
        return;
    const int d = w->mLayer - (level + 1);
    for (int n = 0; n < d; ++n)
        scene->setLayer(k, ResolutionRatioScene::LayerUp);
    for (int n = 0; n < -d; ++n)
        scene->setLayer(k, ResolutionRatioScene::LayerDown);
}

void MainWindow::hideUnsupportedControls()
{
    const QList<QWidget *> unsupported = {
        ui->label_34, ui->hSdr_blueCorrection, ui->ldt_blueCorrection,
        ui->label_33, ui->hSdr_greenConrrection, ui->ldt_greenCorrection,
        ui->label_32, ui->hSdr_skinCorrection, ui->ldt_skinCorrection,
        ui->ptn_openWindowModel, ui->ptn_levelMode, ui->ptn_overlayModel,
        ui->ckx_freezeAllWindows, ui->label_45, ui->label_46, ui->groupBox_5,
    };
    for (QWidget *widget : unsupported)
        widget->setVisible(false);
}

void MainWindow::onViewRightMenuInfo()
{
    changeUIBaseSelectChannel(selectedIndex() + 1);
}

void MainWindow::onViewRightMenuInfoWithIndex(int currentChannelIndex)
{
    ui->currentChannelCBox->setCurrentIndex(currentChannelIndex);
    changeUIBaseSelectChannel(selectedIndex() + 1);
}

void MainWindow::onSceneRightMenuInfo()
{
    onViewRightMenuInfo();
}

void MainWindow::onCurrentChannelChanged(int index)
{
    changeUIBaseSelectChannel(index + 1);
}

// ------------------------------------------------------------- set-up ------

void MainWindow::initAttributeControls()
{
    ui->rightTBox->setCurrentIndex(0);

    const QList<QLineEdit *> geometryEdits = {
        ui->ldt_PosX, ui->ldt_PosY, ui->ldt_Width, ui->ldt_Heigh,
        ui->ldt_HorizontalStartLocation, ui->ldt_VerticalStartLocation,
        ui->ldt_HorizontalEndLocation, ui->ldt_VerticalEndLocation};
    for (QLineEdit *edit : geometryEdits)
        edit->setValidator(new QIntValidator(0, 9999, edit));
    for (QLineEdit *edit : {ui->ldt_colorR, ui->ldt_colorG, ui->ldt_colorB})
        edit->setValidator(new QIntValidator(0, 255, edit));
    const auto controls = pictureControls();
    for (const auto &pair : controls)
        pair.second->setValidator(new QIntValidator(pair.first->minimum(), pair.first->maximum(), pair.second));

    connect(ui->ldt_PosX, &QLineEdit::editingFinished, this, [this] { onPosXOrWidthEdited(false); });
    connect(ui->ldt_PosY, &QLineEdit::editingFinished, this, [this] { onPosYOrHeightEdited(false); });
    connect(ui->ldt_Width, &QLineEdit::editingFinished, this, [this] { onPosXOrWidthEdited(true); });
    connect(ui->ldt_Heigh, &QLineEdit::editingFinished, this, [this] { onPosYOrHeightEdited(true); });
    connect(ui->ldt_HorizontalStartLocation, &QLineEdit::editingFinished, this, [this] { onCropEdited(CropHStart); });
    connect(ui->ldt_VerticalStartLocation, &QLineEdit::editingFinished, this, [this] { onCropEdited(CropVStart); });
    connect(ui->ldt_HorizontalEndLocation, &QLineEdit::editingFinished, this, [this] { onCropEdited(CropHEnd); });
    connect(ui->ldt_VerticalEndLocation, &QLineEdit::editingFinished, this, [this] { onCropEdited(CropVEnd); });
    connect(ui->ldt_colorR, &QLineEdit::editingFinished, this, [this] { onColorEdited(SolidRed); });
    connect(ui->ldt_colorG, &QLineEdit::editingFinished, this, [this] { onColorEdited(SolidGreen); });
    connect(ui->ldt_colorB, &QLineEdit::editingFinished, this, [this] { onColorEdited(SolidBlue); });
    connect(ui->ckx_showWindow, &QCheckBox::stateChanged, this, &MainWindow::onShowWindowChanged);
    connect(ui->ckx_enableAudio, &QCheckBox::stateChanged, this, &MainWindow::onAudioChanged);
    connect(ui->ckx_freezeWindow, &QCheckBox::stateChanged, this, &MainWindow::onFreezeChanged);
    connect(ui->ckx_solidColor, &QCheckBox::stateChanged, this, &MainWindow::onSolidColorChanged);
    connect(ui->ckx_horizontalMirrored, &QCheckBox::stateChanged, this,
            [this](int state) { onFlagBoxChanged(&InputSourceValues::mHMirror, HMirror, state); });
    connect(ui->ckx_vericalMirrored, &QCheckBox::stateChanged, this,
            [this](int state) { onFlagBoxChanged(&InputSourceValues::mVMirror, VMirror, state); });
    connect(ui->cbx_deinterlace, &QCheckBox::stateChanged, this, &MainWindow::onDeinterlaceChanged);
    connect(ui->cbx_24PSFMode, &QCheckBox::stateChanged, this,
            [this](int state) { onFlagBoxChanged(&InputSourceValues::m24PSF, Psf24, state); });
    connect(ui->ckx_2p2PullDown, &QCheckBox::stateChanged, this, [this](int state) { onPullDownChanged(PullDown22, state); });
    connect(ui->ckx_2p3PullDown, &QCheckBox::stateChanged, this, [this](int state) { onPullDownChanged(PullDown23, state); });
    connect(ui->cbx_windowLevel, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &MainWindow::onWindowLevelChanged);
    for (int k = 0; k < controls.size(); ++k) {
        QSlider *slider = controls.at(k).first;
        QLineEdit *edit = controls.at(k).second;
        connect(slider, &QSlider::valueChanged, this, [this, k](int value) { onImageSliderValueChanged(k, value); });
        // A click on the groove jumps to the clicked place; keys and the wheel step as usual.
        connect(slider, &QSlider::actionTriggered, this, [this, slider](int) {
            if (QGuiApplication::mouseButtons() & Qt::LeftButton)
                sliderCursorLambda(slider);
        });
        connect(edit, &QLineEdit::editingFinished, this, [this, k] { onImageEditFinished(k); });
        connect(slider, &QSlider::sliderReleased, this, [this, k] { onImageSliderReleased(k); });
    }

    UserView *view = ui->graphicsView;
    for (ResolutionRatioScene *scene : qAsConst(view->mScenes)) {
        for (InputChannel *channel : qAsConst(scene->mChannels))
            connect(channel, &InputChannel::selectChannelEvent, this, &MainWindow::changeUIBaseSelectChannel);
    }
    connect(view, &UserView::changeRightMenuInfo, this, &MainWindow::onViewRightMenuInfo);
    connect(view, &UserView::changeRightMenuInfoWithIndex, this, &MainWindow::onViewRightMenuInfoWithIndex);
    if (ResolutionRatioScene *scene = panelScene())
        connect(scene, &ResolutionRatioScene::changeRightMenuInfo, this, &MainWindow::onSceneRightMenuInfo);
    connect(ui->currentChannelCBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &MainWindow::onCurrentChannelChanged);

    changeUIBaseSelectChannel(1);
}

void MainWindow::connectCropEditor()
{
    // The crop editor's rectangle reports every move or resize.
    SliceUpScene *scene = ui->sliceUpView->mScene;
    if (scene && scene->mSizeItem)
        connect(scene->mSizeItem, &SliceUpSizeItem::changeSliceUpData, this, &MainWindow::changeSliceInfo);
}

// ------------------------------------------------------- source changes --

void MainWindow::onWindowRotated(int)
{
}

void MainWindow::onChangeInputSourceInfo(int currentItemIndex, int mInputSourceIndex)
{
    // A new source on a window shows its whole picture; nothing is sent.
    const QList<ResolutionRatioScene *> &scenes = ui->graphicsView->mScenes;
    if (mCurrentSceneIndex < 0 || mCurrentSceneIndex >= scenes.size())
        return;
    ResolutionRatioScene *scene = scenes.at(mCurrentSceneIndex);
    if (currentItemIndex < 0 || currentItemIndex >= scene->mChannels.size())
        return;
    if (mInputSourceIndex < 0 || mInputSourceIndex >= mInputSourceButtons.size())
        return;
    InputChannel *channel = scene->mChannels.at(currentItemIndex);
    const InputSourceButton *button = mInputSourceButtons.at(mInputSourceIndex);
    channel->mCropHStart = 0;
    channel->mCropVStart = 0;
    channel->mCropHEnd = button->mSourceWidth;
    channel->mCropVEnd = button->mSourceHeight;
}
