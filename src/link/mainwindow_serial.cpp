// Serial link: port list and its poll, open/close, incoming data, offline mode.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "globals.h"
#include "link/linkstatus.h"
#include "link/linktr.h"
#include "link/portlistwatcher.h"
#include "link/serialportmanager.h"
#include "maincontent/controlwidget/framecontrol/dragpushbutton.h"
#include "maincontent/mymessagebox.h"
#include "maincontent/waitingwidget.h"
#include "networkdialog.h"
#include "screen/languagefile.h"
#include "titlebar/maintitlebar.h"

#include <QComboBox>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSerialPort>
#include <QTcpSocket>
#include <QTimer>

namespace {
// The message boxes about the connection itself: no title, one fixed-size button.
void showConnectionBox(const QString &text, bool ownButton)
{
    QMessageBox box;
    box.setText(text);
    if (ownButton) {
        QPushButton *ok = box.addButton(QStringLiteral("确定"), QMessageBox::ActionRole);
        ok->setFixedSize(50, 28);
    }
    box.exec();
}

// The main form and the network dialog show the same port list and open button.
void setOpenButtonTexts(MainWindow *window, const QString &text)
{
    window->ui->openButton->setText(text);
    if (window->mNetworkDialog)
        window->mNetworkDialog->setOpenButtonText(text);
}

void fillPortLists(MainWindow *window, const QStringList &texts)
{
    window->ui->serialPortComboBox->clear();
    window->ui->serialPortComboBox->addItems(texts);
    if (window->mNetworkDialog)
        window->mNetworkDialog->setSerialPortTexts(texts);
}

// The notice moves into the window it is shown over and may go with it.
void showOpenedNotice(MainWindow *window, QPointer<NoticeWidget> &notice)
{
    NoticeWidget::showNotice(notice, window, linkTr("打开成功"), 1500);
    NoticeWidget::showNotice(notice, window->mNetworkDialog, linkTr("打开成功"), 1500);
}
} // namespace

void MainWindow::initSerialPort()
{
    g_languageIndex = LanguageFile::read();

    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    ui->widgetTitle->setMoveWidget(this);

    SerialPortManager::getInstance()->init();
    mDragPushButton = new DragPushButton(111, nullptr);

    QStringList texts;
    for (const SerialPortEntry &entry : PortListWatcher::getInstance()->latest())
        texts << entry.text();
    ui->serialPortComboBox->addItems(texts);
    if (mNetworkDialog)
        mNetworkDialog->setSerialPortTexts(texts);

    // The poll lives as long as the window it reports to.
    auto *poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, &MainWindow::showValidPort);
    poll->start(1000);

    connect(this, &MainWindow::tabbar, this, &MainWindow::langban);
    connect(this, &MainWindow::tabbar, ui->widgetTitle, &MainTitleBar::bar);
    connect(SerialPortManager::getInstance(), &SerialPortManager::serialStatus, this, &MainWindow::bar2);

    emit mainsignals();
    emit color();
    emit tabbar();
}

void MainWindow::showValidPort()
{
    mSerialPort = SerialPortManager::getInstance()->serialPort();

    QStringList names;
    QStringList texts;
    for (const SerialPortEntry &entry : PortListWatcher::getInstance()->latest()) {
        names << entry.name;
        texts << entry.text();
    }
    mSerialPortNames = names;
    if (texts == mSerialPortTexts)
        return;

    // Any change of the port set ends the serial road. The state is settled
    // before the box opens, since the polls keep running inside it.
    const bool wasConnected = g_serialConnected;
    g_serialConnected = false;
    mSerialPortTexts = texts;
    fillPortLists(this, texts);
    setOpenButtonTexts(this, linkTr("打开串口"));
    if (mSerialPort && mSerialPort->isOpen()) {
        mSerialPort->close();
        g_serialPortOpen = 0;
    }
    if (!wasConnected)
        return;
    if (!g_networkConnected)
        disableControls();
    postLinkStatus(kStatusSerialNotConnected);
    showConnectionBox(g_languageIndex == 0 ? QStringLiteral("连接中断，请检查串口连接")
                                           : QStringLiteral("Connection interrupted, Please check serial port connection"),
                      true);
}

