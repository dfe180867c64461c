#include "serialportmanager.h"

#include "link/portlistwatcher.h"

#include <QCoreApplication>
#include <QMutex>
#include <QSerialPort>
#include <QSerialPortInfo>

SerialPortManager *SerialPortManager::getInstance()
{
    static SerialPortManager instance;
    return &instance;
}

void SerialPortManager::init()
{
    if (mSerialPort)
        return;
    mSerialPort = new QSerialPort;
    if (QCoreApplication *app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &SerialPortManager::closeOnQuit);
}

void SerialPortManager::applyLineSettings(QSerialPort *port)
{
    port->setBaudRate(QSerialPort::Baud115200, QSerialPort::AllDirections);
    port->setDataBits(QSerialPort::Data8);
    port->setParity(QSerialPort::NoParity);
    port->setStopBits(QSerialPort::OneStop);
    port->setFlowControl(QSerialPort::NoFlowControl);
    port->setReadBufferSize(500);
}

void SerialPortManager::closeOnQuit()
{
    if (mSerialPort)
        mSerialPort->close();
}

namespace {
QList<SerialPortEntry> platformPorts()
{
    QList<SerialPortEntry> entries;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        entries.append({info.portName(), info.description()});
    return entries;
}

struct ListerSlot {
    QMutex mutex;
    SerialPortLister lister = platformPorts;
    bool platform = true;
};

ListerSlot &listerSlot()
{
    static ListerSlot slot;
    return slot;
}
} // namespace

QList<SerialPortEntry> availableSerialPortEntries()
{
    ListerSlot &slot = listerSlot();
    SerialPortLister lister;
    {
        QMutexLocker lock(&slot.mutex);
        lister = slot.lister;
    }
    return lister();
}

void setSerialPortLister(SerialPortLister lister)
{
    const bool platform = !lister;
    {
        ListerSlot &slot = listerSlot();
        QMutexLocker lock(&slot.mutex);
        slot.lister = platform ? SerialPortLister(platformPorts) : std::move(lister);
        slot.platform = platform;
    }
    PortListWatcher::listerReplaced();
}

bool usesPlatformSerialPortLister()
{
    ListerSlot &slot = listerSlot();
    QMutexLocker lock(&slot.mutex);
    return slot.platform;
}
