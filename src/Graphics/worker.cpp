#include "worker.h"

#include <QDeadlineTimer>
#include <QDebug>

Worker::Worker() : QObject(nullptr) {}

Worker::~Worker()
{
    stop();
    qDebug() << "worker destroy";
}

void Worker::setTicking(bool on)
{
    QMutexLocker lock(&mMutex);
    if (mTicking == on)
        return;
    mTicking = on;
    mWake.wakeAll();
}

void Worker::stop()
{
    QMutexLocker lock(&mMutex);
    mRunning = false;
    mWake.wakeAll();
}

void Worker::doWork(QString)
{
    constexpr qint64 tickNs = qint64(TickMs) * 1000 * 1000;
    QDeadlineTimer next(TickMs, Qt::PreciseTimer);
    QMutexLocker lock(&mMutex);
    while (mRunning) {
        if (!mTicking) {
            mWake.wait(&mMutex);
            next = QDeadlineTimer(TickMs, Qt::PreciseTimer);
            continue;
        }
        if (!next.hasExpired()) {
            mWake.wait(&mMutex, next);
            continue;
        }
        // The beat keeps its phase; only a tick missed altogether starts it anew.
        next = QDeadlineTimer::addNSecs(next, tickNs);
        if (next.hasExpired())
            next = QDeadlineTimer(TickMs, Qt::PreciseTimer);
        lock.unlock();
        emit handleData();
        lock.relock();
    }
    lock.unlock();
    emit resultReady(QString());
}
