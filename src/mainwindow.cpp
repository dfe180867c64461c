#include "mainwindow.h"

#include <QKeyEvent>

// Placeholder shell: the form and the construction sequence come later.
MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    mSendPackets = new QList<QByteArray>;
    mSendTexts = new QList<QString>;
}

MainWindow::~MainWindow()
{
    delete mSendPackets;
    delete mSendTexts;
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    return QMainWindow::eventFilter(watched, event);
}
