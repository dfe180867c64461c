#ifndef NETWORKDIALOG_H
#define NETWORKDIALOG_H

#include <QDialog>

class MainWindow;

// Connection settings: device search, connect, address change, intervals.
class NetworkDialog : public QDialog
{
    Q_OBJECT
public:
    explicit NetworkDialog(QWidget *parent = nullptr);
    void setMainWindow(MainWindow *window) { mMainWindow = window; }
    void applyTimerInterval() {}
    void retranslateUi() {}

    // Texts of the device row last taken by the connect button.
    QString mIp;
    QString mMac;
    QString mPort;

private:
    MainWindow *mMainWindow = nullptr;
};

#endif
