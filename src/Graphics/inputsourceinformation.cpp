#include "inputsourceinformation.h"

InputSourceInformation::InputSourceInformation()
    : mPictureValues{&mLuminance, &mContrast, &mSaturation, &mColorTemperature, &mHue,
                     &mHSharpness, &mVSharpness, &mBlueCorrection, &mGreenCorrection,
                     &mSkinCorrection, &mHFiltration, &mVFiltration, &mShadow, &mBlock,
                     &mNoise, &mHair, &mSensitivity, &mDiagonal, &mPullDown22Timer,
                     &mPullDown23Timer, &mDeGamma, &mPanelGamma}
{
    Q_ASSERT(mPictureValues.size() == PictureValueCount);
}

InputSourceInformation::InputSourceInformation(const InputSourceInformation &other)
    : InputSourceInformation()
{
    InputSourceValues::operator=(other);
}

InputSourceInformation &InputSourceInformation::operator=(const InputSourceInformation &other)
{
    // The address list stays as it is: it already points into this record.
    InputSourceValues::operator=(other);
    return *this;
}
