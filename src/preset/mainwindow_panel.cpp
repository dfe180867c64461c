// The selected-window panel: filled from the window the user selects, and
// every edit, check box and slider turned into window commands.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <algorithm>
#include <array>

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
#include "maincontent/mymessagebox.h"
#include "maincontent/waitingwidget.h"
#include "preset/paneltr.h"

#include <QAction>
#include <QColorDialog>
#include <QDebug>
#include <QGuiApplication>
#include <QIntValidator>
#include <QTimer>

namespace {

using namespace DeviceCommand;

constexpr int kSliderPauseMs = 60;
constexpr int kCropMargin = 150;   // handle room of the crop editor, both sides together

// Device codes of the 22 picture values, in panel order.
const int kPictureCodes[InputSourceInformation::PictureValueCount] = {
    Luminance, Contrast, Saturation, ColorTemperature, Hue, HSharpness, VSharpness,
    BlueCorrection, GreenCorrection, SkinCorrection, HFiltration, VFiltration, Shadow, Block,
    Noise, Hair, Sensitivity, Diagonal, PullDown22Timer, PullDown23Timer, DeGamma, PanelGamma,
};

using WallGeometry::truncated;

// Source picture of a window: the input button's size for HDMI 1..4, else a
// whole 4K picture. Scales turn crop-editor units into source pixels.
struct SourcePicture {
    int width = WallGeometry::DeviceWidth;
    int height = WallGeometry::DeviceHeight;
    double hs = 1.0;
    float vs = 1.0f;
    bool known = false;
};

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

static SourcePicture sourcePicture(const QList<InputSourceButton *> &buttons, const InputChannel *window)
{
    SourcePicture picture;
    const int source = window->mInputSourceIndex;
    if (source >= 0 && source <= 3 && source < buttons.size()) {
        const InputSourceButton *button = buttons.at(source);
        picture.width = button->mSourceWidth;
        picture.height = button->mSourceHeight;
        picture.hs = picture.width / double(WallGeometry::DeviceWidth);
        picture.vs = float(picture.height / double(WallGeometry::DeviceHeight));
        picture.known = true;
    }
    return picture;
}

static SliceUpSizeItem *cropItem(Ui_MainWindow *ui)
{
    SliceUpScene *scene = ui->sliceUpView->mScene;
    return scene ? scene->mSizeItem : nullptr;
}

namespace {

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

