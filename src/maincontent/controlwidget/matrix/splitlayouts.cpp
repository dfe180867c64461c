#include "maincontent/controlwidget/matrix/splitlayouts.h"

namespace SplitLayouts {

bool isPairMode(int mode)
{
    return mode == LeftRight || mode == UpperLower || mode == EqualLeftRight || mode == EqualUpperLower;
}

int partnerOf(int input)
{
    return input % 2 == 1 ? input + 1 : input - 1;
}

QVector<Layout> layouts(const QRect &preview)
{
    const int x = preview.x(), y = preview.y(), w = preview.width(), h = preview.height();
    const QRect none(0, 0, 0, 0);
    const QRect atStart(x, y, 0, 0);
    const QRect atMiddle(x + w / 2, y, 0, 0);
    const QSize big(250, 250), pair(150, 150), large(200, 200), small(100, 100), quarter(130, 130);
    const QSize tall(80, 800), same;
    return {
        {"fg1", Single, "6603020001", 1,
         {QRect(x, y, w, h), none, none, none},
         {big, same, same, same}, true},
        {"fg2x2", KeepMode, "660301006a", 4,
         {QRect(x, y, w / 2, h / 2), QRect(x + w / 2, y, w / 2, h / 2),
          QRect(x, y + h / 2, w / 2, h / 2), QRect(x + w / 2, y + h / 2, w / 2, h / 2)},
         {quarter, quarter, quarter, quarter}, false},
        {"fg1x2", LeftRight, "6603030001", 2,
         {QRect(x, y, w / 2, h), QRect(x + w / 2, y, w / 2, h), atStart, atMiddle},
         {pair, pair, same, same}, true},
        {"fg2x1", UpperLower, "6603040001", 2,
         {QRect(x, y, w, h / 2), QRect(x, y + h / 2, w, h / 2), atStart, atMiddle},
         {pair, pair, same, same}, true},
        {"fg1x4", OneLargeThree, "6603060001", 4,
         {QRect(x, y, (w / 3) * 2, h), QRect(x + 2 * (w / 3), y, w / 3, h / 3),
          QRect(x + 2 * (w / 3), y + h / 3, w / 3, h / 3),
          QRect(x + 2 * (w / 3), y + 2 * (h / 3), w / 3, h / 3)},
         {large, small, small, small}, true},
        {"fg4x1", HShape, "6603060005", 4,
         {QRect(x, y, w / 4, h), QRect(x + w / 4, y, w / 2, h / 2),
          QRect(x + w / 4, y + h / 2, w / 2, h / 2), QRect(x + 3 * (w / 4), y, w / 4, h)},
         {tall, small, small, tall}, false},
        {"fg1x2_2", EqualLeftRight, "6603030002", 2,
         {QRect(x + 2, y + h / 4, w / 2 - 2, h / 2), QRect(x + w / 2, y + h / 4, w / 2 - 2, h / 2),
          atStart, atMiddle},
         {pair, pair, same, same}, true},
        {"fg2x1_2", EqualUpperLower, "6603040002", 2,
         {QRect(x + w / 4, y + 1, w / 2, h / 2 - 2), QRect(x + w / 4, y + h / 2, w / 2, h / 2 - 2),
          atStart, atMiddle},
         {pair, pair, same, same}, true},
        {"pushButton", PictureInPicture, "6603050001", 2,
         {QRect(x, y, w, h), QRect(x + 2 * (w / 3) + 1, y + 2 * (h / 3), w / 3, h / 3), atStart, atMiddle},
         {large, small, same, same}, true},
    };
}

Drop drop(int mode, int input)
{
    // A pair mode shows a whole pair, so both inputs of a pair send the same.
    static const struct {
        int mode;
        const char *firstPair;  // inputs 1 and 2
        const char *secondPair; // inputs 3 and 4
    } pairCommands[] = {
        {LeftRight, "6603030001", "6603030003"},
        {EqualLeftRight, "6603030002", "6603030004"},
        {UpperLower, "6603040001", "6603040003"},
        {EqualUpperLower, "6603040002", "6603040004"},
    };

    Drop result;
    // Input 1 also puts the wall back to a single screen, whatever the layout.
    if (input == 1)
        result.commands << QStringLiteral("6601010169");
    const QString n = QStringLiteral("%1").arg(input, 2, 10, QLatin1Char('0'));
    const int first = input <= 2 ? 1 : 3;
    switch (mode) {
    case Single:
        result.commands << QStringLiteral("66030200") + n;
        result.inputs = {input};
        break;
    case OneLargeThree:
        result.commands << QStringLiteral("66030600") + n;
        result.inputs = {input};
        for (int other = 1; other <= 4; ++other)
            if (other != input)
                result.inputs << other;
        break;
    case PictureInPicture:
        result.commands << QStringLiteral("66030500") + n;
        result.inputs = {input, partnerOf(input)};
        break;
    default:
        for (const auto &pair : pairCommands) {
            if (pair.mode == mode) {
                result.commands << QLatin1String(first == 1 ? pair.firstPair : pair.secondPair);
                result.inputs = {first, first + 1};
            }
        }
        break;
    }
    return result;
}

} // namespace SplitLayouts
