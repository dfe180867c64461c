#ifndef INISETTINGS_H
#define INISETTINGS_H

#include <QString>
#include <QVariant>

class QSettings;

// INI keys are matched without regard to letter case, as on Windows where the
// files were first written ("ID" written, "id" read). Keys are paths relative
// to the settings' current group; pass "group/key" to match the group name
// without regard to case as well. An exact match wins over other spellings.

// The stored spelling of key, or an empty string when the file lacks it.
QString iniKey(const QSettings &settings, const QString &key);
bool iniContains(const QSettings &settings, const QString &key);
QVariant iniValue(const QSettings &settings, const QString &key, const QVariant &defaultValue = QVariant());

// Writes key under exactly the given spelling and drops other spellings of it,
// so that a later read finds the value just written.
void setIniValue(QSettings &settings, const QString &key, const QVariant &value);

#endif
