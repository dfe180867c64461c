#ifndef DEVICEPACKET_H
#define DEVICEPACKET_H

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Wire form of a command: the bytes of its hex text followed by one CRC-8 byte
// (polynomial 0x07, initial 0, MSB first, no final XOR).

extern const quint8 crc8Table[256];

// Non-hex characters are skipped, digits pair from the right; an empty text
// gives the single byte 00.
QByteArray hexToPacket(const QString &text);

quint8 calculateCrc8(const QByteArray &data);
// CRC-16/USB; an empty array gives 0.
quint16 calculateCrc16(const QByteArray &data);

// Little-endian helpers on raw buffers; the caller owns the room.
uchar *writeBytes(const uchar *src, int n, uchar *dst);
uchar *writeUInt8(uchar v, uchar *dst);
uchar *writeUInt16(int v, uchar *dst);
uchar *writeUInt32(quint32 v, uchar *dst);
uchar *writeFloat(float v, uchar *dst);
int readUInt8(const uchar *src);
int readInt16(const uchar *src);
int readInt32(const uchar *src);

// True when the text holds at least one hex digit anywhere.
bool isHexText(const QString &text);

// Debug aid: walks the frames of a reply by their 0xBB bytes, tracing where
// each one ends. Keeps a running index across calls.
void splitFramesAtTail(const QByteArray &data);

#endif
