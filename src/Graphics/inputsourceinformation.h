#ifndef INPUTSOURCEINFORMATION_H
#define INPUTSOURCEINFORMATION_H

#include <QRectF>
#include <QString>
#include <QVector>

// The plain values of one window or input source. Kept apart from the
// address list below so that copying is the compiler's member-wise copy and
// no field can be forgotten when one is added.
struct InputSourceValues
{
    int mInputSourceIndex = 4;   // 0..3 = HDMI 1..4, 4 = none
    int mChannelID = 0;          // window number 1..4 (set by the window)
    int mColorIndex = 0;         // index into the attribute dialog's colour list
    QRectF mRect = QRectF(0, 0, 1920, 1080); // item coordinates, canvas pixels
    int mLayer = 0;              // 1..4, 1 = front (set by the window)
    QString mText1 = QStringLiteral("NOTHING");
    int mRotation = 0;           // degrees: 0, 90, 180, 270
    QString mText2 = QStringLiteral("NOTHING");
    QString mText3 = QStringLiteral("NOTHING");
    QString mText4 = QStringLiteral("NOTHING");

    // The 22 picture values, in device order, in the panel's units.
    int mLuminance = 0;
    int mContrast = 100;
    int mSaturation = 100;
    int mColorTemperature = 0;
    int mHue = 0;
    int mHSharpness = 0;
    int mVSharpness = 0;
    int mBlueCorrection = 0;
    int mGreenCorrection = 0;
    int mSkinCorrection = 0;
    int mHFiltration = 0;
    int mVFiltration = 0;
    int mShadow = 0;
    int mBlock = 0;
    int mNoise = 0;
    int mHair = 0;
    int mSensitivity = 0;
    int mDiagonal = 0;
    int mPullDown22Timer = 0;
    int mPullDown23Timer = 0;
    int mDeGamma = 0;
    int mPanelGamma = 0;

    bool mShow = true;           // open on the output (code 2B)
    bool mFreeze = false;        // frozen: no drag, resize or crop
    bool mSolidColor = false;
    int mRed = 136, mGreen = 155, mBlue = 177;                 // fill colour
    int mSolidRed = 136, mSolidGreen = 155, mSolidBlue = 177;  // written alike
    bool mHMirror = false;
    bool mVMirror = false;
    bool mDeinterlace = false;
    bool m24PSF = false;
    bool mPullDown22 = false;
    bool mPullDown23 = false;
    bool mAudio = false;
    // Check marks of the wall view's menus; one of each group is set.
    bool mAudioAllOutputs = true;
    bool mAudioOutput1Only = false;
    bool mAudioOff = false;
    bool mVideoGen = true;
    bool mRotate0 = true;
    bool mRotate90 = false;
    bool mRotate180 = false;
    bool mRotate270 = false;
    bool mFirstRowRotated = false;
    int mInputSourceID = 1;      // second copy of the source index

    // Device-wide state that the device reads keep on the first window of
    // the current canvas: three mutually exclusive mode flags, one more flag
    // of the global state, and the three system flags of target 04.
    bool mModeFlag0 = false;
    bool mModeFlag1 = false;
    bool mModeFlag2 = false;
    bool mGlobalFlag = false;
    bool mSysAudioOutput1 = false;
    bool mSysAudioAllOutputs = false;
    bool mSysVideoGen = false;
};

// Everything the program knows about one window or input source.
class InputSourceInformation : public InputSourceValues
{
public:
    static constexpr int PictureValueCount = 22;

    InputSourceInformation();
    // Copies the values; the copy's address list points into the copy.
    InputSourceInformation(const InputSourceInformation &other);
    InputSourceInformation &operator=(const InputSourceInformation &other);

    // Addresses of the 22 picture values, so a value can be reached by its
    // number 0..21. Always points into this record.
    QVector<int *> mPictureValues;
};

#endif
