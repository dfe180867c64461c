#ifndef WORKER_H
#define WORKER_H

#include <QObject>
#include <QString>
#include <atomic>

// Runs in the ticker thread: emits handleData every 10 ms until stopped.
class Worker : public QObject
{
    Q_OBJECT
public:
    Worker();
    ~Worker() override;

    // Cleared from the GUI thread to end the loop of doWork.
    std::atomic<bool> mRunning{true};

public slots:
    void doWork(QString parameter);

signals:
    void handleData();
    void resultReady(QString result);
};

#endif
