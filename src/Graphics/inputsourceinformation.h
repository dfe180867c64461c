#ifndef INPUTSOURCEINFORMATION_H
#define INPUTSOURCEINFORMATION_H

#include <QRectF>
#include <QString>
#include <QVector>

// Everything the program knows about one window or input source.
class InputSourceInformation
{
public:
    InputSourceInformation();
    InputSourceInformation(const InputSourceInformation &other);
    InputSourceInformation &operator=(const InputSourceInformation &other);

    int mInputSourceIndex = 4;   // 0..3 = HDMI 1..4, 4 = none
    int mChannelID = 0;          // window number 1..4
    int mColorIndex = 0;
    QRectF mRect = QRectF(0, 0, 1920, 1080);
    int mLayer = 0;              // 1..4, 1 = front
    QString mText1 = QStringLiteral("NOTHING");
    int mRotation = 0;           // degrees
    QString mText2 = QStringLiteral("NOTHING");
    QString mText3 = QStringLiteral("NOTHING");
    QString mText4 = QStringLiteral("NOTHING");

    // The 22 picture values, in device order.
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
    // Addresses of the 22 values above, so a value can be reached by number.
    // Always points into this record (rebuilt on copy).
    QVector<int *> mPictureValues;

    bool mShow = true;
    bool mFreeze = false;
    bool mSolidColor = false;
    int mRed = 136, mGreen = 155, mBlue = 177;
    int mSolidRed = 136, mSolidGreen = 155, mSolidBlue = 177;
    bool mHMirror = false;
    bool mVMirror = false;
    bool mDeinterlace = false;
    bool m24PSF = false;
    bool mPullDown22 = false;
    bool mPullDown23 = false;
    bool mAudio = false;
    bool mAudioAllOutputs = true;
    bool mAudioOutput1Only = false;
    bool mAudioOff = false;
    bool mVideoGen = true;
    bool mRotate0 = true;
    bool mRotate90 = false;
    bool mRotate180 = false;
    bool mRotate270 = false;
    bool mFirstRowRotated = false;
    int mInputSourceID = 1;

private:
    void buildPictureValues();
};

#endif
