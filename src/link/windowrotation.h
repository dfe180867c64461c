#ifndef WINDOWROTATION_H
#define WINDOWROTATION_H

#include "Graphics/inputchannel.h"

// A window's turn as the box reports it, with the one matching check set.
inline void setWindowRotation(InputChannel *window, int degrees)
{
    window->mRotation = degrees;
    window->mRotate0 = degrees == 0;
    window->mRotate90 = degrees == 90;
    window->mRotate180 = degrees == 180;
    window->mRotate270 = degrees == 270;
}

#endif
