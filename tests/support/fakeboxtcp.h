#ifndef FAKEBOXTCP_H
#define FAKEBOXTCP_H

#include <QElapsedTimer>
#include <QHostAddress>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QStringList>

#include "fakebox.h"

class QTcpServer;
class QTcpSocket;

// The TCP side of the stand-in box. Listens on 10.77.0.2, takes the packets
// the program sends apart (command bytes plus CRC-8), records them with the
// time they arrived and answers the start-up queries: the global query with
// one global frame, each window query with that window's frame, all built
// from the same FakeBoxState the UDP side answers from.
class FakeBoxTcp : public QObject
{
    Q_OBJECT
public:
    struct Packet {
        QString text;       // the command part in lower-case hex
        bool crcOk = false;
        qint64 ms = 0;      // arrival, since the box was made
    };

    explicit FakeBoxTcp(FakeBoxState *state, QObject *parent = nullptr);
    ~FakeBoxTcp() override;

    // Not listening is how the box "does not accept": the connect is refused.
    bool listen(quint16 port = 0);
    void stopListening();
    quint16 port() const;
    bool hasClient() const;

    // Global-frame values only the TCP road carries.
    int deviceValue = 7;
    int mode = 0;               // 0, 1, 2: one of three exclusive flags
    int flag = 0;
    int columnsHighByte = 0;    // the box may put something above the columns

    QSet<int> omitted;          // frames not answered: 0 global, 1..4 windows
    bool joinFrames = false;    // hold each answer and write it with the next one (or the terminator)
    bool splitFrames = false;   // write each answer in two pieces, a moment apart
    QByteArray junk;            // stray bytes written before each answer

    void closeLink();           // the box drops the connection
    void write(const QByteArray &raw);

    QList<Packet> packets;
    QStringList texts() const;

    QByteArray globalFrame() const;
    QByteArray windowFrame(int window) const;     // window 1..4
    static QByteArray frame(const QVector<quint16> &words);
    // Stacking of the model (global key 7, one digit per window) as the TCP
    // frame's word: nibble 4 - layer holds twice the window's index.
    static quint16 layerOrderWord(const FakeBoxState &state);
    static int rows(const FakeBoxState &state);
    static int columns(const FakeBoxState &state);

signals:
    void packetReceived(const QString &text);

private:
    void onNewConnection();
    void onReadyRead();
    void answer(const QString &text);
    void send(const QByteArray &bytes);   // as splitFrames says

    FakeBoxState *mState;
    QTcpServer *mServer;
    QPointer<QTcpSocket> mClient;
    QByteArray mPending;        // bytes of a packet not complete yet
    QByteArray mHeld;           // answer held back to be joined with the next
    QElapsedTimer mClock;
};

#endif
