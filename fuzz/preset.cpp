// The preset store "./preset.ini" as the previews read it: whatever the file
// holds, a preset either reads as empty or gives a snapshot that paints
// inside its preview, orders its four layers and replays well-formed texts.
#include "fuzzcheck.h"
#include "scratchini.h"
#include "preset/presetfile.h"

#include <QFile>
#include <QRegularExpression>
#include <QSettings>

#include <algorithm>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QRegularExpression hexText(QStringLiteral("^[0-9a-fA-F]+$"));
    const QString path = writeScratchIni(QStringLiteral("preset.ini"), data, size);
    if (path.isEmpty())
        return 0;
    {
        QSettings settings(path, QSettings::IniFormat);
        settings.setIniCodec("UTF-8");
        settings.setAtomicSyncRequired(false);
        for (int n = 1; n <= 10; ++n) {
            PresetSnapshot snapshot;
            if (!PresetFile::read(settings, n, &snapshot))
                continue;
            FUZZ_CHECK(PresetFile::isUsable(snapshot));

            QVector<int> order = PresetFile::windowsFrontToBack(snapshot);
            FUZZ_CHECK(order.size() == 4);
            std::sort(order.begin(), order.end());
            FUZZ_CHECK(order == QVector<int>({0, 1, 2, 3}));

            for (const PreviewWindow &w : PresetFile::previewWindows(snapshot)) {
                FUZZ_CHECK(w.window >= 0 && w.window < 4);
                FUZZ_CHECK(w.pointSize >= 1);
            }

            QVector<PresetWindowState> states(4);
            for (int i = 0; i < 4; ++i) {
                const QRectF place = PresetFile::appliedPlace(snapshot, i, snapshot.widthDivisor,
                                                              snapshot.heightDivisor, 1);
                states[i].x = place.x();
                states[i].y = place.y();
                states[i].width = place.width();
                states[i].height = place.height();
                states[i].luminance = snapshot.luminance[i];
                states[i].red = snapshot.colour[i][0];
                states[i].green = snapshot.colour[i][1];
                states[i].blue = snapshot.colour[i][2];
                states[i].open = snapshot.open[i];
                states[i].source = snapshot.source[i];
                states[i].solid = snapshot.solid[i];
            }
            for (const QString &text : PresetFile::replayCommands(PresetFile::windowsFrontToBack(snapshot), states))
                FUZZ_CHECK(hexText.match(text).hasMatch() && text.size() % 2 == 0);
        }
    }
    QFile::remove(path);
    return 0;
}
