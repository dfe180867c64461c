#ifndef UDPSTAGE_H
#define UDPSTAGE_H

#include <QStringList>

#include "fakebox.h"

class DialogAnswerer;
class MainWindow;
class NetDialogDriver;
class WindowFixture;

// The common stage of the UDP tests: the stand-in box answering from
// `state`, the whole-window fixture with the window's network dialog, and an
// answerer that accepts message boxes and lets busy boxes run their time.
struct UdpStage
{
    FakeBoxState state;
    FakeBoxUdp *box = nullptr;
    WindowFixture *fixture = nullptr;
    MainWindow *window = nullptr;
    NetDialogDriver *driver = nullptr;
    DialogAnswerer *answerer = nullptr;

    bool start();
    void stop();
    // Undoes what a failed test may have left behind: the box's scripts, a
    // running search, an open help page, another language, the dialogs seen
    // and the answers given by text.
    // The box's state and the link are the tests' own business.
    void reset();
    // A fresh box whose MAC the dialog takes without a question.
    void resetState();
    // Before a read test: the stage reset, result boxes ended early, a fresh
    // box, and the searched row's version and answer address as the box gave them.
    void resetForRead();
    // Connects to the first row; a link a failed test left up is ended first.
    void connectToFirstRow();
    // Busy boxes that only report a result (a window read, the connect or
    // refresh) are accepted at once rather than left to run their time.
    void endResultBoxesEarly();

    // Texts of the busy boxes and of the other dialogs the answerer saw.
    QStringList busyTexts() const;
    QStringList messageTexts() const;
};

#endif
