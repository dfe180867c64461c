#ifndef PRESETFILE_H
#define PRESETFILE_H

#include <QMap>
#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVector>

class QSettings;

// One snapshot of the four windows of the first canvas; index i is window
// i + 1. Positions and sizes are canvas pixels times the coordinate divisor
// in force when it was taken.
struct PresetSnapshot
{
    double heights[4] = {};
    double widths[4] = {};
    int x[4] = {};
    int y[4] = {};
    int luminance[4] = {};      // -1024..1024
    int layer[4] = {};          // 1 = front
    int colour[4][3] = {};      // R, G, B
    bool open[4] = {};
    int source[4] = {};         // 0..3 = HDMI 1..4, 4 = none
    int rows = 0;               // splice layout when taken: stored, never applied
    int columns = 0;
    double heightDivisor = 0;   // canvas of that layout / preview size
    double widthDivisor = 0;
    bool solid[4] = {};
};

bool operator==(const PresetSnapshot &a, const PresetSnapshot &b);
inline bool operator!=(const PresetSnapshot &a, const PresetSnapshot &b) { return !(a == b); }

// What the replay sends for one window, read back from the window after the
// snapshot was put on it (its position may have been kept inside the canvas).
struct PresetWindowState
{
    double x = 0, y = 0, width = 0, height = 0;   // canvas pixels of the first canvas
    int luminance = 0;
    int red = 0, green = 0, blue = 0;
    bool open = false;
    int source = 4;
    bool solid = false;
};

// One window as the preview paints it.
struct PreviewWindow
{
    int window = 0;             // 0..3
    QRect rect;                 // in the 120 x 80 preview
    QPoint baseline;            // where the source number starts
    int pointSize = 1;
    QString label;              // source + 1: "1".."4", "5" for none
};

// The preset store "./preset.ini": one group "<n>_Frame" per preview, lists
// of four values (window 1 first) joined by "_". Nothing here needs a widget.
namespace PresetFile {

inline constexpr char FileName[] = "./preset.ini";
constexpr int PreviewWidth = 120;
constexpr int PreviewHeight = 80;
constexpr int HistoryLimit = 11;        // snapshots a preview keeps, newest first

// Layout name ("2x3") to "<width divisor>x<height divisor>": the canvas of
// that layout divided by the divisors is the preview. 58 layouts.
QMap<QString, QString> divisorTable();

// The divisors of a layout; false (and nothing written) when the layout is
// not in the table.
bool lookupDivisors(const QMap<QString, QString> &table, const QString &layoutName, double *width, double *height);

// "2x3" to 2 and 3; a part that is not a number gives 0.
void splitLayoutName(const QString &layoutName, int *rows, int *columns);

QString groupName(int presetNumber);   // 3 -> "3_Frame"

// Writes the snapshot as preset n, enabled.
void write(QSettings &settings, int presetNumber, const PresetSnapshot &snapshot);
// Reads preset n. False, with the snapshot untouched, when the group is
// missing, disabled, damaged (a list shorter than its values) or not usable
// (below); a value that is not a number, or a missing single value, reads as 0.
bool read(const QSettings &settings, int presetNumber, PresetSnapshot *snapshot);
// Marks preset n as deleted; its other keys stay.
void disable(QSettings &settings, int presetNumber);

// A snapshot can be painted and applied: positive divisors and a layout of
// the divisor table.
bool isUsable(const PresetSnapshot &snapshot);

// Window indexes from the front layer to the back. Layers that are not 1..4
// once each are ordered by layer, then by window.
QVector<int> windowsFrontToBack(const PresetSnapshot &snapshot);

// The open windows as the preview paints them, back first.
QVector<PreviewWindow> previewWindows(const PresetSnapshot &snapshot);

// Window i's place on the first canvas when the snapshot is applied under
// the layout with the given divisors and coordinate divisor s.
QRectF appliedPlace(const PresetSnapshot &snapshot, int i, double divisorWidth, double divisorHeight, int s);

// The replay: the layer-order command, then for windows 1..4 geometry,
// luminance, red, green, blue, open, source and solid fill (33 texts).
// Values are kept within 0..FFFF.
QStringList replayCommands(const QVector<int> &windowOnLayer, const QVector<PresetWindowState> &windows);

} // namespace PresetFile

#endif
