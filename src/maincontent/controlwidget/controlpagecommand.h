#ifndef CONTROLPAGECOMMAND_H
#define CONTROLPAGECOMMAND_H

#include <QByteArray>
#include <QString>

// The control pages' own five-byte command family ("66", command, two
// operands, then a check byte or a third operand), written as ten lower-case
// hex digits. It never goes through the CRC-8 packer or the send queue: the
// pages write it to the box at once.
namespace ControlPageCommand {

constexpr int Splice = 0x01;   // splice mode, with check byte
constexpr int Rotation = 0x02; // screen rotation, with check byte
constexpr int Split = 0x03;    // split layout, third operand
constexpr int Routing = 0x04;  // input-to-output routing, third operand

// Low eight bits of the sum of the four leading bytes.
quint8 checkByte(quint8 command, quint8 first, quint8 second);

// "66", command, the two operands and their check byte.
QString withCheck(quint8 command, quint8 first, quint8 second);

// "6604", output, "00", input: output 1..4 shows input 1..4.
QString routing(int output, int input);

// The bytes the serial road writes: Latin-1, then hex decoding.
QByteArray toBytes(const QString &hex);

// Serial road: the decoded bytes to the shared serial port. A port that is
// not open is skipped with a debug line; returns whether anything was written.
bool writeSerial(const QString &hex);

// TCP road: the text itself and a line feed to the shared TCP socket. A
// socket that is not connected is skipped with a debug line.
bool writeTcp(const QString &hex);

// TCP while a network link is up, else the serial port.
bool send(const QString &hex);

} // namespace ControlPageCommand

#endif
