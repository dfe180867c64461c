#ifndef ATTRIBUTEDIALOGDRIVER_H
#define ATTRIBUTEDIALOGDRIVER_H

#include <QByteArray>
#include <QRectF>
#include <QString>
#include <QStringList>

class SetItemAttribute;
class ResolutionRatioScene;

// What a user changes in the window-attribute dialog; empty texts and -1
// leave a field as the dialog loaded it.
struct AttributeEdit
{
    QString x, y, width, height;
    int colour = -1;
    int level = -1;
};

// Types the edit into the dialog's fields as a user would and presses OK.
void applyAttributeEdit(SetItemAttribute *dialog, const AttributeEdit &edit);

// Command texts of what the dialog wrote: each packet is three command bytes
// and their CRC-8; a packet with a wrong check byte reads "crc!", a short
// tail "short!".
QStringList attributePacketTexts(const QByteArray &raw);

// Data rows shared by the serial and the TCP road, all on window 1 of a
// 3840 x 2160 canvas (start: 0, 0, 1920 x 1080, layer 1, grey): what is
// typed (x, y, width, height), colour, level, the window's layer before, the
// command texts, and the window's geometry and layer after OK.
void addAttributeChangeRows();

// Reads the columns above, puts window 1 on startLayer, opens the dialog on
// it, applies the edit and presses OK. Returns the number of commands the
// row expects, so the caller knows how many bytes to wait for.
int runAttributeChangeRow(ResolutionRatioScene *scene);
// Checks the window after the row ran (position, size, layer).
void verifyAttributeChangeRow(ResolutionRatioScene *scene);

#endif
