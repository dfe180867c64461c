#ifndef CONTROLPAGEROAD_H
#define CONTROLPAGEROAD_H

#include <QByteArray>
#include <QString>
#include <memory>

class PtyPair;
class QTcpServer;
class QTcpSocket;

// The box's end of the control pages' two roads: the program's shared serial
// port opened on a pseudo-terminal, or its shared TCP socket connected to a
// server at 10.77.0.2 (only inside a test's private network namespace). The
// network flag is set for the TCP road and cleared for the serial one.
class ControlPageRoad
{
public:
    enum Kind { Serial, Tcp };

    explicit ControlPageRoad(Kind kind);
    ~ControlPageRoad();
    ControlPageRoad(const ControlPageRoad &) = delete;
    ControlPageRoad &operator=(const ControlPageRoad &) = delete;

    bool isOpen() const { return mOpen; }
    Kind kind() const { return mKind; }

    // What a command looks like on this road: the text and a line feed over
    // TCP, the decoded bytes over the serial port.
    QByteArray wire(const QString &command) const;
    // Everything the box has received since the last call, up to a fence
    // command sent now through the same road: an empty result means that
    // nothing was sent, without waiting for a silence.
    QByteArray received();

    static QByteArray wireOf(Kind kind, const QString &command);

private:
    Kind mKind;
    bool mOpen = false;
    std::unique_ptr<PtyPair> mPty;
    QTcpServer *mServer = nullptr;
    QTcpSocket *mPeer = nullptr;
    QByteArray mPending;
};

#endif
