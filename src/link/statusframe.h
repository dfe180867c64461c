#ifndef STATUSFRAME_H
#define STATUSFRAME_H

#include <QByteArray>
#include <QList>
#include <QVector>
#include <QtGlobal>

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
constexpr int MaxSource = 4;        // inputs 0..3, 4 none
constexpr int MaxColour = 255;

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

struct WindowStatus
{
    int channel = 0;          // 1..4
    int x = 0, y = 0, width = 0, height = 0;   // device pixels
    int cropHStart = 0, cropVStart = 0, cropHEnd = 0, cropVEnd = 0;
    int contrast = 0, luminance = 0, hSharpness = 0, vSharpness = 0;
    int saturation = 0, hue = 0, colorTemperature = 0, deGamma = 0, panelGamma = 0;
    bool hMirror = false, vMirror = false;
    int hFiltration = 0, vFiltration = 0, shadow = 0, block = 0, noise = 0, hair = 0;
    bool deinterlace = false, pullDown22 = false, pullDown23 = false, psf24 = false;
    int pullDown22Timer = 0, pullDown23Timer = 0, sensitivity = 0, diagonal = 0;
    int blueCorrection = 0, greenCorrection = 0, skinCorrection = 0;
    int red = 0, green = 0, blue = 0;   // 0..255, larger values held at 255
    bool solidColor = false;
    bool open = false;
    bool freeze = false;
    // Source 0..3, 4 none (always 4 while a solid colour fills the window);
    // -1 when the box sent a value outside 0..4, which leaves the window's own.
    int source = 4;
    int reportedSource = 4;   // as the box sent it, or -1 likewise
    bool audio = false;
    int rotation = -1;        // 0, 90, 180, 270; -1 leaves the window's rotation
    int resolutionCode = 0;
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
// its 22nd byte, else as a window frame when the tail closes its 106th;
// bytes before a head, and a head that closes neither, belong to no frame and
// are skipped. What is kept between reads is at most one frame's start.
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
