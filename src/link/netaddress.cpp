#include "netaddress.h"

#include <QStringList>

QByteArray discoveryRequest()
{
    return QByteArray::fromHex("08080000E1");
}

QString broadcastOf(const QString &localAddress)
{
    const QStringList parts = localAddress.split(QLatin1Char('.'));
    QString out;
    for (int i = 0; i < 3; ++i)
        out += parts.value(i) + QLatin1Char('.');
    return out + QStringLiteral("255");
}

static bool parseParts(const QStringList &parts, int count, int base, int max, QList<int> *values)
{
    if (parts.size() != count)
        return false;
    QList<int> out;
    for (const QString &p : parts) {
        bool ok = false;
        const int v = p.trimmed().toInt(&ok, base);
        if (!ok || v < 0 || v > max)
            return false;
        out << v;
    }
    *values = out;
    return true;
}

bool parseIpForChange(const QString &ip, QList<int> *octets)
{
    return parseParts(ip.split(QLatin1Char('.')), 4, 10, 255, octets);
}

bool parseMacForChange(const QString &mac, QList<int> *bytes)
{
    return parseParts(mac.split(QLatin1Char('-')), 6, 16, 254, bytes);
}

static QString hexBytes(int first, const QList<int> &values)
{
    QString out = QStringLiteral("%1").arg(first, 2, 16, QLatin1Char('0'));
    for (int v : values)
        out += QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0'));
    return out;
}

QString macChangeHex(const QList<int> &bytes)
{
    return hexBytes(0xF7, bytes);
}

QString ipChangeHex(const QList<int> &octets)
{
    return hexBytes(0xFF, octets);
}
