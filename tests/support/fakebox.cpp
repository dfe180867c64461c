#include "fakebox.h"

#include <QDateTime>
#include <QNetworkDatagram>
#include <QStringList>
#include <QTimer>
#include <QUdpSocket>

#include <algorithm>

namespace {
const QHostAddress kBoxAddress(QStringLiteral("10.77.0.2"));
const QHostAddress kBroadcast(QStringLiteral("10.77.0.255"));
}

FakeBoxState::FakeBoxState()
{
    setGrid(1, 1, 5);
    global[7] = 0x0246;
    global[8] = 0;
    for (int w = 0; w < 4; ++w) {
        QMap<int, quint16> &m = windows[w];
        setWindowGeometry(w, (w % 2) * 960, (w / 2) * 540, 960, 540);
        m[0x2B] = 1;            // open
        m[0x27] = 10; m[0x28] = 20; m[0x29] = 30;
        m[0x0C] = 1024 + 5;     // luminance 5
        m[0x2D] = w;            // source
        m[0x2A] = 0;            // no solid colour
        m[0x0B] = 100;          // contrast
        m[0x0F] = 100;          // saturation
        m[0x11] = 2;            // colour temperature
        m[0x10] = 180 + 7;      // hue 7
        m[0x0D] = 10 + 3;       // horizontal sharpness 3
        m[0x0E] = 10 + 4;       // vertical sharpness 4
        m[0x2E] = 0; m[0x2C] = 0;
        m[0x14] = 0; m[0x15] = 0;
        for (int k = 0x16; k <= 0x1B; ++k)
            m[k] = k - 0x15;
        m[0x12] = 1; m[0x13] = 2;
        m[0x32] = 16;           // a listed input resolution
        m[0x31] = 0;            // no rotation
    }
}

void FakeBoxState::setGrid(int rows, int cols, int generation)
{
    if (generation >= 5) {
        global[5] = rows;
        global[6] = cols;
    } else {
        global.remove(5);
        global[6] = ((rows & 0xF) << 8) | (cols & 0xF);
    }
}

void FakeBoxState::setWindowGeometry(int window, int x, int y, int width, int height)
{
    windows[window][1] = x;
    windows[window][2] = y;
    windows[window][3] = width;
    windows[window][4] = height;
}

QString FakeBoxState::macDecimalText() const
{
    QStringList parts;
    for (int b : mac)
        parts << QString::number(b);
    return parts.join(QLatin1Char('.'));
}

quint8 fakeBoxCrc8(const QByteArray &bytes)
{
    quint8 crc = 0;
    for (char c : bytes) {
        crc ^= static_cast<quint8>(c);
        for (int i = 0; i < 8; ++i)
            crc = (crc & 0x80) ? static_cast<quint8>((crc << 1) ^ 0x07) : static_cast<quint8>(crc << 1);
    }
    return crc;
}

FakeBoxUdp::FakeBoxUdp(FakeBoxState *state, QObject *parent) : QObject(parent), mState(state) {}

FakeBoxUdp::~FakeBoxUdp() = default;

bool FakeBoxUdp::start()
{
    mStartMs = QDateTime::currentMSecsSinceEpoch();
    bool ok = true;
    for (quint16 port : {quint16(23), quint16(68)}) {
        for (bool broadcast : {false, true}) {
            auto *s = new QUdpSocket(this);
            ok = ok && s->bind(broadcast ? kBroadcast : kBoxAddress, port);
            connect(s, &QUdpSocket::readyRead, this, [this, s, port, broadcast] { readPending(s, port, broadcast); });
            mSockets << s;
            if (!broadcast)
                (port == 23 ? mUnicast23 : mUnicast68) = s;
        }
    }
    return ok;
}

void FakeBoxUdp::readPending(QUdpSocket *socket, quint16 port, bool broadcast)
{
    while (socket->hasPendingDatagrams()) {
        const QNetworkDatagram d = socket->receiveDatagram();
        // The box never hears itself: in the namespace its own address is local too.
        if (d.senderAddress().toIPv4Address() == kBoxAddress.toIPv4Address())
            continue;
        Packet p;
        p.data = d.data();
        p.port = port;
        p.broadcast = broadcast;
        p.from = d.senderAddress();
        p.fromPort = static_cast<quint16>(d.senderPort());
        p.crcOk = p.data.size() > 1 && fakeBoxCrc8(p.data.left(p.data.size() - 1)) == static_cast<quint8>(p.data.back());
        p.atMs = QDateTime::currentMSecsSinceEpoch() - mStartMs;
        received << p;
        emit packetReceived(p);
        handle(p);
    }
}

QList<FakeBoxUdp::Packet> FakeBoxUdp::receivedOn(quint16 port) const
{
    QList<Packet> out;
    for (const Packet &p : received)
        if (p.port == port)
            out << p;
    return out;
}

QStringList FakeBoxUdp::unicastHex() const
{
    QStringList out;
    for (const Packet &p : received)
        if (!p.broadcast)
            out << QString::fromLatin1(p.data.toHex());
    return out;
}

