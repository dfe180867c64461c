#include "fakeboxtcp.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace {
const char *const BoxAddress = "10.77.0.2";

int packetLength(quint8 firstByte)
{
    // Geometry and crop commands carry four 16-bit values, the rest one.
    const quint8 family = firstByte & 0xF0;
    return (family == 0xE0 || family == 0xD0) ? 10 : 5;
}
} // namespace

quint16 FakeBoxTcp::layerOrderWord(const FakeBoxState &state)
{
    const quint16 digits = state.global.value(7);
    quint16 word = 0;
    for (int w = 0; w < 4; ++w) {
        int d = (digits >> (12 - 4 * w)) & 0xF;
        if (d > 9)
            d = 0;
        const int layer = (d + 2) / 2;
        word |= quint16((2 * w) << (4 * (4 - layer)));
    }
    return word;
}

// Generation 5 keeps rows and columns in keys 5 and 6, older ones as nibbles of key 6.
int FakeBoxTcp::rows(const FakeBoxState &state)
{
    return state.global.contains(5) ? state.global.value(5) : (state.global.value(6) >> 8) & 0xF;
}

int FakeBoxTcp::columns(const FakeBoxState &state)
{
    return state.global.contains(5) ? state.global.value(6) : state.global.value(6) & 0xF;
}

FakeBoxTcp::FakeBoxTcp(FakeBoxState *state, QObject *parent)
    : QObject(parent), mState(state), mServer(new QTcpServer(this))
{
    mClock.start();
    connect(mServer, &QTcpServer::newConnection, this, &FakeBoxTcp::onNewConnection);
}

FakeBoxTcp::~FakeBoxTcp() = default;

bool FakeBoxTcp::listen(quint16 port)
{
    return mServer->listen(QHostAddress(QString::fromLatin1(BoxAddress)), port);
}

void FakeBoxTcp::stopListening() { mServer->close(); }
quint16 FakeBoxTcp::port() const { return mServer->serverPort(); }
bool FakeBoxTcp::hasClient() const { return mClient && mClient->state() == QAbstractSocket::ConnectedState; }

void FakeBoxTcp::closeLink()
{
    if (mClient)
        mClient->close();
}

void FakeBoxTcp::write(const QByteArray &raw)
{
    if (mClient) {
        mClient->write(raw);
        mClient->flush();
    }
}

QStringList FakeBoxTcp::texts() const
{
    QStringList out;
    for (const Packet &p : packets)
        out << p.text;
    return out;
}

QByteArray FakeBoxTcp::frame(const QVector<quint16> &words)
{
    QByteArray out;
    for (quint16 w : words) {
        out.append(char(w >> 8));
        out.append(char(w & 0xFF));
    }
    return out;
}

QByteArray FakeBoxTcp::globalFrame() const
{
    QVector<quint16> w(11, 0);
    w[0] = 0xAAAA;
    w[1] = quint16(deviceValue);
    w[5] = quint16(mode);
    w[6] = quint16(flag);
    w[7] = quint16(rows(*mState));
    w[8] = quint16((columnsHighByte << 8) | (columns(*mState) & 0xFF));
    w[9] = layerOrderWord(*mState);
    w[10] = 0xBBBB;
    return frame(w);
}

QByteArray FakeBoxTcp::windowFrame(int window) const
{
    QVector<quint16> w(53, 0);
    w[0] = 0xAAAA;
    w[1] = quint16(window);
    const QMap<int, quint16> &values = mState->windows[qBound(1, window, 4) - 1];
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        if (it.key() >= 1 && it.key() <= 0x32)
            w[it.key() + 1] = it.value();
    w[52] = 0xBBBB;
    return frame(w);
}

void FakeBoxTcp::onNewConnection()
{
    while (QTcpSocket *socket = mServer->nextPendingConnection()) {
        if (mClient)
            mClient->deleteLater();
        mClient = socket;
        mPending.clear();
        connect(socket, &QTcpSocket::readyRead, this, &FakeBoxTcp::onReadyRead);
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void FakeBoxTcp::onReadyRead()
{
    auto *socket = qobject_cast<QTcpSocket *>(sender());
    if (!socket)
        return;
    mPending += socket->readAll();
    while (!mPending.isEmpty()) {
        const int length = packetLength(quint8(mPending.at(0)));
        if (mPending.size() < length)
            break;
        const QByteArray command = mPending.left(length - 1);
        Packet p;
        p.text = QString::fromLatin1(command.toHex());
        p.crcOk = fakeBoxCrc8(command) == quint8(mPending.at(length - 1));
        p.ms = mClock.elapsed();
        mPending.remove(0, length);
        packets.append(p);
        emit packetReceived(p.text);
        answer(p.text);
    }
}

void FakeBoxTcp::answer(const QString &text)
{
    int which = -1;
    if (text == QLatin1String("08050000"))
        which = 0;
    else if (text.size() == 8 && text.startsWith(QLatin1String("080")) && text.endsWith(QLatin1String("0001")))
        which = text.mid(2, 2).toInt(nullptr, 16);
    if (which < 0 || which > 4 || omitted.contains(which)) {
        // The start-up read ends with ffffffff: nothing is held past it.
        if (text == QLatin1String("ffffffff") && !mHeld.isEmpty())
            send(qExchange(mHeld, QByteArray()));
        return;
    }
    const QByteArray reply = junk + (which == 0 ? globalFrame() : windowFrame(which));
    if (joinFrames && mHeld.isEmpty()) {
        mHeld = reply;
        return;
    }
    send(qExchange(mHeld, QByteArray()) + reply);
}

void FakeBoxTcp::send(const QByteArray &bytes)
{
    if (!splitFrames) {
        write(bytes);
        return;
    }
    const int half = bytes.size() / 2;
    write(bytes.left(half));
    QTimer::singleShot(30, this, [this, rest = bytes.mid(half)] { write(rest); });
}
