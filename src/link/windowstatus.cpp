#include "windowstatus.h"

#include "Graphics/wallgeometry.h"

#include <QtGlobal>

namespace {

constexpr int ResolutionCodes = 39;  // codes the box may name
constexpr int LowResolutionEntry = 6;   // 720P stands in for inputs that are too small
const QSize NoSignalSize(WallGeometry::DeviceWidth, WallGeometry::DeviceHeight);

int rotationFromCode(int code, bool halfTurn, StateRoad road)
{
    if (code == 0)
        return halfTurn ? 180 : 0;   // both mirrors at once is how the box reports a half turn
    if (road == StateRoad::Tcp)
        return code == 1 ? 90 : code == 2 ? 270 : -1;
    return code == 1 ? 270 : code == 3 ? 90 : -1;
}

} // namespace

WindowStatus decodeWindowState(const QVector<int> &values, StateRoad road)
{
    namespace I = StatusIndex;
    const auto v = [&values](int index) { return values.value(index); };
    const auto flag = [&v](int index) { return v(index) != 0; };
    const auto colour = [&v](int index) { return qBound(0, v(index), WindowValue::MaxColour); };

    WindowStatus s;
    s.channel = v(I::Channel);
    s.x = v(I::PosX);
    s.y = v(I::PosY);
    s.width = v(I::Width);
    s.height = v(I::Height);
    s.cropHStart = v(I::CropHStart);
    s.cropVStart = v(I::CropVStart);
    s.cropHEnd = v(I::CropHEnd);
    s.cropVEnd = v(I::CropVEnd);
    s.contrast = v(I::Contrast);
    s.luminance = v(I::Luminance) - 1024;
    s.hSharpness = v(I::HSharpness) - 10;
    s.vSharpness = v(I::VSharpness) - 10;
    s.saturation = v(I::Saturation);
    s.hue = v(I::Hue) - 180;
    s.colorTemperature = v(I::ColorTemperature);
    s.deGamma = v(I::DeGamma);
    s.panelGamma = v(I::PanelGamma);
    s.hMirror = flag(I::HMirror);
    s.vMirror = flag(I::VMirror);
    s.hFiltration = v(I::HFiltration);
    s.vFiltration = v(I::VFiltration);
    s.shadow = v(I::Shadow);
    s.block = v(I::Block);
    s.noise = v(I::Noise);
    s.hair = v(I::Hair);
    s.deinterlace = flag(I::Deinterlace);
    s.pullDown22 = flag(I::PullDown22);
    s.pullDown22Timer = v(I::PullDown22Timer);
    s.pullDown23 = flag(I::PullDown23);
    s.pullDown23Timer = v(I::PullDown23Timer);
    s.sensitivity = v(I::Sensitivity);
    s.diagonal = v(I::Diagonal);
    s.psf24 = flag(I::Psf24);
    s.blueCorrection = v(I::BlueCorrection);
    s.greenCorrection = v(I::GreenCorrection);
    s.skinCorrection = v(I::SkinCorrection);
    s.red = colour(I::Red);
    s.green = colour(I::Green);
    s.blue = colour(I::Blue);
    s.solidColor = flag(I::SolidColor);
    s.open = road == StateRoad::Tcp ? v(I::Open) == 1 : flag(I::Open);
    s.freeze = flag(I::Freeze);
    const int source = v(I::Source);
    s.reportedSource = source >= 0 && source <= WindowValue::MaxSource ? source : -1;
    s.source = s.solidColor ? WindowValue::MaxSource : s.reportedSource;
    s.audio = flag(I::Audio);
    s.rotation = rotationFromCode(v(I::RotationCode), v(I::HMirror) == 1 && v(I::VMirror) == 1, road);
    s.resolutionCode = v(I::ResolutionCode);
    return s;
}

QVector<int> stateValuesFromRecords(const QMap<int, QString> &records)
{
    QVector<int> values(StatusIndex::Count);
    for (auto it = records.cbegin(); it != records.cend(); ++it) {
        if (it.key() >= 0 && it.key() < values.size())
            values[it.key()] = it.value().toInt(nullptr, 16);
    }
    return values;
}

InputResolution inputResolution(int code, const QVector<QSize> &table, StateRoad road)
{
    InputResolution r;
    r.size = NoSignalSize;
    if (road == StateRoad::Udp && code < LowResolutionEntry) {
        r.kind = InputResolutionClass::TooLow;
        if (table.size() > LowResolutionEntry)
            r.size = table.at(LowResolutionEntry);
    } else if (code >= 0 && code < ResolutionCodes && code < table.size()) {
        r.kind = InputResolutionClass::Listed;
        r.size = table.at(code);
    }
    return r;
}
