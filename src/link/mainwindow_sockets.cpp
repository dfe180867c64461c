// The TCP and UDP sockets: made once, wired to the link, UDP bound on demand.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "link/networkportmanager.h"

#include <QTcpSocket>
#include <QUdpSocket>

namespace {
constexpr quint16 kLocalUdpPort = 1400;
} // namespace

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
