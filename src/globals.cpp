#include "globals.h"

bool g_serialConnected = false;
bool g_networkConnected = false;
bool g_offlineMode = false;
int g_serialPortOpen = 0;
int g_languageIndex = 0;
int g_pendingStatusCode = 0;
bool g_statusMessagePending = false;
int versionType = 5;
int g_outputMode = 0;
int g_windowInputSupported[4] = {1, 1, 1, 1};
int g_channelFrameCount = 0;
int g_viewMode = 1;
int g_zoomStep = 40;
const int g_spliceScale = 1;
bool g_inputAllowed = true;
bool g_pressFinished = true;
bool g_xyAlternate = true;
int g_stepCounter = 0;
