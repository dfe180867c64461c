#ifndef MODESTR_H
#define MODESTR_H

#include <QCoreApplication>
#include <QString>

// Texts of the splice grid and the mode buttons, translated in a context of
// their own so that they stay apart from the main form's texts.
inline QString modesTr(const char *text)
{
    return QCoreApplication::translate("MainWindowModes", text);
}

#endif
