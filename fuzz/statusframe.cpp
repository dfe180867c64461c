// One TCP status frame, as the reader hands it over (hex text of its bytes)
// and as raw text that may hold anything where hex digits belong.
#include "fuzzcheck.h"
#include "link/statusframe.h"

#include <cstddef>
#include <cstdint>

static void checkRead(const StatusFrameRead &read)
{
    if (read.kind == StatusFrameRead::Global) {
        read.global.gridValid();
        for (int i = -1; i <= 4; ++i) {
            const int layer = read.global.layerOfWindow(i);
            FUZZ_CHECK(layer >= 0 && layer <= 4);
        }
    } else if (read.kind == StatusFrameRead::Window) {
        const WindowStatus &w = read.window;
        FUZZ_CHECK(w.channel >= 1 && w.channel <= 4);
        FUZZ_CHECK(w.source >= -1 && w.source <= WindowValue::MaxSource);
        FUZZ_CHECK(w.reportedSource >= -1 && w.reportedSource <= WindowValue::MaxSource);
        for (int colour : {w.red, w.green, w.blue})
            FUZZ_CHECK(colour >= 0 && colour <= WindowValue::MaxColour);
        FUZZ_CHECK(w.rotation == -1 || w.rotation == 0 || w.rotation == 90 || w.rotation == 180
                   || w.rotation == 270);
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    checkRead(parseStatusFrame(bytes.toHex()));
    checkRead(parseStatusFrame(bytes));
    const QByteArray decoded = StatusFrame::bytesFromHexText(bytes);
    FUZZ_CHECK(decoded.size() <= bytes.size() / 2);
    FUZZ_CHECK(StatusFrame::wordsFromBytes(decoded).size() == decoded.size() / 2);
    return 0;
}
