// A search answer: "key:value/key:value" text up to the first NUL byte.
#include "fuzzcheck.h"
#include "link/devicestate.h"
#include "link/udpreply.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray datagram(reinterpret_cast<const char *>(data), int(size));
    DiscoveryRow row;
    if (parseDiscoveryReply(datagram, &row)) {
        FUZZ_CHECK(row.cells(0).size() == 8);
        FUZZ_CHECK(row.protocol == QLatin1String(row.dhcp ? "DHCP" : "UDP"));
        // The version column decides the device generation at connect.
        const int generation = versionTypeFromText(row.version);
        FUZZ_CHECK(generation >= 0 && generation <= 5);
    }
    const QString text = datagramText(datagram);
    FUZZ_CHECK(!text.contains(QChar(0)));
    QMap<QString, QString> fields;
    if (parseDiscoveryFields(text, &fields))
        FUZZ_CHECK(!fields.isEmpty());
    macTextFromDecimal(text);
    return 0;
}
