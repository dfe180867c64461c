#include "worker.h"

#include <QDebug>
#include <QThread>

Worker::Worker() : QObject(nullptr) {}

Worker::~Worker()
{
    mRunning = false;
    qDebug() << "worker destroy";
}

void Worker::doWork(QString)
{
    while (mRunning) {
        QThread::msleep(10);
        emit handleData();
    }
    emit resultReady(QString());
}
