#ifndef DEVICECOMMAND_H
#define DEVICECOMMAND_H

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

// Hex texts of the box's commands: target, code and a 16-bit value, high byte
// first, every field zero-filled. Builders return an empty text when a value
// does not fit its field; callers must not queue such a text.

namespace DeviceCommand {

// System commands (target 04).
inline constexpr char SingleScreen[] = "04040000";
inline constexpr char TwoScreensLeftRight[] = "04050000";
inline constexpr char TwoDivisionUpDown[] = "04060000";
inline constexpr char FourDivision[] = "04070000";
inline constexpr char LevelMode[] = "04080000";
inline constexpr char AudioOutput1Only[] = "040C0001";
inline constexpr char AudioAllOutputs[] = "040D0001";
inline constexpr char AudioOff[] = "040E0001";
inline constexpr char VideoGenOn[] = "040F0001";
inline constexpr char VideoGenOff[] = "040F0000";
inline constexpr char DhcpOn[] = "04110001";
inline constexpr char DhcpOff[] = "04110000";
inline constexpr char TwoDivisionObos[] = "04120000";
inline constexpr char FourDivisionObts[] = "04130000";
inline constexpr char SaveAll[] = "04140000";
inline constexpr char FirstRowRotatedOn[] = "04150001";
inline constexpr char FirstRowRotatedOff[] = "04150000";

// Queries and maintenance (target 08).
inline constexpr char QueryGlobal[] = "08050000";
inline constexpr char QueryEnd[] = "ffffffff";
inline constexpr char FactoryReset[] = "08070000";
inline constexpr char ControllerReset[] = "080B0000";

// Window codes (target = window index 0..3).
enum WindowCode {
    PosX = 0x01, PosY = 0x02, Width = 0x03, Height = 0x04,
    CropHStart = 0x05, CropVStart = 0x06, CropHEnd = 0x07, CropVEnd = 0x08,
    Contrast = 0x0A, Luminance = 0x0B, HSharpness = 0x0C, VSharpness = 0x0D,
    Saturation = 0x0E, Hue = 0x0F, ColorTemperature = 0x10, DeGamma = 0x11, PanelGamma = 0x12,
    HMirror = 0x13, VMirror = 0x14,
    HFiltration = 0x15, VFiltration = 0x16, Shadow = 0x17, Block = 0x18, Noise = 0x19, Hair = 0x1A,
    Deinterlace = 0x1B, PullDown22 = 0x1C, PullDown22Timer = 0x1D, PullDown23 = 0x1E,
    PullDown23Timer = 0x1F, Sensitivity = 0x20, Diagonal = 0x21, Psf24 = 0x22,
    BlueCorrection = 0x23, GreenCorrection = 0x24, SkinCorrection = 0x25,
    SolidRed = 0x26, SolidGreen = 0x27, SolidBlue = 0x28, Layer = 0x29,
    SolidFill = 0x2A, Open = 0x2B, Freeze = 0x2C, InputSource = 0x2D, Audio = 0x2E,
    Rotate90 = 0x32, RotateReset = 0x33, Rotate270 = 0x34, AdaptiveFill = 0x37
};

// A value that fits the 16-bit field of a command.
inline bool isCommandValue(qint64 value) { return value >= 0 && value <= 0xFFFF; }

// window (2 digits), code (2 digits), value (4 digits), lower case.
QString windowCommand(int window, int code, int value);
// [E0 + window][x][y][w][h]
QString geometryCommand(int window, int x, int y, int width, int height);
// [D0 + window][hStart][vStart][hEnd][vEnd]
QString cropCommand(int window, int hStart, int vStart, int hEnd, int vEnd);
// windowOnLayer[i] is the index (0..3) of the window on layer i + 1 (front first).
QString layerOrderCommand(const QVector<int> &windowOnLayer);
// One or two window commands for 0, 90, 180 or 270 degrees.
QStringList rotationCommands(int window, int degrees);
// "0416000n"
QString outputModeCommand(int mode);
// "080N0001" for window N = 1..4
QString windowQuery(int window);

// Layout name ("2x3") to its splice command. Generation 1 numbers the layouts
// of at most 9 screens; the others name rows and columns up to 9 * (scale + 1).
QMap<QString, QString> spliceCommandTable(int generation, int spliceScale);

} // namespace DeviceCommand

#endif
