#include "portlistwatcher.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QMutex>
#include <QThread>
#include <QTimer>
#include <QWaitCondition>

namespace {
constexpr int kPollMs = 1000;
// Device nodes come and go in this folder; a change there is the only time the
// platform list needs reading again.
const char kDeviceFolder[] = "/dev";
// The system may describe a new node a moment after creating it.
constexpr int kSettleMs = 1000;
} // namespace

// Reads the list whenever asked, and every kPollMs where no change notice can
// be had (another platform, or a lister installed by a test).
class PortReader : public QThread
{
public:
    explicit PortReader(PortListWatcher *watcher) : mWatcher(watcher) {}
    ~PortReader() override { stop(); }

    void request()
    {
        QMutexLocker lock(&mMutex);
        mRequested = true;
        mWake.wakeOne();
    }

    void setPolling(bool polling)
    {
        QMutexLocker lock(&mMutex);
        mPolling = polling;
        mWake.wakeOne();
    }

    void stop()
    {
        {
            QMutexLocker lock(&mMutex);
            mStopping = true;
            mWake.wakeOne();
        }
        wait();
    }

protected:
    void run() override
    {
        for (;;) {
            {
                QMutexLocker lock(&mMutex);
                if (!mRequested && !mStopping) {
                    const bool polling = mPolling;
                    const bool woken = mWake.wait(&mMutex, polling ? QDeadlineTimer(kPollMs)
                                                                   : QDeadlineTimer(QDeadlineTimer::Forever));
                    // A change of mode alone is no reason to read.
                    if (woken && !mRequested && !mStopping)
                        continue;
                }
                if (mStopping)
                    return;
                mRequested = false;
            }
            mWatcher->readAndPost();
        }
    }

private:
    PortListWatcher *mWatcher;
    QMutex mMutex;
    QWaitCondition mWake;
    bool mRequested = false;
    bool mPolling = true;
    bool mStopping = false;
};

PortListWatcher *PortListWatcher::sInstance = nullptr;

PortListWatcher *PortListWatcher::getInstance()
{
    static PortListWatcher instance;
    return &instance;
}

PortListWatcher::PortListWatcher() : mReader(new PortReader(this))
{
    qRegisterMetaType<QList<SerialPortEntry>>();
    sInstance = this;
    // One read here, so the first look at the list finds it filled.
    mLatest = availableSerialPortEntries();
    mPosted = mLatest;
    if (QCoreApplication::instance()) {
        watchDeviceFolder();
        // The reader and the notices must end while the application still runs.
        qAddPostRoutine(&PortListWatcher::shutdown);
    }
    mReader->setPolling(polls());
    mReader->start(QThread::LowPriority);
}

PortListWatcher::~PortListWatcher()
{
    mReader->stop();
    sInstance = nullptr;
}

void PortListWatcher::shutdown()
{
    if (!sInstance)
        return;
    sInstance->mReader->stop();
    delete sInstance->mDeviceWatch;
    sInstance->mDeviceWatch = nullptr;
    delete sInstance->mSettle;
    sInstance->mSettle = nullptr;
}

void PortListWatcher::watchDeviceFolder()
{
    const QString folder = QString::fromLatin1(kDeviceFolder);
    if (!QFileInfo(folder).isDir())
        return;
    auto *watch = new QFileSystemWatcher(this);
    if (!watch->addPath(folder)) {
        delete watch;
        return;
    }
    mDeviceWatch = watch;
    mSettle = new QTimer(this);
    mSettle->setSingleShot(true);
    mSettle->setInterval(kSettleMs);
    connect(mSettle, &QTimer::timeout, this, &PortListWatcher::refreshNow);
    connect(mDeviceWatch, &QFileSystemWatcher::directoryChanged, this, [this] {
        refreshNow();
        mSettle->start();
    });
}

bool PortListWatcher::polls() const
{
    return !usesPlatformSerialPortLister() || !mDeviceWatch;
}

QList<SerialPortEntry> PortListWatcher::latest() const
{
    return mLatest;
}

void PortListWatcher::refreshNow()
{
    mReader->request();
}

void PortListWatcher::listerReplaced()
{
    PortListWatcher *watcher = sInstance;
    if (!watcher)
        return;
    const quint64 generation = ++watcher->mGeneration;
    watcher->mReader->setPolling(watcher->polls());
    if (QThread::currentThread() == watcher->thread())
        watcher->adopt(generation, availableSerialPortEntries());
    else
        watcher->refreshNow();
}

void PortListWatcher::readAndPost()
{
    const quint64 generation = mGeneration;
    const QList<SerialPortEntry> ports = availableSerialPortEntries();
    if (generation == mPostedGeneration && ports == mPosted)
        return;
    mPostedGeneration = generation;
    mPosted = ports;
    QMetaObject::invokeMethod(this, [this, generation, ports] { adopt(generation, ports); }, Qt::QueuedConnection);
}

void PortListWatcher::adopt(quint64 generation, const QList<SerialPortEntry> &ports)
{
    // A read that began before a lister was replaced describes the old one.
    if (generation < mAdoptedGeneration)
        return;
    mAdoptedGeneration = generation;
    if (ports == mLatest)
        return;
    mLatest = ports;
    emit portsChanged(mLatest);
}
