// Address texts: what the user types for an IP or MAC change, the local
// address the search broadcast is formed from, and the route command's output.
#include "fuzzcheck.h"
#include "link/netaddress.h"
#include "link/routetable.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));

    FUZZ_CHECK(broadcastOf(text).endsWith(QLatin1String(".255")));

    QList<int> octets;
    if (parseIpForChange(text, &octets)) {
        FUZZ_CHECK(octets.size() == 4);
        for (int v : octets)
            FUZZ_CHECK(v >= 0 && v <= 255);
        FUZZ_CHECK(ipChangeHex(octets).size() == 10);
    }
    QList<int> mac;
    if (parseMacForChange(text, &mac)) {
        FUZZ_CHECK(mac.size() == 6);
        for (int v : mac)
            FUZZ_CHECK(v >= 0 && v <= 0xFE);
        FUZZ_CHECK(macChangeHex(mac).size() == 14);
    }

    const QStringList addresses = RouteTable::ipv4Addresses(text);
    for (const QString &address : addresses) {
        FUZZ_CHECK(address.count(QLatin1Char('.')) == 3);
        FUZZ_CHECK(text.contains(address));
    }
    return 0;
}
