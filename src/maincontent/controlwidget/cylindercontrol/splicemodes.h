#ifndef SPLICEMODES_H
#define SPLICEMODES_H

#include <QString>

// The splice page's wall shapes and their commands. Screens fill the shape's
// grid row by row, so screen i (0-based) sits at row i / columns, column
// i % columns.
struct SpliceMode
{
    const char *button;  // object name of the mode button on the page's form
    int rows;
    int columns;
    int screenWidth;     // fixed size of each screen button, in pixels
    int screenHeight;
    const char *command; // complete 66 01 command, check byte included

    int screenCount() const { return rows * columns; }
};

// The box numbers its splice shapes in its own way (a column of three is
// 02 02 but a column of four is 04 01), so each command is kept whole.
inline constexpr SpliceMode SpliceModes[] = {
    {"H2", 1, 2, 400, 165, "660101026a"},
    {"H3", 1, 3, 270, 165, "660101036b"},
    {"H4", 1, 4, 200, 165, "660101046c"},
    {"V2", 2, 1, 300, 250, "660102016a"},
    {"V3", 3, 1, 200, 165, "660102026b"},
    {"pushButton", 2, 2, 400, 250, "660103016b"},
    {"V4", 4, 1, 150, 125, "660104016c"},
};
inline constexpr int SpliceModeCount = int(sizeof SpliceModes / sizeof SpliceModes[0]);

// 66 02 command turning the rotation of screen 0..3 on or off.
QString rotationCommand(int screen, bool on);

#endif
