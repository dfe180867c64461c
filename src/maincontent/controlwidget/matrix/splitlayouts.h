#ifndef SPLITLAYOUTS_H
#define SPLITLAYOUTS_H

#include <QRect>
#include <QSize>
#include <QStringList>
#include <QVector>

// The split page's nine layouts and what a dropped input sends, apart from
// the page so that tests read them directly.
namespace SplitLayouts {

// Layout modes the page keeps; 0 means none chosen yet.
enum Mode {
    NoLayout = 0,
    Single = 1,         // "单分割"
    LeftRight = 2,      // "左右"
    OneLargeThree = 4,  // "一大三小"
    UpperLower = 6,     // "上下"
    HShape = 8,         // "H形分割"
    EqualLeftRight = 9, // "等比左右"
    EqualUpperLower = 10, // "等比上下"
    PictureInPicture = 11, // "开窗"
    KeepMode = -1       // "田字形" leaves the mode as it was
};

// In the pair modes inputs 1 and 2 share one layout, inputs 3 and 4 another.
bool isPairMode(int mode);
// 2 for 1, 1 for 2, 4 for 3, 3 for 4.
int partnerOf(int input);

struct Layout
{
    const char *button;  // object name of the layout button
    int mode;            // Mode, or KeepMode
    const char *command; // 66 03 command sent when the layout is chosen
    int windowsInUse;    // windows 1..n show inputs 1..n when it is chosen
    QRect windows[4];    // in page pixels; a window of size 0 stays unseen
    QSize pictures[4];   // picture size; invalid for windows not in use
    bool inputsShown;    // false: the input buttons are hidden, no drop possible
};

// The nine layouts drawn in the preview rectangle. Divisions drop the fraction.
QVector<Layout> layouts(const QRect &preview);

// What a drop of input 1..4 on the preview does in a mode.
struct Drop
{
    QStringList commands; // in the order they are written
    QVector<int> inputs;  // input shown by windows 1, 2, ...; empty: no change
};
Drop drop(int mode, int input);

} // namespace SplitLayouts

#endif
