#include "wallgeometry.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace WallGeometry {

namespace {

const Seam *seamOf(int columns)
{
    for (const Seam &seam : Seams) {
        if (seam.columns == columns)
            return &seam;
    }
    return nullptr;
}

int countOf(Axis axis, int rows, int columns)
{
    return axis == Axis::Across ? columns : rows;
}

} // namespace

int truncated(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= double(INT_MAX))
        return INT_MAX;
    if (value <= double(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

bool isLine(int rows, int columns)
{
    return rows == 1 || columns == 1;
}

float gridFactor(int count)
{
    return count * 0.5f;
}

QSizeF canvasSize(int rows, int columns, bool fullHdScreen)
{
    if (!isLine(rows, columns))
        return QSizeF(DeviceWidth, DeviceHeight);
    if (rows == 1 && columns == 1)
        return fullHdScreen ? QSizeF(ScreenWidth, ScreenHeight) : QSizeF(DeviceWidth, DeviceHeight);
    return QSizeF(columns * double(ScreenWidth), rows * double(ScreenHeight));
}

Factors cappedFactors(double canvasWidth, double canvasHeight)
{
    return {float(std::min<double>(canvasWidth, DeviceWidth) / canvasWidth),
            float(std::min<double>(canvasHeight, DeviceHeight) / canvasHeight)};
}

Factors seamFactors(double canvasWidth, double canvasHeight, int rows, int columns)
{
    const Seam *seam = seamOf(columns);
    if (!seam)
        return cappedFactors(canvasWidth, canvasHeight);
    const double deviceHeight = rows == 1 ? seam->rowHeight : DeviceHeight;
    return {float(seam->width / canvasWidth), float(deviceHeight / canvasHeight)};
}

int deviceFromWholeCanvas(double canvas, float factor)
{
    return truncated(double(truncated(canvas)) * factor);
}

int deviceFromCanvas(double canvas, float factor)
{
    return truncated(double(factor) * canvas);
}

float canvasFromDevice(int device, float factor)
{
    return device / factor;
}

QRectF canvasFromDeviceReply(double x, double y, double width, double height, int rows, int columns)
{
    if (rows == 1 && columns != 1) {
        // Eleven columns read with the nine-column stretch (40/39), not their own, on purpose: windows
        // read over UDP land where they always have, and presets saved afterwards store those places.
        const Seam *seam = seamOf(columns == 11 ? 9 : columns);
        const double f = seam ? double(DeviceWidth) / seam->width : 1.0;
        // Single precision on purpose: the read-back places follow its rounding.
        const float divisor = 2 / static_cast<float>(columns);
        return QRectF(x / divisor * f, y * f, width / divisor * f, height * f);
    }
    if (columns == 1 && rows != 1)
        return QRectF(x, y * rows / 2, width, height * rows / 2);
    return QRectF(x, y, width, height);
}

int positionScale(bool singleScreen, double canvasWidth)
{
    const int width = truncated(canvasWidth);
    if (!singleScreen || width <= 0)
        return 1;
    return std::max(1, DeviceWidth / width);
}

Factors panelFactors(double canvasWidth, double canvasHeight, int rows, int columns, int outputMode)
{
    const bool tall = canvasHeight > DeviceHeight && !(rows == 1 && columns == 1);
    double capHeight = DeviceHeight;
    if (outputMode == 0)
        capHeight = tall ? DeviceHeight : canvasHeight;
    else if (outputMode == 1)
        capHeight = tall ? TallDeviceHeight : canvasHeight * TenNinths;
    return {cappedFactors(canvasWidth, canvasHeight).x, float(capHeight / canvasHeight)};
}

int panelFromCanvas(double canvas, Axis axis, int rows, int columns, int outputMode, int positionScale)
{
    if (axis == Axis::Down && outputMode == 1)
        canvas *= TenNinths;
    if (isLine(rows, columns))
        return truncated(canvas) / 2 * positionScale;
    return truncated(canvas * gridFactor(countOf(axis, rows, columns)));
}

double canvasFromPanel(int panel, Axis axis, int rows, int columns, int outputMode, int positionScale)
{
    const bool line = isLine(rows, columns);
    if (axis == Axis::Down && outputMode != 0)
        return line ? (2 * panel * NineTenths) / positionScale : panel * NineTenths / gridFactor(rows);
    if (line)
        return float(2 * panel) / positionScale;
    return panel / gridFactor(countOf(axis, rows, columns));
}

int deviceFromPanel(int panel, float factor, Axis axis, int rows, int columns, int positionScale)
{
    if (isLine(rows, columns))
        return truncated(float(2 * panel * factor) / positionScale);
    return truncated(panel * factor / gridFactor(countOf(axis, rows, columns)));
}

ResolutionLimit resolutionLimit(int x, int y, int width, int height, int canvasWidth, int canvasHeight,
                                int rows, int columns, int outputMode)
{
    ResolutionLimit limit;
    if (outputMode != 0 && outputMode != 1)
        return limit;
    if (isLine(rows, columns)) {
        limit.fits = x + width <= canvasWidth && y + height <= canvasHeight;
        // Tested against the canvas but named as one screen, on purpose: the refusal
        // names the output mode's screen resolution.
        limit.width = ScreenWidth;
        limit.height = outputMode == 0 ? ScreenHeight : TallScreenHeight;
    } else {
        // The height grows with the columns too, not the rows, on purpose: it decides which typed
        // Y and height values reach the box, and the refusal names these numbers.
        const float f = gridFactor(columns);
        limit.fits = x + width <= canvasWidth * f && y + height <= canvasHeight * f;
        limit.width = double(canvasWidth * f);
        limit.height = double(outputMode == 0 ? canvasHeight * f : f * TallDeviceHeight);
    }
    return limit;
}

} // namespace WallGeometry
