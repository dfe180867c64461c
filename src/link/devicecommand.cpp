#include "devicecommand.h"

namespace DeviceCommand {

namespace {
QString field(int value, int digits)
{
    return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0'));
}

bool isByte(int value)
{
    return value >= 0 && value <= 0xFF;
}

QString fourValueCommand(int target, int a, int b, int c, int d)
{
    if (!isByte(target) || !isCommandValue(a) || !isCommandValue(b) || !isCommandValue(c) || !isCommandValue(d))
        return QString();
    return field(target, 2) + field(a, 4) + field(b, 4) + field(c, 4) + field(d, 4);
}
} // namespace

QString windowCommand(int window, int code, int value)
{
    if (!isByte(window) || !isByte(code) || !isCommandValue(value))
        return QString();
    return QStringLiteral("%1%2%3").arg(field(window, 2), field(code, 2), field(value, 4));
}

QString geometryCommand(int window, int x, int y, int width, int height)
{
    if (window < 0 || window > 3)
        return QString();
    return fourValueCommand(0xE0 | window, x, y, width, height);
}

QString cropCommand(int window, int hStart, int vStart, int hEnd, int vEnd)
{
    if (window < 0 || window > 3)
        return QString();
    return fourValueCommand(0xD0 | window, hStart, vStart, hEnd, vEnd);
}

QString layerOrderCommand(const QVector<int> &windowOnLayer)
{
    if (windowOnLayer.size() != 4)
        return QString();
    QString text = QStringLiteral("0410");
    for (int window : windowOnLayer) {
        if (window < 0 || window > 3)
            return QString();
        text += QString::number(2 * window);
    }
    return text;
}

QStringList rotationCommands(int window, int degrees)
{
    QStringList texts;
    const QString reset = windowCommand(window, RotateReset, 0);
    if (reset.isEmpty())
        return texts;
    switch (degrees) {
    case 0:
        texts << reset << windowCommand(window, Rotate90, 0);
        break;
    case 90:
        texts << reset << windowCommand(window, Rotate90, 1);
        break;
    case 180:
        texts << reset;
        break;
    case 270:
        texts << reset << windowCommand(window, Rotate270, 1);
        break;
    default:
        break;
    }
    return texts;
}

QString outputModeCommand(int mode)
{
    if (mode < 0 || mode > 3)
        return QString();
    return QStringLiteral("0416000") + QString::number(mode);
}

QString windowQuery(int window)
{
    if (window < 1 || window > 4)
        return QString();
    return QStringLiteral("080") + QString::number(window) + QStringLiteral("0001");
}

QMap<QString, QString> spliceCommandTable(int generation, int spliceScale)
{
    QMap<QString, QString> table;
    const auto name = [](int rows, int columns) {
        return QStringLiteral("%1x%2").arg(rows).arg(columns);
    };
    const auto hex = [](int value, int digits) { return field(value, digits).toUpper(); };
    if (generation == 1) {
        int index = 0;
        for (int rows = 1; rows <= 9; ++rows)
            for (int columns = 1; columns <= 9; ++columns)
                if (rows * columns <= 9)
                    table.insert(name(rows, columns), QStringLiteral("0601") + hex(index++, 4));
        return table;
    }
    const int limit = 9 * (spliceScale + 1);
    for (int rows = 1; rows <= limit; ++rows)
        for (int columns = 1; columns <= limit; ++columns)
            if (rows * columns <= limit)
                table.insert(name(rows, columns), QStringLiteral("0601") + hex(rows, 2) + hex(columns, 2));
    return table;
}

} // namespace DeviceCommand
