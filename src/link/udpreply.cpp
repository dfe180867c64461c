#include "udpreply.h"

QStringList DiscoveryRow::cells(int row) const
{
    return {QString::number(row + 1), ip, mac, port, version, protocol, callback, type};
}

QString datagramText(const QByteArray &datagram)
{
    const int nul = datagram.indexOf('\0');
    return QString::fromUtf8(nul < 0 ? datagram : datagram.left(nul));
}

bool parseDiscoveryFields(const QString &text, QMap<QString, QString> *fields)
{
    QMap<QString, QString> out;
    for (const QString &item : text.split(QLatin1Char('/'))) {
        const QStringList pair = item.split(QLatin1Char(':'));
        if (pair.size() != 2)
            return false;
        out.insert(pair.at(0), pair.at(1));
    }
    *fields = out;
    return true;
}

QString macTextFromDecimal(const QString &macValue)
{
    QStringList parts;
    for (const QString &piece : macValue.split(QLatin1Char('.')))
        parts << QStringLiteral("%1").arg(piece.toInt(), 2, 16, QLatin1Char('0')).toUpper();
    return parts.join(QLatin1Char('-'));
}

bool parseDiscoveryReply(const QByteArray &datagram, DiscoveryRow *row)
{
    QMap<QString, QString> f;
    if (!parseDiscoveryFields(datagramText(datagram), &f))
        return false;
    row->ip = f.value(QStringLiteral("IP"));
    row->mac = macTextFromDecimal(f.value(QStringLiteral("MAC")));
    row->port = f.value(QStringLiteral("Port"));
    row->version = f.value(QStringLiteral("Beta"));
    row->dhcp = f.value(QStringLiteral("DHCP")).contains(QLatin1String("true"));
    row->protocol = row->dhcp ? QStringLiteral("DHCP") : QStringLiteral("UDP");
    row->callback = f.value(QStringLiteral("Callback"));
    row->type = f.value(QStringLiteral("Type"));
    return true;
}

StatusRecords parseStatusRecords(const QByteArray &datagram)
{
    StatusRecords out;
    const QString hex = QString::fromLatin1(datagram.toHex()).mid(8);
    const int count = hex.size() / 10;
    for (int i = 0; i < count; ++i) {
        const QString rec = hex.mid(i * 10, 10);
        if (rec.midRef(2, 2) != QLatin1String("3a") || rec.midRef(8, 2) != QLatin1String("2f")) {
            out.malformed = true;
            break;
        }
        out.records.append(qMakePair(rec.leftRef(2).toInt(nullptr, 16), rec.mid(4, 4)));
    }
    return out;
}
