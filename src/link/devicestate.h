#ifndef DEVICESTATE_H
#define DEVICESTATE_H

#include <QMap>
#include <QString>

// Decisions of the device state read that need no window: the device
// generation from its version, the 2-of-3 agreement of a window's reads, and
// the conversions of the values the box reports.

using ReplyMap = QMap<int, QString>;

// Device generation 1 to 5 from a version text "major.minor.patch"; 0 when
// the version is not recognised (402, 403, fewer than three parts, or a minor
// or patch number that is negative or above 9999). A part that is no number
// counts 0.
int versionTypeFromText(const QString &version);

// The read to take of three reads of one window: the first when it agrees with
// the second or the third, else the second when it agrees with the third.
// nullptr when no two agree or any read is empty.
const ReplyMap *voteReplyMaps(const ReplyMap &a, const ReplyMap &b, const ReplyMap &c);

// A value of a reply map; a missing key reads as 0.
int replyValue(const ReplyMap &map, int key, int base = 16);

// Layer 1 (front) to 4 of window 0..3 from the global stacking text, one
// decimal digit per window (a letter counts 0); 0, meaning keep the layer, when
// the text has no digit for the window or the digit names no layer (8, 9).
int layerFromStackText(const QString &text, int window);

// Rows and columns of the splice grid from global key 6 (generations 1 to 4:
// one hex digit each at positions 1 and 3); false when the text is too short.
bool spliceGridFromKey6(const QString &text, int *rows, int *cols);

#endif
