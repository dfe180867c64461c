#ifndef GLOBALS_H
#define GLOBALS_H

// Program-wide state read directly by every part of the program.

// Link flags: a sender writes to the network when g_networkConnected is set,
// else to the serial port when g_serialConnected is set, else drops the command.
extern bool g_serialConnected;
extern bool g_networkConnected;
extern bool g_offlineMode;
extern int g_serialPortOpen;          // 1 while the port is open through the main window

extern int g_languageIndex;           // 0 Chinese, 1 English, 2 Russian, 3 Spanish

// Status posting: link code writes the code, then raises the flag; the main
// window's status timer turns it into text.
extern int g_pendingStatusCode;
extern bool g_statusMessagePending;

extern int versionType;               // device generation 1..5
extern int g_outputMode;              // 0 "1080P", 1 "1200P"
extern int g_windowInputSupported[4];
extern int g_channelFrameCount;       // TCP window frames since the last global frame

// Wall view
extern int g_viewMode;                // 1 window editing, 0 zoom
extern int g_zoomStep;                // wall zoom value 0..100
extern const int g_spliceScale;       // splice size class; combos hold 9k+9 entries
extern bool g_inputAllowed;           // cleared briefly by a key press on the wall
extern bool g_pressFinished;          // false from a press on a window to its release
// Used only by onSendXYPos and stepPosition, which never run; kept with them on purpose.
extern bool g_xyAlternate;
extern int g_stepCounter;

// Index into a four-language table; anything outside 0..3 falls back to Chinese.
inline int languageColumn() { return (g_languageIndex >= 0 && g_languageIndex < 4) ? g_languageIndex : 0; }

#endif