QByteArray FakeBoxUdp::statusAnswer(int query) const
{
    const QMap<int, quint16> &values = query == 0 ? mState->global : mState->windows[query - 1];
    QByteArray out;
    out.append(char(0x08)).append(char(query == 0 ? 0x05 : query)).append(char(values.size())).append(char(0));
    for (auto it = values.constBegin(); it != values.constEnd(); ++it) {
        out.append(char(it.key())).append(':');
        out.append(char(it.value() >> 8)).append(char(it.value() & 0xFF));
        out.append('/');
    }
    return out;
}

void FakeBoxUdp::reset()
{
    mScripts.clear();
    replyDelayMs = 0;
    discoveryAnswers = 1;
    malformedDiscoveryFirst = false;
    numberDiscoveryAnswers = false;
    discoveryBurst = 0;
    lastDiscoveryType.clear();
    malformedRepeats = 1;
    received.clear();
}

void FakeBoxUdp::handle(const Packet &p)
{
    const quint16 modePort = mState->dhcp ? 68 : 23;
    const QByteArray &d = p.data;

    if (d == QByteArray::fromHex("08080000E1")) {
        if (p.port != modePort)
            return;
        const QString text = QStringLiteral("IP:%1/MAC:%2/Port:%3/Beta:%4/DHCP:%5/Callback:%6/Type:%7")
                .arg(mState->ip, mState->macDecimalText(), mState->port, mState->version,
                     mState->dhcp ? QStringLiteral("true") : QStringLiteral("false"),
                     p.from.toString(), mState->type);
        QList<QByteArray> answers;
        if (malformedDiscoveryFirst)
            answers << text.toUtf8() + "/";
        for (int i = 0; i < discoveryAnswers; ++i)
            answers << (numberDiscoveryAnswers ? (text + QString::number(i)).toUtf8() : text.toUtf8());
        if (!lastDiscoveryType.isEmpty())
            answers << QString(text).replace(QLatin1String("Type:") + mState->type,
                                             QLatin1String("Type:") + lastDiscoveryType).toUtf8();
        replyInBursts(answers, p);
        return;
    }

    // Address change, always on port 23.
    if (p.port == 23 && p.crcOk && d.size() == 8 && quint8(d.at(0)) == 0xF7) {
        for (int i = 0; i < 6; ++i)
            mState->mac[i] = quint8(d.at(1 + i));
        return;
    }
    if (p.port == 23 && p.crcOk && d.size() == 6 && quint8(d.at(0)) == 0xFF) {
        mState->ip = QStringLiteral("%1.%2.%3.%4").arg(quint8(d.at(1))).arg(quint8(d.at(2)))
                .arg(quint8(d.at(3))).arg(quint8(d.at(4)));
        return;
    }

    // State queries: 08 05 00 00 (global) and 08 0w 00 01 (window w).
    if (p.broadcast || p.port != modePort || !p.crcOk || d.size() != 5 || quint8(d.at(0)) != 0x08)
        return;
    int query = -1;
    if (d.mid(1, 3) == QByteArray::fromHex("050000"))
        query = 0;
    else if (quint8(d.at(1)) >= 1 && quint8(d.at(1)) <= 4 && d.mid(2, 2) == QByteArray::fromHex("0001"))
        query = quint8(d.at(1));
    if (query < 0)
        return;

    Reply action = Reply::Normal;
    if (!mScripts.value(query).isEmpty())
        action = mScripts[query].takeFirst();
    QByteArray answer = statusAnswer(query);
    switch (action) {
    case Reply::Normal:
        break;
    case Reply::Drop:
        return;
    case Reply::Vary:
        answer[7] = char(quint8(answer.at(7)) ^ ++mVariation);   // low byte of the first value
        break;
    case Reply::Empty:
        answer = answer.left(4);
        break;
    case Reply::MalformedFirst: {
        QByteArray bad = answer;
        bad[4 + 1] = '#';
        for (int i = 0; i < malformedRepeats; ++i)
            reply(bad, p);
        break;
    }
    }
    reply(answer, p);
}

void FakeBoxUdp::replyInBursts(const QList<QByteArray> &datagrams, const Packet &to, int from)
{
    const int end = discoveryBurst > 0 ? std::min(from + discoveryBurst, int(datagrams.size())) : datagrams.size();
    for (int i = from; i < end; ++i)
        reply(datagrams.at(i), to);
    if (end < datagrams.size())
        QTimer::singleShot(1, this, [this, datagrams, to, end] { replyInBursts(datagrams, to, end); });
}

void FakeBoxUdp::reply(const QByteArray &datagram, const Packet &to)
{
    QUdpSocket *from = to.port == 68 ? mUnicast68 : mUnicast23;
    const QHostAddress address = to.from;
    const quint16 port = to.fromPort;
    if (replyDelayMs <= 0) {
        from->writeDatagram(datagram, address, port);
        return;
    }
    QTimer::singleShot(replyDelayMs, from, [from, datagram, address, port] {
        from->writeDatagram(datagram, address, port);
    });
}
