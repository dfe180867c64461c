// The TCP reader's stream cutter fed in pieces: the first two bytes choose
// where the rest is cut, as a network may cut it.
#include "fuzzcheck.h"
#include "link/statusframe.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    quint32 seed = (quint32(data[0]) << 8) | data[1];
    const QByteArray stream(reinterpret_cast<const char *>(data) + 2, int(size) - 2);

    StatusFrameStream pieces;
    QList<QByteArray> frames;
    for (int pos = 0; pos < stream.size();) {
        seed = seed * 1103515245u + 12345u;
        const int length = 1 + int((seed >> 16) % 130);
        frames += pieces.feed(stream.mid(pos, length));
        pos += length;
        // Never more than the start of one frame waits for its rest.
        FUZZ_CHECK(pieces.buffered() < StatusFrame::WindowFrameBytes);
    }

    for (const QByteArray &frame : frames) {
        FUZZ_CHECK(frame.size() == StatusFrame::GlobalFrameBytes || frame.size() == StatusFrame::WindowFrameBytes);
        FUZZ_CHECK(frame.startsWith(QByteArray("\xAA\xAA", 2)) && frame.endsWith(QByteArray("\xBB\xBB", 2)));
        const StatusFrameRead read = parseStatusFrame(frame.toHex());
        FUZZ_CHECK(read.kind != StatusFrameRead::Global || frame.size() == StatusFrame::GlobalFrameBytes);
    }

    // Where the stream was cut must not matter.
    StatusFrameStream whole;
    FUZZ_CHECK(whole.feed(stream) == frames);
    FUZZ_CHECK(whole.buffered() == pieces.buffered());
    return 0;
}
