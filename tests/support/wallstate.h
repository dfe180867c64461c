// The program-wide values the wall model tests start from: offline, input allowed, edit mode.
#ifndef WALLSTATE_H
#define WALLSTATE_H

#include "globals.h"

inline void setWallTestState()
{
    g_offlineMode = true;
    g_networkConnected = false;
    g_serialConnected = false;
    g_inputAllowed = true;
    g_viewMode = 1;
    g_pressFinished = true;
}

#endif
