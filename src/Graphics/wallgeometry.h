#ifndef WALLGEOMETRY_H
#define WALLGEOMETRY_H

#include <QRectF>
#include <QSizeF>

// A window stands in three spaces: the canvas the wall view draws (canvas
// pixels), the box's output space (device pixels) and the selected-window
// panel's X/Y/width/height edits. A wall of one row or one column of screens
// is drawn as long as its screens; any other grid is drawn on a 4K canvas, and
// as the panel counts each screen at its full size, one canvas pixel of such a
// grid is columns / 2 panel units across and rows / 2 down.
// Each road keeps its own rounding (single or double precision, truncation
// before or after scaling): the values the box receives depend on it.
// Nothing here reads a global.
namespace WallGeometry {

constexpr int DeviceWidth = 3840;        // the box's output space
constexpr int DeviceHeight = 2160;
constexpr int TallDeviceHeight = 2400;   // output mode 1: screens of 1200 lines
constexpr int ScreenWidth = 1920;
constexpr int ScreenHeight = 1080;
constexpr int TallScreenHeight = 1200;
// Output mode 1 shows 1080-line canvas pixels stretched by 10/9 ...
constexpr double TenNinths = 1.1111111111111112;
// ... and the panel's lines back on the canvas shrunk by this.
constexpr double NineTenths = 0.9;

// Toward zero, as every road truncates; NaN gives 0 and a value beyond int
// the nearest end.
int truncated(double value);

// One row or one column of screens (1 x 1 included).
bool isLine(int rows, int columns);
// Panel units per canvas pixel along a grid that is no line: count x 0.5.
float gridFactor(int count);

// Canvas of a grid in canvas pixels; a single screen is 4K unless the box
// drives one 1080p screen.
QSizeF canvasSize(int rows, int columns, bool fullHdScreen);

// Device pixels per canvas pixel, held in single precision.
struct Factors
{
    float x = 1.0f;
    float y = 1.0f;
};

// The canvas squeezed into the device space where it is larger, else 1.
Factors cappedFactors(double canvasWidth, double canvasHeight);

// Rows of 7, 9 or 11 screens lose device pixels at their seams.
struct Seam
{
    int columns;
    int width;       // device pixels such a row fills
    int rowHeight;   // device lines of a wall of one such row
};
constexpr Seam Seams[] = {{7, 3808, 1071}, {9, 3744, 1053}, {11, 3696, 1080}};

// Factors with the seams of 7, 9 or 11 columns, else capped.
Factors seamFactors(double canvasWidth, double canvasHeight, int rows, int columns);

// Canvas to device. Drag, drop and double-click truncate the canvas value and
// then the product; keys and position pulses truncate the product only.
int deviceFromWholeCanvas(double canvas, float factor);
int deviceFromCanvas(double canvas, float factor);
// Device to canvas for a TCP window frame, in single precision.
float canvasFromDevice(int device, float factor);
// Device to canvas for a UDP window read: a row of several screens is
// widened by columns / 2 and stretched by its seam (eleven columns read with
// the nine-column seam), a column of several screens lengthened by rows / 2,
// every other grid taken as it is.
QRectF canvasFromDeviceReply(double x, double y, double width, double height, int rows, int columns);

// Panel edits.
enum class Axis { Across, Down };   // X and width use the columns, Y and height the rows

// Panel units per canvas unit on a line wall: 1, or 3840 over the canvas
// width of a single screen (2 on the 1920-wide canvas); never below 1.
int positionScale(bool singleScreen, double canvasWidth);
// Device pixels per canvas pixel as the panel sends them: capped across;
// down by the output mode's height (mode 1 stretched by 10/9).
Factors panelFactors(double canvasWidth, double canvasHeight, int rows, int columns, int outputMode);
// What the panel shows of a canvas value.
int panelFromCanvas(double canvas, Axis axis, int rows, int columns, int outputMode, int positionScale);
// Where the canvas draws a panel value; modes other than 0 shrink Y and height.
double canvasFromPanel(int panel, Axis axis, int rows, int columns, int outputMode, int positionScale);
// The device value the panel sends, with the factor of its axis.
int deviceFromPanel(int panel, float factor, Axis axis, int rows, int columns, int positionScale);

// Whether a panel rectangle fits the wall, and the resolution the refusal
// names. Output modes 2 and 3 are not checked. A grid's limit grows with
// its columns, down as well as across.
struct ResolutionLimit
{
    bool fits = true;
    double width = 0;
    double height = 0;
};
ResolutionLimit resolutionLimit(int x, int y, int width, int height, int canvasWidth, int canvasHeight,
                                int rows, int columns, int outputMode);

} // namespace WallGeometry

#endif
