// Loop-back applier: takes a packet text as the box would and applies it to
// the local wall, as if the box had carried it out.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "Graphics/inputchannel.h"
#include "Graphics/resolutionratioscene.h"
#include "Graphics/userview.h"
#include "link/devicecommand.h"
#include "link/devicepacket.h"

#include <QMap>

namespace {
// Colour components of a solid fill staged per window until all three are in.
QMap<QString, int> gColourStaging[4];

int *pictureValue(InputChannel *window, int code)
{
    using namespace DeviceCommand;
    switch (code) {
    case Contrast: return &window->mContrast;
    case Luminance: return &window->mLuminance;
    case HSharpness: return &window->mHSharpness;
    case VSharpness: return &window->mVSharpness;
    case Saturation: return &window->mSaturation;
    case Hue: return &window->mHue;
    case ColorTemperature: return &window->mColorTemperature;
    case DeGamma: return &window->mDeGamma;
    case PanelGamma: return &window->mPanelGamma;
    case HFiltration: return &window->mHFiltration;
    case VFiltration: return &window->mVFiltration;
    case Shadow: return &window->mShadow;
    case Block: return &window->mBlock;
    case Noise: return &window->mNoise;
    case Hair: return &window->mHair;
    case PullDown22Timer: return &window->mPullDown22Timer;
    case PullDown23Timer: return &window->mPullDown23Timer;
    case Sensitivity: return &window->mSensitivity;
    case Diagonal: return &window->mDiagonal;
    case BlueCorrection: return &window->mBlueCorrection;
    case GreenCorrection: return &window->mGreenCorrection;
    case SkinCorrection: return &window->mSkinCorrection;
    default: return nullptr;
    }
}

bool *windowFlag(InputChannel *window, int code)
{
    using namespace DeviceCommand;
    switch (code) {
    case HMirror: return &window->mHMirror;
    case VMirror: return &window->mVMirror;
    case Deinterlace: return &window->mDeinterlace;
    case PullDown22: return &window->mPullDown22;
    case PullDown23: return &window->mPullDown23;
    case Psf24: return &window->m24PSF;
    case SolidFill: return &window->mSolidColor;
    case Open: return &window->mShow;
    case Freeze: return &window->mFreeze;
    case Audio: return &window->mAudio;
    default: return nullptr;
    }
}

int *cropValue(InputChannel *window, int code)
{
    using namespace DeviceCommand;
    switch (code) {
    case CropHStart: return &window->mCropHStart;
    case CropVStart: return &window->mCropVStart;
    case CropHEnd: return &window->mCropHEnd;
    case CropVEnd: return &window->mCropVEnd;
    default: return nullptr;
    }
}

void stageColour(InputChannel *window, int index, int code, int value)
{
    using namespace DeviceCommand;
    static const QString names[3] = {QStringLiteral("R"), QStringLiteral("G"), QStringLiteral("B")};
    const int component = code - SolidRed;
    int *current[3] = {&window->mRed, &window->mGreen, &window->mBlue};
    int *stored[3] = {&window->mSolidRed, &window->mSolidGreen, &window->mSolidBlue};
    *current[component] = value;
    *stored[component] = value;
    QMap<QString, int> &staging = gColourStaging[index];
    staging.insert(names[component], value);
    if (staging.size() == 3) {
        window->update();
        staging.clear();
    }
}

// Steps the window one layer at a time towards the wanted layer.
void stepToLayer(ResolutionRatioScene *scene, int index, int layer)
{
    InputChannel *window = scene->mChannels.at(index);
    while (window->mLayer != layer) {
        const int before = window->mLayer;
        scene->setLayer(index, layer < before ? ResolutionRatioScene::LayerUp : ResolutionRatioScene::LayerDown);
        if (window->mLayer == before)
            return; // layers out of step: stop rather than spin
    }
}
} // namespace

void MainWindow::applyCommandText(QString text)
{
    if (text.size() != 10)
        return;
    const QString command = text.left(8);
    const QByteArray body = QByteArray::fromHex(command.toLatin1());
    const QByteArray crc = QByteArray::fromHex(text.mid(8).toLatin1());
    if (crc.size() != 1 || quint8(crc.at(0)) != calculateCrc8(body))
        return;

    bool ok = true;
    const int target = command.mid(0, 2).toInt(&ok, 16);
    const int code = ok ? command.mid(2, 2).toInt(&ok, 16) : 0;
    const int value = ok ? command.mid(4, 4).toInt(&ok, 16) : 0;
    if (!ok)
        return;
    applyWindowCommand(target, code, value);

    const QString layout = mSpliceCommands.key(command.toUpper());
    UserView *view = ui->graphicsView;
    if (layout.isEmpty() || mCurrentSceneIndex < 0 || mCurrentSceneIndex >= view->mScenes.size())
        return;
    view->mScenes.at(mCurrentSceneIndex)->setLayout(layout);
    applyLayoutZoomFromUi();
}

void MainWindow::applyWindowCommand(int target, int code, int value)
{
    using namespace DeviceCommand;
    UserView *view = ui->graphicsView;
    if (mCurrentSceneIndex < 0 || mCurrentSceneIndex >= view->mScenes.size())
        return;
    ResolutionRatioScene *scene = view->mScenes.at(mCurrentSceneIndex);
    const bool windowTarget = target >= 0 && target <= 3 && target < scene->mChannels.size();

    if (windowTarget) {
        InputChannel *window = scene->mChannels.at(target);
        if (code == PosX) {
            window->setPos(value, window->pos().y());
        } else if (code == PosY) {
            window->setPos(window->pos().x(), value);
        } else if (code == Width || code == Height) {
            QRectF rect = window->mRect;
            if (code == Width)
                rect.setWidth(value);
            else
                rect.setHeight(value);
            window->setRect(rect);
            window->update();
        } else if (int *crop = cropValue(window, code)) {
            *crop = value;
        } else if (int *picture = pictureValue(window, code)) {
            *picture = value;
        } else if (bool *flag = windowFlag(window, code)) {
            *flag = value != 0;
        } else if (code >= SolidRed && code <= SolidBlue) {
            stageColour(window, target, code, value);
        } else if (code == Layer) {
            if (value >= 1 && value <= 4)
                stepToLayer(scene, target, value);
        } else if (code == InputSource) {
            window->mInputSourceIndex = value;
            window->mInputSourceID = value;
            window->update();
        }
    } else if (target == 4 && !scene->mChannels.isEmpty()) {
        InputChannel *first = scene->mChannels.first();
        if (code == 0x0C)
            first->mSysAudioOutput1 = value != 0;
        else if (code == 0x0D || code == 0x0E)
            first->mSysAudioAllOutputs = value != 0;
        else if (code == 0x0F)
            first->mSysVideoGen = value != 0;
    }

    changeUIBaseSelectChannel(ui->currentChannelCBox->currentIndex() + 1);
}
