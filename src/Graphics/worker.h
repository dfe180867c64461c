#ifndef WORKER_H
#define WORKER_H

#include <QMutex>
#include <QObject>
#include <QString>
#include <QWaitCondition>
#include <atomic>

// Runs in the ticker thread: emits handleData every 10 ms while it ticks,
// until stopped. It ticks only while a window of the wall is being edited and
// sleeps without waking otherwise.
class Worker : public QObject
{
    Q_OBJECT
public:
    static constexpr int TickMs = 10;

    Worker();
    ~Worker() override;

    // Both may be called from any thread.
    void setTicking(bool on);
    void stop();
    bool isTicking() const { return mTicking; }

    // Cleared to end the loop of doWork; use stop(), which also wakes it.
    std::atomic<bool> mRunning{true};

public slots:
    void doWork(QString parameter);

signals:
    void handleData();
    void resultReady(QString result);

private:
    QMutex mMutex;
    QWaitCondition mWake;
    std::atomic<bool> mTicking{false};
};

#endif
