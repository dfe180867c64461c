#ifndef LINKSTATUS_H
#define LINKSTATUS_H

#include "globals.h"

// Posts a status code for the status timer to show.
inline void postLinkStatus(int code)
{
    g_pendingStatusCode = code;
    g_statusMessagePending = true;
}

#endif
