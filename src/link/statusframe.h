#ifndef STATUSFRAME_H
#define STATUSFRAME_H

#include <QByteArray>
#include <QList>
#include <QVector>
#include <QtGlobal>

#include "windowstatus.h"

// The box's answers over TCP: a run of 16-bit words (high byte first) that
// starts with 0xAAAA and ends with 0xBBBB; 11 words carry the wall's global
// state, 53 words the whole state of one window. Word w of a window frame is
// the window's state value w - 1 (the same numbering the UDP records use as
// keys). These functions need no window, so the main window and the tests
// share them.
namespace StatusFrame {

constexpr quint16 Head = 0xAAAA;
constexpr quint16 Tail = 0xBBBB;
constexpr int GlobalWordCount = 11;
constexpr int WindowWordCount = 53;
constexpr int MaxGridCount = 18;   // the row and column lists offer 1..18
constexpr int GlobalFrameBytes = 2 * GlobalWordCount;
constexpr int WindowFrameBytes = 2 * WindowWordCount;

// Hex text to bytes: two characters per byte, pairs that are not
// two hex digits are skipped.
QByteArray bytesFromHexText(const QByteArray &hexText);
// Bytes to words, first byte high; an odd last byte is ignored.
QVector<quint16> wordsFromBytes(const QByteArray &bytes);

} // namespace StatusFrame

struct GlobalStatus
{
    int deviceValue = 0;      // logged only
    int mode = 0;             // 0, 1 or 2 picks one of three exclusive flags
    bool flag = false;
    int rows = 0;             // 1-based
    int columns = 0;          // 1-based, from the low byte of its word
    quint16 layerOrder = 0;   // one nibble per layer, front layer highest

    bool gridValid() const;
    // Layer (1 front .. 4 back) the order gives window 0..3, 0 when it names none.
    int layerOfWindow(int windowIndex) const;
};

struct StatusFrameRead
{
    enum Kind { Dropped, Global, Window };
    Kind kind = Dropped;
    GlobalStatus global;
    WindowStatus window;
};

// Cuts whole frames out of the TCP byte stream, which a box, a switch or the
// system's buffering may split or join at any byte. A frame starts with the
// head bytes AA AA and is taken as a global frame when the tail BB BB closes
// its 22nd byte, else as a window frame when its next word names window 1..4,
// the tail closes its 106th byte and its last 22 bytes are not a global frame
// of their own (a broken-off frame before it); bytes before a head, and a head
// that starts no frame, are skipped. What is kept between reads is at most one
// frame's start.
class StatusFrameStream
{
public:
    // Raw bytes as read; returns the whole frames they complete, in order.
    QList<QByteArray> feed(const QByteArray &bytes);
    void clear() { mBuffer.clear(); }
    int buffered() const { return mBuffer.size(); }

private:
    QByteArray mBuffer;
};

// The hex text of one frame, as StatusFrameStream cuts it; anything else
// (wrong head or tail, another length, two frames, half a frame, a window
// frame that names no window 1..4) is dropped.
StatusFrameRead parseStatusFrame(const QByteArray &hexText);

#endif
