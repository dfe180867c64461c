#include "controlpageport.h"

#include "link/serialportmanager.h"

#include <QElapsedTimer>
#include <QSerialPort>

// No command of the family starts with 0xff, so it cannot be taken for one.
static const QByteArray Marker("\xff\xfe\xff\xfe\xff", 5);

ControlPagePort::ControlPagePort() { SerialPortManager::getInstance()->init(); }

QSerialPort *ControlPagePort::port() const { return SerialPortManager::getInstance()->serialPort(); }

bool ControlPagePort::open()
{
    port()->setPortName(mPty.slavePath());
    return mPty.isValid() && port()->open(QIODevice::ReadWrite);
}

void ControlPagePort::close() { port()->close(); }

QStringList ControlPagePort::commandsSent()
{
    port()->write(Marker);
    QByteArray data;
    QElapsedTimer clock;
    clock.start();
    while (!data.endsWith(Marker) && clock.elapsed() < 5000)
        data += mPty.read(1, 100);
    if (!data.endsWith(Marker))
        return {QStringLiteral("no marker in"), QString::fromLatin1(data.toHex())};
    QStringList commands;
    for (int at = 0; at + Marker.size() < data.size(); at += 5)
        commands << QString::fromLatin1(data.mid(at, 5).toHex());
    return commands;
}