void MainWindow::on_openButton_clicked()
{
    g_offlineMode = false;
    setCurrentWindowsMovable(true);

    QSerialPort *port = SerialPortManager::getInstance()->serialPort();
    if (!port || mSerialPortNames.isEmpty()) {
        MyMessageBox::error(this, linkTr("错误"), linkTr("无有效串口设备！"));
        return;
    }
    // The port chosen is the one selected in the network dialog's list.
    const int index = mNetworkDialog ? mNetworkDialog->serialPortIndex() : ui->serialPortComboBox->currentIndex();
    const bool validIndex = index >= 0 && index < mSerialPortNames.size();
    if (validIndex)
        port->setPortName(mSerialPortNames.at(index));

    if (port->isOpen()) {
        g_serialConnected = false;
        if (!g_networkConnected)
            disableControls();
        port->close();
        g_serialPortOpen = 0;
        setOpenButtonTexts(this, linkTr("打开串口"));
        postLinkStatus(kStatusSerialNotConnected);
        return;
    }
    if (!validIndex) {
        MyMessageBox::error(this, linkTr("错误"), linkTr("无有效串口设备！"));
        return;
    }

    if (!port->open(QIODevice::ReadWrite)) {
        g_serialConnected = false;
        port->close();
        g_serialPortOpen = 0;
        if (g_languageIndex == 0)
            showConnectionBox(QStringLiteral("当前串口号无法打开！请检查后重新打开！\n1、USB串口松了\n2、是否被其他的程序占用\n"), true);
        else
            showConnectionBox(QStringLiteral("The current serial number cannot be opened! Please check and reopen! \n"
                                             "1.USB serial port loose \n2.Whether it is occupied  by other programs\n"),
                              false);
        postLinkStatus(kStatusSerialNotConnected);
        return;
    }

    SerialPortManager::applyLineSettings(port);
    connect(port, &QSerialPort::readyRead, this, &MainWindow::readyReadSlot, Qt::UniqueConnection);
    g_serialPortOpen = 1;
    setOpenButtonTexts(this, linkTr("连接中") + QStringLiteral("..."));
    postLinkStatus(kStatusSerialConnecting);

    // The road counts as up as soon as the port opens.
    if (!g_serialConnected) {
        g_serialConnected = true;
        enableControls();
        setOpenButtonTexts(this, linkTr("关闭串口"));
        postLinkStatus(kStatusSerialConnected);
        static QPointer<NoticeWidget> notice;
        showOpenedNotice(this, notice);
    }
}

void MainWindow::readyReadSlot()
{
    QSerialPort *port = SerialPortManager::getInstance()->serialPort();
    if (!port)
        return;
    // Replies on this road are not interpreted.
    port->readAll();
    if (!g_serialConnected) {
        g_serialConnected = true;
        ui->openButton->setText(linkTr("关闭串口"));
        postLinkStatus(kStatusSerialConnected);
        static QPointer<NoticeWidget> notice;
        showOpenedNotice(this, notice);
    }
}

void MainWindow::on_ptn_offLine_clicked()
{
    ui->ptn_offLine->setEnabled(false);
    g_offlineMode = true;
    // Links go first: the TCP socket's disconnect handler disables the controls.
    g_networkConnected = false;
    if (mTcpSocket)
        mTcpSocket->close();
    g_serialConnected = false;
    if (QSerialPort *port = SerialPortManager::getInstance()->serialPort()) {
        if (port->isOpen())
            g_serialPortOpen = 0;
        port->close();
    }
    enableControls();
    setOpenButtonTexts(this, linkTr("打开串口"));
    setCurrentWindowsMovable(true);
    postLinkStatus(kStatusOffline);
    showStatusText(statusLine(kStatusOffline));
}
