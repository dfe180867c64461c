#include "serialportmanager.h"

#include <QCoreApplication>
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

SerialPortLister &currentLister()
{
    static SerialPortLister lister = platformPorts;
    return lister;
}
} // namespace

QList<SerialPortEntry> availableSerialPortEntries()
{
    return currentLister()();
}

void setSerialPortLister(SerialPortLister lister)
{
    currentLister() = lister ? std::move(lister) : SerialPortLister(platformPorts);
}
