#ifndef MAKERPAGE_H
#define MAKERPAGE_H

#include <QString>

class QWidget;

// The product's web pages that the About windows and the tray icon open, and
// the pointer cursor of their link buttons. Pages are handed to the desktop
// through Qt's desktop services, so a registered URL handler catches them.
namespace MakerPage {

const QString Chinese = QStringLiteral("halden.example/cn");
const QString International = QStringLiteral("halden.example/en");

// The page for a UI language: Chinese for 0, international for 1..3, none
// (an empty text) for anything else.
QString forLanguage(int languageIndex);

// Hands the address, read as a user would type it, to the desktop's browser;
// an empty address opens nothing and a failed start is ignored.
void open(const QString &address);

// The pointer picture scaled into 20 x 20; a missing picture leaves the
// widget's cursor as it is.
void setLinkCursor(QWidget *widget);

} // namespace MakerPage

#endif
