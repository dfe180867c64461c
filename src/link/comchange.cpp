#include "comchange.h"

#include "link/portlistwatcher.h"

#include <QCoreApplication>
#include <QSerialPort>

#ifdef Q_OS_WIN
#include <windows.h>

namespace {
constexpr UINT kDeviceChangeMessage = 0x0219;
constexpr WPARAM kDeviceArrival = 0x8000;
constexpr WPARAM kDeviceRemoveComplete = 0x8004;
constexpr DWORD kDeviceTypePort = 3;

// Every device-change broadcast starts with this header; a port broadcast
// carries the port's NUL-terminated UTF-16 name right after it.
struct DeviceBroadcastHeader {
    DWORD size;
    DWORD deviceType;
    DWORD reserved;
};
struct PortBroadcast {
    DeviceBroadcastHeader header;
    wchar_t name[1];
};
} // namespace
#endif

ComChange::ComChange(QObject *parent) : QObject(parent)
{
    if (QCoreApplication *app = QCoreApplication::instance()) {
        app->installNativeEventFilter(this);
        // The single instance may be asked for from any thread; its reports
        // belong to the GUI thread.
        if (!parent)
            moveToThread(app->thread());
    }
#ifndef Q_OS_WIN
    PortListWatcher *watcher = PortListWatcher::getInstance();
    for (const SerialPortEntry &port : watcher->latest())
        mKnownPorts << port.name;
    connect(watcher, &PortListWatcher::portsChanged, this, &ComChange::followPortList);
#endif
}

// The filter base takes itself out of the application's filters.
ComChange::~ComChange() = default;

ComChange *ComChange::getInstance()
{
    static ComChange instance;
    return &instance;
}

void ComChange::setHwnd(WId hwnd)
{
    mHwnd = hwnd;
}

#ifdef Q_OS_WIN
bool ComChange::nativeEventFilter(const QByteArray &eventType, void *message, long *result)
{
    Q_UNUSED(result);
    if (eventType != "windows_generic_MSG")
        return false;
    const MSG *msg = static_cast<const MSG *>(message);
    if (msg->message != kDeviceChangeMessage || reinterpret_cast<WId>(msg->hwnd) != mHwnd || !mHwnd)
        return false;
    const bool arrival = msg->wParam == kDeviceArrival;
    if (!arrival && msg->wParam != kDeviceRemoveComplete)
        return false;
    const auto *header = reinterpret_cast<const DeviceBroadcastHeader *>(msg->lParam);
    if (!header || header->deviceType != kDeviceTypePort)
        return false;
    const auto *port = reinterpret_cast<const PortBroadcast *>(header);
    emit comStatus(QString::fromWCharArray(port->name), arrival);
    return false;
}
#else
bool ComChange::nativeEventFilter(const QByteArray &eventType, void *message, long *result)
{
    Q_UNUSED(eventType);
    Q_UNUSED(message);
    Q_UNUSED(result);
    return false;
}

void ComChange::followPortList(const QList<SerialPortEntry> &ports)
{
    QStringList names;
    for (const SerialPortEntry &port : ports)
        names << port.name;
    const QStringList before = mKnownPorts;
    mKnownPorts = names;
    if (!mHwnd)
        return;
    for (const QString &name : before) {
        if (!names.contains(name))
            emit comStatus(name, false);
    }
    for (const QString &name : names) {
        if (!before.contains(name))
            emit comStatus(name, true);
    }
}
#endif

QStringList availableSerialPorts()
{
    QStringList names;
    for (const SerialPortEntry &entry : availableSerialPortEntries()) {
        QSerialPort port;
        port.setPortName(entry.name);
        if (port.open(QIODevice::ReadWrite)) {
            names << entry.name;
            port.close();
        }
    }
    return names;
}
