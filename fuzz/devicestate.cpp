// The device-state helpers over texts and numbers the box or the user
// supplies: the version of a search answer or the device table, the grid and
// stacking texts of the global answer, and the values of a window answer.
#include "fuzzcheck.h"
#include "Graphics/wallgeometry.h"
#include "link/devicestate.h"
#include "link/windowstatus.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const QString text = QString::fromUtf8(bytes);

    const int generation = versionTypeFromText(text);
    FUZZ_CHECK(generation >= 0 && generation <= 5);

    int rows = -1, cols = -1;
    if (spliceGridFromKey6(text, &rows, &cols))
        FUZZ_CHECK(rows >= 0 && rows <= 15 && cols >= 0 && cols <= 15);
    for (int window = -1; window <= 4; ++window) {
        const int layer = layerFromStackText(text, window);
        FUZZ_CHECK(layer >= 0 && layer <= 4);
    }

    // Numbers as the reply maps hand them over: 16-bit values, 1..18 screens.
    if (size >= 12) {
        const auto word = [data](int i) { return int((data[i] << 8) | data[i + 1]); };
        const int code = word(0);
        QVector<int> values(StatusIndex::Count);
        for (int i = 0; i < values.size() && 2 * i + 1 < int(size); ++i)
            values[i] = word(2 * i);
        for (StateRoad road : {StateRoad::Tcp, StateRoad::Udp}) {
            const InputResolution input = inputResolution(code, QVector<QSize>(39, QSize(1920, 1080)), road);
            FUZZ_CHECK(input.size.isValid());
            const WindowStatus s = decodeWindowState(values, road);
            FUZZ_CHECK(s.rotation == -1 || s.rotation == 0 || s.rotation == 90 || s.rotation == 180 || s.rotation == 270);
            FUZZ_CHECK(s.source >= -1 && s.source <= 4 && s.reportedSource >= -1 && s.reportedSource <= 4);
            FUZZ_CHECK(s.red >= 0 && s.red <= 255 && s.green >= 0 && s.green <= 255 && s.blue >= 0 && s.blue <= 255);
        }
        const QRectF g = WallGeometry::canvasFromDeviceReply(word(2), word(4), word(6), word(8),
                                                             1 + data[10] % 18, 1 + data[11] % 18);
        FUZZ_CHECK(std::isfinite(g.x()) && std::isfinite(g.y()) && std::isfinite(g.width()) && std::isfinite(g.height()));
    }
    return 0;
}
