#ifndef LINKTR_H
#define LINKTR_H

#include <QCoreApplication>
#include <QString>

// Texts of the link code, translated in a context of their own so that they
// stay apart from the main form's texts.
inline QString linkTr(const char *text)
{
    return QCoreApplication::translate("MainWindowLink", text);
}

#endif
