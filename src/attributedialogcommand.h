#ifndef ATTRIBUTEDIALOGCOMMAND_H
#define ATTRIBUTEDIALOGCOMMAND_H

#include <QString>
#include <QtGlobal>

// Commands of the window-attribute dialog: "0", the window index as one
// digit, a one-character attribute code and the value as at least three hex
// digits, so six hex digits in all: the window byte, then the code in the
// high nibble above a 12-bit value. They are packed like every other command
// (bytes plus CRC-8) but go straight to the link, not through the send queue.
namespace AttributeDialogCommand {

// Codes 5, 6 and 10 are not used.
enum Code : char {
    Source = '0', PosX = '1', PosY = '2', Width = '3', Height = '4',
    Red = '7', Green = '8', Blue = '9', Layer = 'b'
};

constexpr int MaxValue = 0xFFF;   // what the 12-bit field carries

inline bool fitsValue(qint64 value) { return value >= 0 && value <= MaxValue; }

// "0" + window + code + value in lower-case hex; empty when the window is not
// 0..3 or the value does not fit, so no malformed text can be sent.
QString text(int window, Code code, int value);

} // namespace AttributeDialogCommand

// The dialog's colour list: grey (the default), red, green, blue, orange.
struct ItemColor
{
    int red;
    int green;
    int blue;
};
constexpr int ItemColorCount = 5;
extern const ItemColor kItemColors[ItemColorCount];

// The canvas check of the dialog's OK: the window at (x, y) of size w x h must
// lie inside a canvas of canvasWidth x canvasHeight, and every value must fit
// its command's field (no negative value, none above MaxValue).
bool attributeGeometryFits(qint64 x, qint64 y, qint64 width, qint64 height,
                           int canvasWidth, int canvasHeight);

#endif
