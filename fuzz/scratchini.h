#ifndef SCRATCHINI_H
#define SCRATCHINI_H

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

// Writes a fuzz input to a scratch file and returns its path, or an empty
// string when it cannot be written. One name per harness throughout:
// QSettings caches every file it has read by its name and rereads a changed
// one. In memory where there is such a place, since QSettings syncs every
// file it writes.
inline QString writeScratchIni(const QString &name, const uint8_t *data, size_t size)
{
    static QTemporaryDir dir((QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                                          : QDir::tempPath())
                             + QStringLiteral("/halden-fuzz-XXXXXX"));
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    return path;
}

#endif
