#ifndef LINKSTATUS_H
#define LINKSTATUS_H

#include "globals.h"

// Codes posted for the status line. 0 to 9 are rows of the status text table
// (row 0 is its prefix); the serial codes add the port chosen in the network
// dialog to the line.
enum LinkStatusCode : int {
    kStatusNotConnected = 1,
    kStatusConnected = 2,
    kStatusConnecting = 8,
    kStatusOffline = 9,
    kStatusSerialConnected = 14,
    kStatusSerialNotConnected = 15,
    kStatusSerialConnecting = 16,
};

// Posts a status code for the status timer to show.
inline void postLinkStatus(int code)
{
    g_pendingStatusCode = code;
    g_statusMessagePending = true;
}

#endif
