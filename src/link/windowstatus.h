#ifndef WINDOWSTATUS_H
#define WINDOWSTATUS_H

#include <QMap>
#include <QSize>
#include <QString>
#include <QVector>

// One window's state as the box reports it, on either road: the TCP window
// frame carries value i in word i + 1, a UDP state answer carries it as the
// record with key i. Both reads decode through decodeWindowState; only the
// two rules below in which the roads part differ by road.

// Indexes of a window's state values.
namespace StatusIndex {
constexpr int Channel = 0x00;            // 1..4
constexpr int PosX = 0x01, PosY = 0x02, Width = 0x03, Height = 0x04;
constexpr int CropHStart = 0x06, CropVStart = 0x07, CropHEnd = 0x08, CropVEnd = 0x09;
constexpr int Contrast = 0x0B;
constexpr int Luminance = 0x0C;          // value + 1024
constexpr int HSharpness = 0x0D, VSharpness = 0x0E;   // value + 10
constexpr int Saturation = 0x0F;
constexpr int Hue = 0x10;                // value + 180
constexpr int ColorTemperature = 0x11, DeGamma = 0x12, PanelGamma = 0x13;
constexpr int HMirror = 0x14, VMirror = 0x15;
constexpr int HFiltration = 0x16, VFiltration = 0x17, Shadow = 0x18, Block = 0x19, Noise = 0x1A, Hair = 0x1B;
constexpr int Deinterlace = 0x1C, PullDown22 = 0x1D, PullDown22Timer = 0x1E, PullDown23 = 0x1F;
constexpr int PullDown23Timer = 0x20, Sensitivity = 0x21, Diagonal = 0x22, Psf24 = 0x23;
constexpr int BlueCorrection = 0x24, GreenCorrection = 0x25, SkinCorrection = 0x26;
constexpr int Red = 0x27, Green = 0x28, Blue = 0x29;
constexpr int SolidColor = 0x2A, Open = 0x2B, Freeze = 0x2C, Source = 0x2D, Audio = 0x2E;
constexpr int RotationCode = 0x31, ResolutionCode = 0x32;
constexpr int Count = 0x33;
} // namespace StatusIndex

// Ranges the decoder holds values to.
namespace WindowValue {
constexpr int MaxSource = 4;        // inputs 0..3, 4 none
constexpr int MaxColour = 255;
} // namespace WindowValue

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

// The roads read two values their own way: TCP opens a window on value 1
// only and turns codes 1 and 2 into 90 and 270 degrees; UDP opens it on any
// value but 0 and turns codes 1 and 3 into 270 and 90 degrees.
enum class StateRoad { Tcp, Udp };

// Values by index (a missing one reads 0) to the window's state.
WindowStatus decodeWindowState(const QVector<int> &values, StateRoad road);
// The values of a UDP state answer, key by key, each four hex digits.
QVector<int> stateValuesFromRecords(const QMap<int, QString> &records);

// What a window's input resolution code gives its source: a size from the
// resolution table, the table's 720P entry for inputs too small for the
// program (UDP road only; TCP takes every code the table holds), or the box's
// 3840 x 2160 when there is no signal or the code is not known.
enum class InputResolutionClass { TooLow, Listed, NoSignal };
struct InputResolution
{
    InputResolutionClass kind = InputResolutionClass::NoSignal;
    QSize size;
};
InputResolution inputResolution(int code, const QVector<QSize> &table, StateRoad road);

#endif
