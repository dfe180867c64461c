// Address texts: what the user types for an IP or MAC change, the local
// address the search broadcast is formed from, and the route command's output.
#include "fuzzcheck.h"
#include "link/netaddress.h"
#include "link/routetable.h"

#include <cstddef>
#include <cstdint>

// A change the dialog accepted: every part in range, two hex digits each
// behind the packet's first byte.
static void checkChange(bool accepted, const QList<int> &parts, int count, int max, const QString &hex)
{
    if (!accepted)
        return;
    FUZZ_CHECK(parts.size() == count);
    for (int v : parts)
        FUZZ_CHECK(v >= 0 && v <= max);
    FUZZ_CHECK(hex.size() == 2 * (count + 1));
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));

    FUZZ_CHECK(broadcastOf(text).endsWith(QLatin1String(".255")));

    QList<int> octets, mac;
    const bool ip = parseIpForChange(text, &octets);
    checkChange(ip, octets, 4, 255, ip ? ipChangeHex(octets) : QString());
    const bool hw = parseMacForChange(text, &mac);
    checkChange(hw, mac, 6, 0xFE, hw ? macChangeHex(mac) : QString());

    const QStringList addresses = RouteTable::ipv4Addresses(text);
    for (const QString &address : addresses) {
        FUZZ_CHECK(address.count(QLatin1Char('.')) == 3);
        FUZZ_CHECK(text.contains(address));
    }
    return 0;
}
