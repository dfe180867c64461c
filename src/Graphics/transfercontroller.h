#ifndef TRANSFERCONTROLLER_H
#define TRANSFERCONTROLLER_H

#include <QObject>
#include <QString>
#include <QThread>

class UserView;
class Worker;

// Owns the wall view's ticker thread: a Worker in a thread of its own whose
// 10 ms signal reaches UserView::handleData queued in the GUI thread while a
// window is being edited.
class TransferController : public QObject
{
    Q_OBJECT
public:
    explicit TransferController(UserView *view);
    ~TransferController() override;

    void startWork();
    // Ends the worker's loop and joins the thread; safe to call again.
    void stop();
    // The ticker runs only while a window is being edited.
    void setTicking(bool on);

    QThread mWorkerThread;
    Worker *mWorker = nullptr;

public slots:
    void handleResults(QString result);

signals:
    void operate(QString parameter);
};

#endif
