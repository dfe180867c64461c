// A UDP state answer: a 4-byte header and 5-byte key:value records, then
// the reply maps the device read builds and votes on.
#include "fuzzcheck.h"
#include "link/devicestate.h"
#include "link/udpreply.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray datagram(reinterpret_cast<const char *>(data), int(size));
    const StatusRecords parsed = parseStatusRecords(datagram);
    FUZZ_CHECK(parsed.records.size() <= qMax(0, (datagram.size() - 4) / 5));

    ReplyMap map;
    for (const auto &record : parsed.records) {
        FUZZ_CHECK(record.first >= 0 && record.first <= 0xFF);
        FUZZ_CHECK(record.second.size() == 4);
        bool ok = false;
        const int value = record.second.toInt(&ok, 16);
        FUZZ_CHECK(ok && value >= 0 && value <= 0xFFFF);
        map.insert(record.first, record.second);
    }
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        replyValue(map, it.key());
        replyValue(map, it.key(), 10);
    }

    // Three reads of one window: the first third, the second and the whole.
    ReplyMap a, b;
    for (const auto &record : parseStatusRecords(datagram.left(datagram.size() / 3)).records)
        a.insert(record.first, record.second);
    for (const auto &record : parseStatusRecords(datagram.mid(datagram.size() / 3)).records)
        b.insert(record.first, record.second);
    const ReplyMap *taken = voteReplyMaps(a, b, map);
    FUZZ_CHECK(!taken || (!taken->isEmpty() && (taken == &a || taken == &b)));
    FUZZ_CHECK(voteReplyMaps(map, map, map) == (map.isEmpty() ? nullptr : &map));
    return 0;
}
