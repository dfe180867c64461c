#ifndef PANELTR_H
#define PANELTR_H

#include <QCoreApplication>
#include <QString>

// Texts of the selected-window panel and the input-source drop, translated in
// a context of their own so that they stay apart from the main form's texts.
inline QString panelTr(const char *text)
{
    return QCoreApplication::translate("MainWindowPanel", text);
}

#endif
