#ifndef FAKEBOX_H
#define FAKEBOX_H

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>

class QUdpSocket;

// Test stand-in for the Halden box inside a test's private network namespace
// (the box is 10.77.0.2, the program 10.77.0.1, broadcast 10.77.0.255).

// What the box holds. Both sides of the fake box (UDP here, a TCP side may
// follow) answer from this one model. Window values are keyed by the device's
// status index, global values by their global key.
struct FakeBoxState
{
    FakeBoxState();

    QString ip = QStringLiteral("10.77.0.2");
    QList<int> mac = {0, 17, 34, 51, 68, 85};
    QString port = QStringLiteral("23");
    QString version = QStringLiteral("2.4.10");
    bool dhcp = false;
    QString type = QStringLiteral("Halden");

    QMap<int, quint16> global;        // 5 rows, 6 columns (or rows/columns nibbles), 7 stacking, 8 output mode
    QMap<int, quint16> windows[4];    // status index -> value

    // Grid as the given generation reports it (key 6 nibbles for 1 to 4, keys 5 and 6 for 5).
    void setGrid(int rows, int cols, int generation = 5);
    void setWindowGeometry(int window, int x, int y, int width, int height);
    QString macDecimalText() const;   // "0.17.34.51.68.85"
};

// CRC-8 as the box checks it (polynomial 0x07, initial 0, no reflection).
quint8 fakeBoxCrc8(const QByteArray &bytes);

class FakeBoxUdp : public QObject
{
    Q_OBJECT
public:
    // How the box answers one query.
    enum class Reply {
        Normal,
        Drop,             // no answer
        Vary,             // answer with one value changed (each Vary differently)
        Empty,            // a header without records
        MalformedFirst,   // a record with a broken separator, then the normal answer
    };

    struct Packet {
        QByteArray data;
        quint16 port = 0;         // the box port it arrived on
        bool broadcast = false;   // sent to 10.77.0.255
        QHostAddress from;
        quint16 fromPort = 0;
        bool crcOk = false;       // last byte is the CRC-8 of the others
        qint64 atMs = 0;          // arrival, from the box's start
    };

    explicit FakeBoxUdp(FakeBoxState *state, QObject *parent = nullptr);
    ~FakeBoxUdp() override;

    bool start();

    // Query 0 is the global query, 1 to 4 the window queries. Each answer to
    // that query takes the next action of the script; an empty script answers
    // normally.
    void script(int query, const QList<Reply> &actions) { mScripts[query] = actions; }
    int replyDelayMs = 0;
    // Search answers: how many times to answer each request, and whether a
    // malformed answer goes before them.
    int discoveryAnswers = 1;
    bool malformedDiscoveryFirst = false;
    bool numberDiscoveryAnswers = false;   // each answer's type ends in its number, so none repeats
    QString lastDiscoveryType;             // when set, one more answer with this type follows
    int malformedRepeats = 1;              // how many bad datagrams MalformedFirst sends
    // Search answers written per turn of the event loop (0: all at once), so
    // that a flood larger than a socket's buffer arrives whole.
    int discoveryBurst = 0;

    QList<Packet> received;
    QList<Packet> receivedOn(quint16 port) const;
    // Hex texts (lower case) of the packets received on the box's own address.
    QStringList unicastHex() const;
    void clear() { received.clear(); }
    // Back to answering every query at once, once, from a clean record.
    void reset();

    // One status answer as the box builds it from the model.
    QByteArray statusAnswer(int query) const;

signals:
    void packetReceived(const FakeBoxUdp::Packet &packet);

private:
    void readPending(QUdpSocket *socket, quint16 port, bool broadcast);
    void handle(const Packet &p);
    void reply(const QByteArray &datagram, const Packet &to);
    void replyInBursts(const QList<QByteArray> &datagrams, const Packet &to, int from = 0);

    FakeBoxState *mState;
    QList<QUdpSocket *> mSockets;
    QUdpSocket *mUnicast23 = nullptr;
    QUdpSocket *mUnicast68 = nullptr;
    QMap<int, QList<Reply>> mScripts;
    qint64 mStartMs = 0;
    int mVariation = 0;
};

#endif
