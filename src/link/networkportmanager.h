#ifndef NETWORKPORTMANAGER_H
#define NETWORKPORTMANAGER_H

#include <QObject>
#include <QString>

class QTcpSocket;
class QUdpSocket;

// The program's one TCP socket and one UDP socket, with the state of the
// device reached over UDP.
class NetworkPortManager : public QObject
{
    Q_OBJECT
public:
    static NetworkPortManager *getInstance();

    // Creates both sockets (once); neither ever goes through a proxy.
    void init();
    QTcpSocket *tcpSocket() const { return mTcpSocket; }
    QUdpSocket *udpSocket() const { return mUdpSocket; }
    void setTcpSocket(QTcpSocket *socket) { mTcpSocket = socket; }
    void setUdpSocket(QUdpSocket *socket) { mUdpSocket = socket; }

    QString mLocalIp;          // local address the UDP socket is bound to
    bool mUdpSession = false;
    QString mDeviceIp;
    bool mDhcpMode = false;    // device in DHCP mode: datagrams go to port 68

    // The device's UDP port: 68 in DHCP mode, 23 otherwise.
    quint16 devicePort() const { return mDhcpMode ? 68 : 23; }

private:
    NetworkPortManager() = default;
    QTcpSocket *mTcpSocket = nullptr;
    QUdpSocket *mUdpSocket = nullptr;
};

#endif
