#include "fakeboxtcp.h"

#include <QTcpServer>
#include <QTcpSocket>

namespace {
const char *const BoxAddress = "10.77.0.2";

int packetLength(quint8 firstByte)
{
    // Geometry and crop commands carry four 16-bit values, the rest one.
    const quint8 family = firstByte & 0xF0;
    return (family == 0xE0 || family == 0xD0) ? 10 : 5;
}
} // namespace

FakeBoxTcpState::FakeBoxTcpState()
{
    for (int w = 1; w <= 4; ++w) {
        QMap<int, int> &v = windows[w - 1];
        v[0x01] = (w - 1) % 2 * 1920;
        v[0x02] = (w - 1) / 2 * 1080;
        v[0x03] = 1920;
        v[0x04] = 1080;
        v[0x08] = 1920;
        v[0x09] = 1080;
        v[0x0B] = 100;
        v[0x0C] = 1024;
        v[0x0D] = 10;
        v[0x0E] = 10;
        v[0x0F] = 100;
        v[0x10] = 180;
        v[0x2B] = 1;
        v[0x2D] = w - 1;
        v[0x32] = 39;
    }
}

quint16 FakeBoxTcpState::layerOrderWord() const
{
    quint16 word = 0;
    for (int w = 0; w < 4; ++w) {
        const int layer = layers[w];
        if (layer >= 1 && layer <= 4)
            word |= quint16((2 * w) << (4 * (4 - layer)));
    }
    return word;
}

FakeBoxTcp::FakeBoxTcp(QObject *parent) : QObject(parent), mServer(new QTcpServer(this))
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

quint8 FakeBoxTcp::crc8(const QByteArray &bytes)
{
    quint8 crc = 0;
    for (char c : bytes) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x80) ? quint8((crc << 1) ^ 0x07) : quint8(crc << 1);
    }
    return crc;
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

QByteArray FakeBoxTcp::globalFrame(const FakeBoxTcpState &s)
{
    QVector<quint16> w(11, 0);
    w[0] = 0xAAAA;
    w[1] = quint16(s.deviceValue);
    w[5] = quint16(s.mode);
    w[6] = quint16(s.flag);
    w[7] = quint16(s.rows);
    w[8] = quint16((s.columnsHighByte << 8) | (s.columns & 0xFF));
    w[9] = s.layerOrderWord();
    w[10] = 0xBBBB;
    return frame(w);
}

QByteArray FakeBoxTcp::windowFrame(const FakeBoxTcpState &s, int window)
{
    QVector<quint16> w(53, 0);
    w[0] = 0xAAAA;
    w[1] = quint16(window);
    const QMap<int, int> &values = s.windows[qBound(1, window, 4) - 1];
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        if (it.key() >= 1 && it.key() <= 0x32)
            w[it.key() + 1] = quint16(it.value());
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
        p.crcOk = crc8(command) == quint8(mPending.at(length - 1));
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
    if (which < 0 || which > 4 || omitted.contains(which))
        return;
    const QByteArray reply = which == 0 ? globalFrame(state) : windowFrame(state, which);
    if (joinFrames && mHeld.isEmpty()) {
        mHeld = reply;
        return;
    }
    write(mHeld + reply);
    mHeld.clear();
}
