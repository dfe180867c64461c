// Send queue pump and link timers.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "globals.h"
#include "Graphics/userview.h"
#include "link/networkportmanager.h"
#include "link/serialportmanager.h"

#include <QSerialPort>
#include <QTcpSocket>
#include <QTimer>
#include <QUdpSocket>

void MainWindow::initTimers()
{
    mSerialHandshakeTimer = new QTimer(this);
    mConnectTimer = new QTimer(this);
    connect(mConnectTimer, &QTimer::timeout, this, &MainWindow::onConnectTimeout);
}

void MainWindow::setSendInterval(int ms)
{
    if (mSendTimer) {
        mSendTimer->stop();
        mSendTimer->start(ms);
    }
    if (ui->graphicsView)
        ui->graphicsView->setTickInterval(ms);
}

void MainWindow::onSendTimer()
{
    sendNextPacket();
}

// One entry per tick, on the road the link flags choose at this moment.
void MainWindow::sendNextPacket()
{
    if (mSendPackets->isEmpty())
        return;
    const QByteArray packet = mSendPackets->takeFirst();
    const QString text = mSendTexts->isEmpty() ? QString() : mSendTexts->takeFirst();

    if (!g_networkConnected) {
        if (!g_serialConnected)
            return;
        if (QSerialPort *port = SerialPortManager::getInstance()->serialPort())
            port->write(packet);
        emit readInfo(QStringLiteral("MainWindow::send(SerialPort)\uFF1A ") + text);
        return;
    }

    NetworkPortManager *holder = NetworkPortManager::getInstance();
    if (holder->udpSession()) {
        const bool dhcp = holder->mDhcpMode;
        if (mUdpSocket)
            mUdpSocket->writeDatagram(packet, QHostAddress(mDeviceIp), holder->devicePort());
        emit readInfo((dhcp ? QStringLiteral("MainWindow::send(DHCP)\uFF1A ") : QStringLiteral("MainWindow::send(UDP)\uFF1A "))
                      + text);
        return;
    }

    if (QTcpSocket *socket = holder->tcpSocket())
        socket->write(packet);
    emit readInfo(QStringLiteral("MainWindow::send(TCP)\uFF1A ") + text);
}
