#ifndef FAKEBOXTCP_H
#define FAKEBOXTCP_H

#include <QElapsedTimer>
#include <QHostAddress>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QStringList>

class QTcpServer;
class QTcpSocket;

// What the stand-in box reports about the wall: the global values and, per
// window, every state value by its state index (0x01 X .. 0x32 input
// resolution code), the numbering both the TCP frames and the UDP records use.
struct FakeBoxTcpState
{
    int deviceValue = 7;
    int mode = 0;
    int flag = 0;
    int rows = 1;
    int columns = 1;
    int columnsHighByte = 0;       // the box may put something above the columns
    int layers[4] = {1, 2, 3, 4};  // layer of window 1..4, 1 = front
    QMap<int, int> windows[4];     // window 1..4: state index -> value

    FakeBoxTcpState();
    int &value(int window, int index) { return windows[window - 1][index]; }
    quint16 layerOrderWord() const;
};

// The TCP side of the stand-in box. Listens on 10.77.0.2, takes the packets
// the program sends apart (command bytes plus CRC-8), records them with the
// time they arrived and answers the start-up queries: the global query with
// one global frame, each window query with that window's frame.
class FakeBoxTcp : public QObject
{
    Q_OBJECT
public:
    struct Packet {
        QString text;       // the command part in lower-case hex
        bool crcOk = false;
        qint64 ms = 0;      // arrival, since the box was made
    };

    explicit FakeBoxTcp(QObject *parent = nullptr);
    ~FakeBoxTcp() override;

    // Not listening is how the box "does not accept": the connect is refused.
    bool listen(quint16 port = 0);
    void stopListening();
    quint16 port() const;
    bool hasClient() const;

    FakeBoxTcpState state;
    QSet<int> omitted;          // frames not answered: 0 global, 1..4 windows
    bool joinFrames = false;    // hold each answer and write it with the next one

    void closeLink();           // the box drops the connection
    void write(const QByteArray &raw);

    QList<Packet> packets;
    QStringList texts() const;

    static QByteArray frame(const QVector<quint16> &words);
    static QByteArray globalFrame(const FakeBoxTcpState &state);
    static QByteArray windowFrame(const FakeBoxTcpState &state, int window);
    static quint8 crc8(const QByteArray &bytes);

signals:
    void packetReceived(const QString &text);

private:
    void onNewConnection();
    void onReadyRead();
    void answer(const QString &text);

    QTcpServer *mServer;
    QPointer<QTcpSocket> mClient;
    QByteArray mPending;        // bytes of a packet not complete yet
    QByteArray mHeld;           // answer held back to be joined with the next
    QElapsedTimer mClock;
};

#endif
