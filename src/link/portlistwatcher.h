#ifndef PORTLISTWATCHER_H
#define PORTLISTWATCHER_H

#include "link/serialportmanager.h" // SerialPortEntry, availableSerialPortEntries(), setSerialPortLister()

#include <QList>
#include <QObject>
#include <atomic>
#include <memory>

class PortReader;
class QFileSystemWatcher;
class QTimer;

// The program's one lister of serial ports: enumerates off the GUI thread (when a device node comes or
// goes, else about once a second) and keeps the latest list, so no poll blocks the window.
class PortListWatcher : public QObject
{
    Q_OBJECT
public:
    static PortListWatcher *getInstance(); // function-local static, created on first use
    QList<SerialPortEntry> latest() const; // GUI thread: the newest list read
    void refreshNow();                     // asks for a re-read at once (result arrives via portsChanged)

signals:
    void portsChanged(const QList<SerialPortEntry> &ports); // GUI thread, whenever a read differs from the one before

private:
    friend class PortReader;
    friend void setSerialPortLister(SerialPortLister lister);

    PortListWatcher();
    ~PortListWatcher() override;

    // A new lister is read at once, so whoever installed it sees its list straight away.
    static void listerReplaced();
    static void shutdown();
    void readAndPost(); // reader thread
    void adopt(quint64 generation, const QList<SerialPortEntry> &ports);
    void watchDeviceFolder();
    bool polls() const;

    static PortListWatcher *sInstance;
    QList<SerialPortEntry> mLatest;
    quint64 mAdoptedGeneration = 0;
    std::atomic<quint64> mGeneration{0};
    // Touched by the reader thread only: what it last handed over.
    QList<SerialPortEntry> mPosted;
    quint64 mPostedGeneration = 0;
    std::unique_ptr<PortReader> mReader;
    QFileSystemWatcher *mDeviceWatch = nullptr;
    QTimer *mSettle = nullptr;
};

#endif
