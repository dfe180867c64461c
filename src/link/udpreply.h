#ifndef UDPREPLY_H
#define UDPREPLY_H

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>

// What the box sends to the program's UDP socket, decoded without any window:
// the text answer to a device search and the key:value records that answer a
// state query.

// Columns of the network dialog's device table, in the order of
// DiscoveryRow::cells().
namespace DeviceColumn {
enum : int { Index, Ip, Mac, Port, Version, Protocol, Callback, Type, Count };
}

// One box's answer to a search, as the device table shows it.
struct DiscoveryRow
{
    QString ip;
    QString mac;        // "00-11-22-33-44-55"
    QString port;
    QString version;
    QString protocol;   // "DHCP" or "UDP"
    QString callback;   // the PC address on which the box answered
    QString type;
    bool dhcp = false;

    // The texts of the table's columns for the given row index.
    QStringList cells(int row) const;
};

// The text of a datagram: UTF-8 up to the first NUL byte.
QString datagramText(const QByteArray &datagram);

// Splits "key:value/key:value". Fails (false) on an empty item, a trailing
// "/" or an item without exactly one ":". A repeated key keeps the later value.
bool parseDiscoveryFields(const QString &text, QMap<QString, QString> *fields);

// "0.17.34.51.68.85" -> "00-11-22-33-44-55"; a piece that is no number gives 00.
QString macTextFromDecimal(const QString &macValue);

// A whole search answer; false when it is malformed.
bool parseDiscoveryReply(const QByteArray &datagram, DiscoveryRow *row);

// Records of a state answer: a 4-byte header, then 5-byte records of key,
// ':', a 16-bit value and '/'. A trailing partial record is ignored.
struct StatusRecords
{
    QList<QPair<int, QString>> records;   // key, value as 4 lower-case hex digits
    bool malformed = false;               // a record without its separators
};
StatusRecords parseStatusRecords(const QByteArray &datagram);

#endif
