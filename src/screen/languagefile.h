#ifndef LANGUAGEFILE_H
#define LANGUAGEFILE_H

#include <QString>

// "./FontSize.ini" holds the UI language under the key "ID". On Windows INI
// keys match in any letter case and other code reads the key as "id", so
// the lookup here ignores case too.
namespace LanguageFile {

QString path();
// The stored language index; a missing file, key or number reads as 0.
int read();
// Stores the index under "ID", dropping any spelling of the key in other case.
void write(int index);

// The compiled translation of a language index, empty for an unknown index.
QString translationResource(int index);

// Loads the translation of the index into the one program-wide translator
// and installs it afresh, so the newest language always wins and an unknown
// index leaves the Chinese source texts. Returns whether a file loaded.
bool installTranslation(int index);

} // namespace LanguageFile

#endif
