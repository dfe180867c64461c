#include "networkportmanager.h"

#include <QNetworkProxy>
#include <QTcpSocket>
#include <QUdpSocket>

NetworkPortManager *NetworkPortManager::getInstance()
{
    static NetworkPortManager instance;
    return &instance;
}

void NetworkPortManager::init()
{
    if (mTcpSocket)
        return;
    mTcpSocket = new QTcpSocket;
    mTcpSocket->setProxy(QNetworkProxy::NoProxy);
    mUdpSocket = new QUdpSocket(this);
    mUdpSocket->setProxy(QNetworkProxy::NoProxy);
}
