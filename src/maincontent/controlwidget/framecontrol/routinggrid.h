#ifndef ROUTINGGRID_H
#define ROUTINGGRID_H

#include <QPoint>
#include <QString>

// Where the routing page's four outputs lie for a dragged input button, in the
// page's coordinates. Outputs 1 and 2 form the top row, 3 and 4 the bottom one.
// The drop and the hover use two different sets of bounds, each as the box's
// page has always had them.
namespace RoutingGrid {

// The output (1..4) whose drop rectangle holds a button's top-left corner
// (bounds inclusive), or 0 for none. The right-click menu picks its output
// from the press point with the same rectangles.
inline int dropOutputAt(const QPoint &p)
{
    const int x = p.x();
    const int y = p.y();
    if (x >= 61 && x <= 264 && y >= 61 && y <= 231)
        return 1;
    if (x >= 267 && x <= 471 && y >= 61 && y <= 231)
        return 2;
    if (x >= 61 && x <= 264 && y >= 232 && y <= 400)
        return 3;
    if (x >= 266 && x <= 471 && y >= 233 && y <= 400)
        return 4;
    return 0;
}

// The output (1..4) under the hover test point of a drag (the button's
// position plus the cursor's position inside it), or 0 for none; the column
// x = 320 and the row y = 240 between the outputs belong to none.
inline int hoverOutputAt(const QPoint &p)
{
    const int x = p.x();
    const int y = p.y();
    const bool top = y > 105 && y < 240;
    const bool bottom = y > 240 && y < 375;
    const bool left = x > 80 && x < 320;
    const bool right = x >= 321 && x < 560;
    if (top && left)
        return 1;
    if (top && right)
        return 2;
    if (bottom && left)
        return 3;
    if (bottom && right)
        return 4;
    return 0;
}

// The debug line naming a routing choice, as "二号口选择一号输入源".
inline QString choiceLine(int output, int input)
{
    static const QString digits[] = {QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三"),
                                     QStringLiteral("四")};
    if (output < 1 || output > 4 || input < 1 || input > 4)
        return QString();
    return digits[output - 1] + QStringLiteral("号口选择") + digits[input - 1] + QStringLiteral("号输入源");
}

} // namespace RoutingGrid

#endif
