#ifndef CONTROLPAGEPORT_H
#define CONTROLPAGEPORT_H

#include "ptypair.h"

#include <QStringList>

class QSerialPort;

// The program's shared serial port (SerialPortManager) on a pseudo-terminal,
// read back as the control pages' five-byte commands.
class ControlPagePort
{
public:
    ControlPagePort();
    ~ControlPagePort() { close(); }

    bool open();
    void close();
    QSerialPort *port() const;
    // The commands written since the last call, as hex text in arrival order.
    // A marker written behind them ends the read, so "nothing" costs no wait.
    QStringList commandsSent();

private:
    PtyPair mPty;
};

#endif
