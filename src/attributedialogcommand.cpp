#include "attributedialogcommand.h"

const ItemColor kItemColors[ItemColorCount] = {
    {65, 65, 65}, {210, 85, 101}, {144, 207, 153}, {46, 148, 185}, {240, 183, 117},
};

namespace AttributeDialogCommand {

QString text(int window, Code code, int value)
{
    if (window < 0 || window > 3 || !fitsValue(value))
        return QString();
    return QStringLiteral("0%1%2%3")
        .arg(window)
        .arg(QLatin1Char(code))
        .arg(value, 3, 16, QLatin1Char('0'));
}

} // namespace AttributeDialogCommand

bool attributeGeometryFits(qint64 x, qint64 y, qint64 width, qint64 height,
                           int canvasWidth, int canvasHeight)
{
    using AttributeDialogCommand::fitsValue;
    if (!fitsValue(x) || !fitsValue(y) || !fitsValue(width) || !fitsValue(height))
        return false;
    return x + width <= canvasWidth && y + height <= canvasHeight;
}
