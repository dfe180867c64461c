// Send queue pump, link timers and the sockets' set-up.
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

namespace {
constexpr quint16 kLocalUdpPort = 1400;
} // namespace

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

void MainWindow::initNetwork()
{
    NetworkPortManager *holder = NetworkPortManager::getInstance();
    holder->init();
    mTcpSocket = holder->tcpSocket();
    mUdpSocket = holder->udpSocket();

    // Kept only in two hidden fields; the TCP connect uses the dialog's address.
    ui->IP->setText(QStringLiteral("192.168.1.192"));
    ui->port->setText(QStringLiteral("23"));

    connect(mTcpSocket, &QTcpSocket::readyRead, this, &MainWindow::onTcpReadyRead);
    connect(mUdpSocket, &QUdpSocket::readyRead, this, &MainWindow::parsingLowerComputerStatusByUdp);
    connect(mTcpSocket, &QTcpSocket::disconnected, this, &MainWindow::onServerDisconnected);
    connect(mUdpSocket, &QUdpSocket::connected, this, &MainWindow::onUdpConnected);
    connect(mTcpSocket, &QTcpSocket::connected, this, &MainWindow::onTcpConnected);
}

bool MainWindow::bindUdpSocket(const QHostAddress &local)
{
    if (!mUdpSocket)
        return false;
    if (mUdpSocket->localAddress() == local)
        return true;
    mUdpSocket->close();
    return mUdpSocket->bind(local, kLocalUdpPort);
}
