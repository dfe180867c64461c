#ifndef CONTROLPAGEPORT_H
#define CONTROLPAGEPORT_H

#include "link/serialportmanager.h"
#include "ptypair.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QStringList>

// The program's shared serial port on a pseudo-terminal, read back as the
// control pages' five-byte commands.
struct ControlPagePort
{
    PtyPair pty;
    ControlPagePort() { SerialPortManager::getInstance()->init(); }
    ~ControlPagePort() { port()->close(); }
    QSerialPort *port() const { return SerialPortManager::getInstance()->serialPort(); }
    bool open() { port()->setPortName(pty.slavePath()); return port()->open(QIODevice::ReadWrite); }

    // The commands written since the last call, as hex text. A marker no
    // command starts with ends the read, so "nothing" costs no wait.
    QStringList commandsSent()
    {
        const QByteArray marker("\xff\xfe\xff\xfe\xff", 5);
        port()->write(marker);
        QByteArray data;
        QElapsedTimer clock;
        clock.start();
        while (!data.endsWith(marker) && clock.elapsed() < 5000)
            data += pty.read(1, 100);
        QStringList commands;
        for (int at = 0; at + 5 < data.size(); at += 5)
            commands << QString::fromLatin1(data.mid(at, 5).toHex());
        return data.endsWith(marker) ? commands : QStringList {"no marker in", QString::fromLatin1(data.toHex())};
    }
};

#endif
