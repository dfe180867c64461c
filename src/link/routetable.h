#ifndef ROUTETABLE_H
#define ROUTETABLE_H

#include <QString>
#include <QStringList>

// The system's IPv4 route table as text, read before a TCP connect to make
// sure the PC has an address at all ("route print" on Windows, iproute2's
// "ip -4 route" elsewhere).
namespace RouteTable {

// Runs the route command and returns its standard output (UTF-8, cut at the
// first NUL); empty when the command cannot start or does not finish within
// timeoutMs.
QString text(int timeoutMs = 3000);

// Every distinct dotted IPv4 address in the text, in order of first appearance.
QStringList ipv4Addresses(const QString &text);

// Replaces the command that text() runs; an empty program restores the
// system's own. Lets a test stand in a table without addresses.
void setCommand(const QString &program, const QStringList &arguments);

} // namespace RouteTable

#endif
