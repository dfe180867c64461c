#include "presetfile.h"

#include "Graphics/wallgeometry.h"
#include "inisettings.h"
#include "link/devicecommand.h"

#include <QSettings>

#include <algorithm>
#include <cmath>

bool operator==(const PresetSnapshot &a, const PresetSnapshot &b)
{
    for (int i = 0; i < 4; ++i) {
        if (a.heights[i] != b.heights[i] || a.widths[i] != b.widths[i] || a.x[i] != b.x[i] || a.y[i] != b.y[i]
            || a.luminance[i] != b.luminance[i] || a.layer[i] != b.layer[i] || a.open[i] != b.open[i]
            || a.source[i] != b.source[i] || a.solid[i] != b.solid[i])
            return false;
        for (int c = 0; c < 3; ++c) {
            if (a.colour[i][c] != b.colour[i][c])
                return false;
        }
    }
    return a.rows == b.rows && a.columns == b.columns && a.heightDivisor == b.heightDivisor
        && a.widthDivisor == b.widthDivisor;
}

namespace PresetFile {

namespace {

const QString kEnable = QStringLiteral("Enable");
const QString kPosX = QStringLiteral("ArrayX[i]");
const QString kPosY = QStringLiteral("ArrayY[i]");
const QString kHeight = QStringLiteral("ArrayHeight[i]");
const QString kWidth = QStringLiteral("ArrayWidth[i]");
const QString kOpen = QStringLiteral("ArrayEable[i]");
const QString kLayer = QStringLiteral("ArrayLayer[i]");
const QString kLight = QStringLiteral("ArrayLight[i]");
const QString kSource = QStringLiteral("ArrayInputSourceID[i]");
const QString kSolid = QStringLiteral("isColorSolid[i]");
const QString kRows = QStringLiteral("splicModeRow");
const QString kColumns = QStringLiteral("splicModeColumn");
const QString kDivisorWidth = QStringLiteral("spliceDivisorWidth");
const QString kDivisorHeight = QStringLiteral("spliceDivisorHeight");

QString colourKey(int window)
{
    return QStringLiteral("ArrayRGB[%1][j]").arg(window);
}

QString layoutName(int rows, int columns)
{
    return QStringLiteral("%1x%2").arg(rows).arg(columns);
}

const QMap<QString, QString> &sharedDivisorTable()
{
    static const QMap<QString, QString> table = divisorTable();
    return table;
}

// Damaged files may hold anything; these never give a value that a cast
// or a division cannot take.
double finiteOrZero(double value)
{
    return std::isfinite(value) ? value : 0.0;
}

double bounded(double value, double low, double high)
{
    return std::isfinite(value) ? std::clamp(value, low, high) : 0.0;
}

int truncated(double value)
{
    return WallGeometry::truncated(bounded(value, -1e6, 1e6));
}

int commandValue(double value)
{
    return static_cast<int>(bounded(value, 0, 0xFFFF));
}

template <typename T>
QString joined(const T (&values)[4])
{
    QStringList parts;
    for (const T &value : values)
        parts << QString::number(value);
    return parts.join(QLatin1Char('_'));
}

QString joinedDoubles(const double (&values)[4])
{
    QStringList parts;
    for (double value : values)
        parts << QString::number(value, 'g', 6);
    return parts.join(QLatin1Char('_'));
}

int toInt(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : 0;
}

double toDouble(const QString &text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? finiteOrZero(value) : 0.0;
}

// The parts of a list key, or an empty list when it has fewer than needed.
QStringList listValue(const QSettings &settings, const QString &prefix, const QString &key, int needed)
{
    const QStringList parts = iniValue(settings, prefix + key).toString().split(QLatin1Char('_'));
    return parts.size() < needed ? QStringList() : parts;
}

} // namespace

QMap<QString, QString> divisorTable()
{
    QMap<QString, QString> table;
    const QString grid = QStringLiteral("32x27");
    table.insert(QStringLiteral("1x1"), grid);
    for (int n = 2; n <= 18; ++n)
        table.insert(layoutName(1, n), QStringLiteral("%1x13.5").arg(16 * n));
    for (int n = 3; n <= 18; ++n)
        table.insert(layoutName(n, 1), QStringLiteral("16x%1").arg(QString::number(13.5 * n)));
    // Two rows of one column keep the one-row height divisor.
    table.insert(QStringLiteral("2x1"), QStringLiteral("16x13.5"));
    const int gridColumns[][2] = {{2, 9}, {3, 6}, {4, 4}, {5, 3}, {6, 3}, {7, 2}, {8, 2}, {9, 2}};
    for (const auto &rowSpan : gridColumns) {
        for (int column = 2; column <= rowSpan[1]; ++column)
            table.insert(layoutName(rowSpan[0], column), grid);
    }
    return table;
}

bool lookupDivisors(const QMap<QString, QString> &table, const QString &layoutName, double *width, double *height)
{
    const auto it = table.constFind(layoutName);
    if (it == table.cend())
        return false;
    const QStringList parts = it.value().split(QLatin1Char('x'));
    *width = parts.value(0).toDouble();
    *height = parts.value(1).toDouble();
    return true;
}

void splitLayoutName(const QString &layoutName, int *rows, int *columns)
{
    const QStringList parts = layoutName.split(QLatin1Char('x'));
    *rows = toInt(parts.value(0));
    *columns = toInt(parts.value(1));
}

QString groupName(int presetNumber)
{
    return QStringLiteral("%1_Frame").arg(presetNumber);
}

void write(QSettings &settings, int presetNumber, const PresetSnapshot &s)
{
    const QString prefix = groupName(presetNumber) + QLatin1Char('/');
    auto put = [&](const QString &key, const QVariant &value) { setIniValue(settings, prefix + key, value); };
    put(kEnable, 1);
    put(kPosX, joined(s.x));
    put(kPosY, joined(s.y));
    put(kHeight, joinedDoubles(s.heights));
    put(kWidth, joinedDoubles(s.widths));
    int open[4], solid[4];
    for (int i = 0; i < 4; ++i) {
        open[i] = s.open[i] ? 1 : 0;
        solid[i] = s.solid[i] ? 1 : 0;
    }
    put(kOpen, joined(open));
    for (int k = 0; k < 4; ++k) {
        put(colourKey(k), QStringLiteral("%1_%2_%3").arg(s.colour[k][0]).arg(s.colour[k][1]).arg(s.colour[k][2]));
    }
    put(kLayer, joined(s.layer));
    put(kLight, joined(s.luminance));
    put(kSource, joined(s.source));
    put(kSolid, joined(solid));
    put(kRows, QString::number(s.rows));
    put(kColumns, QString::number(s.columns));
    put(kDivisorWidth, QString::number(s.widthDivisor, 'g', 6));
    put(kDivisorHeight, QString::number(s.heightDivisor, 'g', 6));
    settings.sync();
}

bool read(const QSettings &settings, int presetNumber, PresetSnapshot *snapshot)
{
    const QString prefix = groupName(presetNumber) + QLatin1Char('/');
    if (toInt(iniValue(settings, prefix + kEnable).toString()) == 0)
        return false;

    const QStringList x = listValue(settings, prefix, kPosX, 4);
    const QStringList y = listValue(settings, prefix, kPosY, 4);
    const QStringList heights = listValue(settings, prefix, kHeight, 4);
    const QStringList widths = listValue(settings, prefix, kWidth, 4);
    const QStringList open = listValue(settings, prefix, kOpen, 4);
    const QStringList layers = listValue(settings, prefix, kLayer, 4);
    const QStringList lights = listValue(settings, prefix, kLight, 4);
    const QStringList sources = listValue(settings, prefix, kSource, 4);
    const QStringList solid = listValue(settings, prefix, kSolid, 4);
    QStringList colours[4];
    bool whole = !x.isEmpty() && !y.isEmpty() && !heights.isEmpty() && !widths.isEmpty() && !open.isEmpty()
        && !layers.isEmpty() && !lights.isEmpty() && !sources.isEmpty() && !solid.isEmpty();
    for (int k = 0; k < 4; ++k) {
        colours[k] = listValue(settings, prefix, colourKey(k), 3);
        whole = whole && !colours[k].isEmpty();
    }
    if (!whole)
        return false;

    PresetSnapshot s;
    for (int i = 0; i < 4; ++i) {
        s.x[i] = toInt(x.at(i));
        s.y[i] = toInt(y.at(i));
        s.heights[i] = toDouble(heights.at(i));
        s.widths[i] = toDouble(widths.at(i));
        s.open[i] = toInt(open.at(i)) != 0;
        s.layer[i] = toInt(layers.at(i));
        s.luminance[i] = toInt(lights.at(i));
        s.source[i] = toInt(sources.at(i));
        s.solid[i] = toInt(solid.at(i)) != 0;
        for (int c = 0; c < 3; ++c)
            s.colour[i][c] = toInt(colours[i].at(c));
    }
    s.rows = toInt(iniValue(settings, prefix + kRows).toString());
    s.columns = toInt(iniValue(settings, prefix + kColumns).toString());
    s.widthDivisor = toDouble(iniValue(settings, prefix + kDivisorWidth).toString());
    s.heightDivisor = toDouble(iniValue(settings, prefix + kDivisorHeight).toString());
    if (!isUsable(s))
        return false;
    *snapshot = s;
    return true;
}

void disable(QSettings &settings, int presetNumber)
{
    setIniValue(settings, groupName(presetNumber) + QLatin1Char('/') + kEnable, false);
    settings.sync();
}

bool isUsable(const PresetSnapshot &snapshot)
{
    return snapshot.widthDivisor > 0 && snapshot.heightDivisor > 0 && std::isfinite(snapshot.widthDivisor)
        && std::isfinite(snapshot.heightDivisor)
        && sharedDivisorTable().contains(layoutName(snapshot.rows, snapshot.columns));
}

QVector<int> windowsFrontToBack(const PresetSnapshot &snapshot)
{
    QVector<int> order = {0, 1, 2, 3};
    std::stable_sort(order.begin(), order.end(),
                     [&snapshot](int a, int b) { return snapshot.layer[a] < snapshot.layer[b]; });
    return order;
}

QVector<PreviewWindow> previewWindows(const PresetSnapshot &s)
{
    QVector<PreviewWindow> windows;
    if (!isUsable(s))
        return windows;
    const QVector<int> order = windowsFrontToBack(s);
    for (auto it = order.crbegin(); it != order.crend(); ++it) {
        const int i = *it;
        if (!s.open[i])
            continue;
        const double x = s.x[i] / s.widthDivisor;
        const double y = s.y[i] / s.heightDivisor;
        const double w = s.widths[i] / s.widthDivisor;
        const double h = s.heights[i] / s.heightDivisor;
        PreviewWindow window;
        window.window = i;
        window.rect = QRect(truncated(x), truncated(y), truncated(w), truncated(h));
        window.pointSize = std::max(1, truncated(std::min(w, h) / 2));
        // Both offsets follow the width, so the number sits a little right of
        // and below the centre.
        window.baseline = QPoint(truncated(x + w / 2 - w / 8.66), truncated(y + h / 2 + w / 6.66));
        window.label = QString::number(s.source[i] + 1);
        windows.append(window);
    }
    return windows;
}

QRectF appliedPlace(const PresetSnapshot &s, int i, double divisorWidth, double divisorHeight, int coordDivisor)
{
    const double sx = divisorWidth / s.widthDivisor / std::max(1, coordDivisor);
    const double sy = divisorHeight / s.heightDivisor / std::max(1, coordDivisor);
    constexpr double limit = 1e6;
    return QRectF(bounded(s.x[i] * sx, -limit, limit), bounded(s.y[i] * sy, -limit, limit),
                  bounded(s.widths[i] * sx, 0, limit), bounded(s.heights[i] * sy, 0, limit));
}

QStringList replayCommands(const QVector<int> &windowOnLayer, const QVector<PresetWindowState> &windows)
{
    using namespace DeviceCommand;
    QStringList texts;
    texts << layerOrderCommand(windowOnLayer);
    for (int w = 0; w < windows.size(); ++w) {
        const PresetWindowState &s = windows.at(w);
        texts << geometryCommand(w, commandValue(s.x), commandValue(s.y), commandValue(s.width),
                                 commandValue(s.height))
              << windowCommand(w, Luminance, commandValue(s.luminance + 1024.0))
              << windowCommand(w, SolidRed, commandValue(s.red))
              << windowCommand(w, SolidGreen, commandValue(s.green))
              << windowCommand(w, SolidBlue, commandValue(s.blue))
              << windowCommand(w, Open, s.open ? 1 : 0)
              << windowCommand(w, InputSource, commandValue(s.source))
              << windowCommand(w, SolidFill, s.solid ? 1 : 0);
    }
    return texts;
}

} // namespace PresetFile
