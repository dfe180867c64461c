#include "inputsourceinformation.h"

InputSourceInformation::InputSourceInformation()
{
    buildPictureValues();
}

InputSourceInformation::InputSourceInformation(const InputSourceInformation &other)
{
    *this = other;
}

InputSourceInformation &InputSourceInformation::operator=(const InputSourceInformation &other)
{
    if (this == &other)
        return *this;
    mInputSourceIndex = other.mInputSourceIndex;
    mChannelID = other.mChannelID;
    mColorIndex = other.mColorIndex;
    mRect = other.mRect;
    mLayer = other.mLayer;
    mText1 = other.mText1;
    mRotation = other.mRotation;
    mText2 = other.mText2;
    mText3 = other.mText3;
    mText4 = other.mText4;
    mLuminance = other.mLuminance;
    mContrast = other.mContrast;
    mSaturation = other.mSaturation;
    mColorTemperature = other.mColorTemperature;
    mHue = other.mHue;
    mHSharpness = other.mHSharpness;
    mVSharpness = other.mVSharpness;
    mBlueCorrection = other.mBlueCorrection;
    mGreenCorrection = other.mGreenCorrection;
    mSkinCorrection = other.mSkinCorrection;
    mHFiltration = other.mHFiltration;
    mVFiltration = other.mVFiltration;
    mShadow = other.mShadow;
    mBlock = other.mBlock;
    mNoise = other.mNoise;
    mHair = other.mHair;
    mSensitivity = other.mSensitivity;
    mDiagonal = other.mDiagonal;
    mPullDown22Timer = other.mPullDown22Timer;
    mPullDown23Timer = other.mPullDown23Timer;
    mDeGamma = other.mDeGamma;
    mPanelGamma = other.mPanelGamma;
    mShow = other.mShow;
    mFreeze = other.mFreeze;
    mSolidColor = other.mSolidColor;
    mRed = other.mRed;
    mGreen = other.mGreen;
    mBlue = other.mBlue;
    mSolidRed = other.mSolidRed;
    mSolidGreen = other.mSolidGreen;
    mSolidBlue = other.mSolidBlue;
    mHMirror = other.mHMirror;
    mVMirror = other.mVMirror;
    mDeinterlace = other.mDeinterlace;
    m24PSF = other.m24PSF;
    mPullDown22 = other.mPullDown22;
    mPullDown23 = other.mPullDown23;
    mAudio = other.mAudio;
    mAudioAllOutputs = other.mAudioAllOutputs;
    mAudioOutput1Only = other.mAudioOutput1Only;
    mAudioOff = other.mAudioOff;
    mVideoGen = other.mVideoGen;
    mRotate0 = other.mRotate0;
    mRotate90 = other.mRotate90;
    mRotate180 = other.mRotate180;
    mRotate270 = other.mRotate270;
    mFirstRowRotated = other.mFirstRowRotated;
    mInputSourceID = other.mInputSourceID;
    buildPictureValues();
    return *this;
}

void InputSourceInformation::buildPictureValues()
{
    mPictureValues = {&mLuminance, &mContrast, &mSaturation, &mColorTemperature, &mHue,
                      &mHSharpness, &mVSharpness, &mBlueCorrection, &mGreenCorrection,
                      &mSkinCorrection, &mHFiltration, &mVFiltration, &mShadow, &mBlock,
                      &mNoise, &mHair, &mSensitivity, &mDiagonal, &mPullDown22Timer,
                      &mPullDown23Timer, &mDeGamma, &mPanelGamma};
}
