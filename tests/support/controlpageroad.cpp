#include "controlpageroad.h"

#include "globals.h"
#include "link/networkportmanager.h"
#include "link/serialportmanager.h"
#include "maincontent/controlwidget/controlpagecommand.h"
#include "ptypair.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSerialPort>
#include <QTcpServer>
#include <QTcpSocket>

namespace {
// A command no page sends.
const QString kFence = QStringLiteral("66ff00ff00");
const QHostAddress kBoxAddress(QStringLiteral("10.77.0.2"));
} // namespace

ControlPageRoad::ControlPageRoad(Kind kind)
    : mKind(kind)
{
    g_networkConnected = kind == Tcp;
    if (kind == Serial) {
        mPty.reset(new PtyPair);
        SerialPortManager::getInstance()->init();
        QSerialPort *port = SerialPortManager::getInstance()->serialPort();
        port->close();
        port->setPortName(mPty->slavePath());
        mOpen = mPty->isValid() && port->open(QIODevice::ReadWrite);
        return;
    }
    NetworkPortManager::getInstance()->init();
    QTcpSocket *socket = NetworkPortManager::getInstance()->tcpSocket();
    socket->abort();
    mServer = new QTcpServer;
    if (!mServer->listen(kBoxAddress))
        return;
    socket->connectToHost(kBoxAddress, mServer->serverPort());
    if (!socket->waitForConnected(3000) || !mServer->waitForNewConnection(3000))
        return;
    mPeer = mServer->nextPendingConnection();
    mOpen = mPeer != nullptr;
}

ControlPageRoad::~ControlPageRoad()
{
    if (mKind == Serial)
        SerialPortManager::getInstance()->serialPort()->close();
    else
        NetworkPortManager::getInstance()->tcpSocket()->abort();
    delete mServer; // and the peer it made
    g_networkConnected = false;
}

QByteArray ControlPageRoad::wireOf(Kind kind, const QString &command)
{
    return kind == Tcp ? command.toLatin1() + '\n' : QByteArray::fromHex(command.toLatin1());
}

QByteArray ControlPageRoad::wire(const QString &command) const
{
    return wireOf(mKind, command);
}

QByteArray ControlPageRoad::received()
{
    if (!mOpen)
        return QByteArray();
    const QByteArray fence = wire(kFence);
    ControlPageCommand::send(kFence);
    QElapsedTimer clock;
    clock.start();
    while (!mPending.contains(fence) && clock.elapsed() < 5000) {
        if (mKind == Serial) {
            mPending += mPty->read(1, 20);
        } else {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            if (mPeer->bytesAvailable() > 0 || mPeer->waitForReadyRead(5))
                mPending += mPeer->readAll();
        }
    }
    const int at = mPending.indexOf(fence);
    if (at < 0)
        return mPending;
    const QByteArray before = mPending.left(at);
    mPending.remove(0, at + fence.size());
    return before;
}
