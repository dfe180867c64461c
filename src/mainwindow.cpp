#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QKeyEvent>

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    mSendPackets = new QList<QByteArray>;
    mSendTexts = new QList<QString>;
    ui = new Ui_MainWindow;
    ui->setupUi(this);
}

MainWindow::~MainWindow()
{
    delete ui;
    delete mSendPackets;
    delete mSendTexts;
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    return QMainWindow::eventFilter(watched, event);
}
