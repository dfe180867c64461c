// The INI files beside the program ("./FontSize.ini", "./inputSourceButton.ini")
// as the program reads them: QSettings in INI format, UTF-8, keys matched
// without regard to case.
#include "fuzzcheck.h"
#include "scratchini.h"
#include "inisettings.h"

#include <QFile>
#include <QSettings>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = writeScratchIni(QStringLiteral("fuzz.ini"), data, size);
    if (path.isEmpty())
        return 0;
    {
        QSettings settings(path, QSettings::IniFormat);
        settings.setIniCodec("UTF-8");
        // Written in place rather than through a synced temporary file, which
        // would make each run wait for the disk.
        settings.setAtomicSyncRequired(false);
        iniValue(settings, QStringLiteral("ID"), 0).toInt();
        for (int n = 1; n <= 4; ++n) {
            iniValue(settings, QStringLiteral("inputSourceButton_%1/text").arg(n)).toString();
            iniValue(settings, QStringLiteral("inputSourceButton_%1/enable").arg(n)).toString();
        }
        for (const QString &key : settings.allKeys()) {
            // Keys the program uses are plain ASCII; other scripts fold case their own way.
            bool plain = !key.isEmpty();
            for (const QChar c : key)
                plain = plain && c.unicode() > 0x20 && c.unicode() < 0x7F;
            if (plain)
                FUZZ_CHECK(iniContains(settings, key.toUpper()) && iniContains(settings, key.toLower()));
        }
        // The language switch writes the key back in its one spelling.
        setIniValue(settings, QStringLiteral("ID"), 2);
        FUZZ_CHECK(iniValue(settings, QStringLiteral("id")).toInt() == 2);
    }
    QFile::remove(path);
    return 0;
}
