#ifndef CONTROLPAGEPORT_H
#define CONTROLPAGEPORT_H

#include "ptypair.h"

#include <QStringList>

class QSerialPort;

// The program's shared serial port (SerialPortManager) opened on a
// pseudo-terminal, so that what the control pages write can be read back as
// their five-byte commands.
class ControlPagePort
{
public:
    ControlPagePort();
    ~ControlPagePort();

    bool open();
    void close();
    QSerialPort *port() const;

    // Every command written since the last call, as lower-case hex text, in
    // the order the bytes arrived. A marker written behind them ends the
    // read, so "nothing was sent" costs no waiting.
    QStringList commandsSent();

private:
    PtyPair mPty;
};

#endif
