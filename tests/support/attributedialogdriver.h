#ifndef ATTRIBUTEDIALOGDRIVER_H
#define ATTRIBUTEDIALOGDRIVER_H

#include <QByteArray>
#include <QStringList>
#include <functional>

class SetItemAttribute;
class ResolutionRatioScene;

// Types x, y, width and height into the window-attribute dialog (a null text
// leaves the field as loaded), picks colour and level (-1: left) and presses OK.
void applyAttributeEdit(SetItemAttribute *dialog, const QStringList &typed, int colour, int level);

// Rows shared by the serial and the TCP road, on window 1 of a 3840 x 2160
// canvas: the edit, the window's layer before, the command texts the box
// receives, and the window's geometry and layer after OK.
void addAttributeChangeRows();
// Runs the current row; read(bytes) returns what reached the box.
void runAttributeChangeRow(ResolutionRatioScene *scene, const std::function<QByteArray(int)> &read);

#endif
