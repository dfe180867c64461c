#include "inisettings.h"

#include <QSettings>

QString iniKey(const QSettings &settings, const QString &key)
{
    if (settings.contains(key))
        return key;
    const QStringList keys = settings.allKeys();
    for (const QString &stored : keys) {
        if (stored.compare(key, Qt::CaseInsensitive) == 0)
            return stored;
    }
    return QString();
}

bool iniContains(const QSettings &settings, const QString &key)
{
    return !iniKey(settings, key).isEmpty();
}

QVariant iniValue(const QSettings &settings, const QString &key, const QVariant &defaultValue)
{
    const QString stored = iniKey(settings, key);
    return stored.isEmpty() ? defaultValue : settings.value(stored, defaultValue);
}

void setIniValue(QSettings &settings, const QString &key, const QVariant &value)
{
    const QStringList keys = settings.allKeys();
    for (const QString &stored : keys) {
        if (stored != key && stored.compare(key, Qt::CaseInsensitive) == 0)
            settings.remove(stored);
    }
    settings.setValue(key, value);
}
