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
    QString mDeviceIp;
    bool mDhcpMode = false;    // device in DHCP mode: datagrams go to port 68

    // The device's UDP port: 68 in DHCP mode, 23 otherwise.
    quint16 devicePort() const { return mDhcpMode ? 68 : 23; }

    // Set while the link is one made from the network dialog: commands then
    // go to the device as datagrams, and a refresh reads it over UDP.
    bool udpSession() const { return mUdpSession; }
    void setUdpSession(bool on) { mUdpSession = on; }

private:
    NetworkPortManager() = default;
    QTcpSocket *mTcpSocket = nullptr;
    QUdpSocket *mUdpSocket = nullptr;
    bool mUdpSession = false;
};

#endif
