#ifndef NETADDRESS_H
#define NETADDRESS_H

#include <QByteArray>
#include <QList>
#include <QString>

// Address texts of the network dialog: the search broadcast, the checks of the
// IP and MAC change, and the hex texts of the two change packets.

// The five bytes of a device search (the last one is already its CRC-8).
QByteArray discoveryRequest();

// "a.b.c.d" -> "a.b.c.255", the /24 broadcast around a local address.
QString broadcastOf(const QString &localAddress);

// Four decimal octets 0..255; empty or non-numeric parts are refused.
bool parseIpForChange(const QString &ip, QList<int> *octets);

// Six hexadecimal parts 0..FE; empty or non-hex parts are refused.
bool parseMacForChange(const QString &mac, QList<int> *bytes);

// "f7" + six MAC bytes and "ff" + four octets, two lower-case digits each.
QString macChangeHex(const QList<int> &bytes);
QString ipChangeHex(const QList<int> &octets);

#endif
