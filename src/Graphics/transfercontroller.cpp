#include "transfercontroller.h"

#include "userview.h"
#include "worker.h"

#include <QCoreApplication>
#include <QDebug>

TransferController::TransferController(UserView *view)
{
    mWorker = new Worker;
    mWorker->moveToThread(&mWorkerThread);
    // The thread deletes the worker when it finishes, so nobody else does.
    connect(&mWorkerThread, &QThread::finished, mWorker, &QObject::deleteLater);
    connect(this, &TransferController::operate, mWorker, &Worker::doWork);
    connect(mWorker, &Worker::handleData, view, &UserView::handleData);
    connect(mWorker, &Worker::resultReady, this, &TransferController::handleResults);
    // Without this the loop would keep the process alive after the last window.
    if (QCoreApplication::instance())
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit,
                this, &TransferController::stop);
    mWorkerThread.start(QThread::InheritPriority);
}

TransferController::~TransferController()
{
    stop();
    qDebug() << "TransferController destroy";
}

void TransferController::startWork()
{
    emit operate(QStringLiteral("start working"));
}

void TransferController::stop()
{
    if (mWorkerThread.isRunning()) {
        // The loop never returns to the thread's event loop by itself, so it
        // has to be told to end before quit() can take effect.
        mWorker->stop();
        mWorkerThread.quit();
        mWorkerThread.wait();
    }
    mWorker = nullptr;
}

void TransferController::setTicking(bool on)
{
    if (mWorker)
        mWorker->setTicking(on);
}

void TransferController::handleResults(QString) {}
