#include "controlpageport.h"

#include "link/serialportmanager.h"

#include <QElapsedTimer>
#include <QSerialPort>

namespace {
// No command of the family starts with 0xff, so it cannot be taken for one.
const QByteArray Marker("\xff\xfe\xff\xfe\xff", 5);
constexpr int CommandSize = 5;
}

ControlPagePort::ControlPagePort()
{
    SerialPortManager::getInstance()->init();
}

ControlPagePort::~ControlPagePort()
{
    close();
}

QSerialPort *ControlPagePort::port() const
{
    return SerialPortManager::getInstance()->serialPort();
}

bool ControlPagePort::open()
{
    if (!mPty.isValid())
        return false;
    port()->setPortName(mPty.slavePath());
    return port()->open(QIODevice::ReadWrite);
}

void ControlPagePort::close()
{
    port()->close();
}

QStringList ControlPagePort::commandsSent()
{
    QStringList commands;
    if (!port()->isOpen())
        return commands;
    port()->write(Marker);
    QByteArray data;
    QElapsedTimer clock;
    clock.start();
    while (!data.endsWith(Marker) && clock.elapsed() < 5000)
        data += mPty.read(1, 100);
    if (!data.endsWith(Marker))
        return {QStringLiteral("<marker lost>"), QString::fromLatin1(data.toHex())};
    data.chop(Marker.size());
    for (int at = 0; at < data.size(); at += CommandSize)
        commands << QString::fromLatin1(data.mid(at, CommandSize).toHex());
    return commands;
}
