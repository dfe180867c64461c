#include "resolutionratioscene.h"

#include <QPainter>
#include <utility>

#include "inputchannel.h"

namespace {

// Source shown by window i (0..3) in the start arrangement: windows 1..4
// show HDMI 2, 1, 4, 3.
constexpr int kStartSource[4] = {1, 0, 3, 2};

QPen framePen()
{
    return QPen(QBrush(Qt::black), 20, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

// Seams of a grid of rows x columns on a canvas of width x height.
QVector<QLine> seamLines(int rows, int columns, double width, double height)
{
    QVector<QLine> lines;
    const int bottom = static_cast<int>(height);
    const int right = static_cast<int>(width);
    for (int i = 1; i < columns; ++i) {
        const int x = static_cast<int>(i * width / columns);
        lines.append(QLine(x, 0, x, bottom));
    }
    for (int j = 1; j < rows; ++j) {
        const int y = static_cast<int>(j * height / rows);
        lines.append(QLine(0, y, right, y));
    }
    return lines;
}


// Windows 1..4 back to their start sources, one in each quarter of a canvas
// of width x height.
void placeAtStart(const QList<InputChannel *> &channels, double width, double height)
{
    for (int i = 0; i < channels.size() && i < 4; ++i) {
        channels[i]->mInputSourceIndex = kStartSource[i];
        channels[i]->mInputSourceID = kStartSource[i];
        channels[i]->setPos((i % 2) * width / 2, (i / 2) * height / 2);
    }
}
} // namespace

ResolutionRatioScene::ResolutionRatioScene(QRectF rect, QObject *parent)
    : QGraphicsScene(parent), mSceneRect(rect)
{
    // Four items only: no index to keep in step with resizing windows.
    setItemIndexMethod(NoIndex);
    createChannels();
    buildLayouts();
}

void ResolutionRatioScene::createChannels()
{
    setSceneRect(mSceneRect);
    mNotifyRightMenu = false;
    const double w = mSceneRect.width(), h = mSceneRect.height();
    for (int i = 0; i < 4; ++i) {
        auto *channel = new InputChannel(i + 1);
        mChannels.append(channel);
        channel->setRect(QRectF(0, 0, w / 2, h / 2));
        addItem(channel);
    }
    placeAtStart(mChannels, w, h);
}

void ResolutionRatioScene::resetChannels()
{
    const double w = mSceneRect.width(), h = mSceneRect.height();
    for (int i = 0; i < mChannels.size(); ++i) {
        InputChannel *channel = mChannels[i];
        channel->openChannel();
        mNotifyRightMenu = false;

        // Back to the record's defaults, except what the reset leaves alone:
        // the first-row mark and the device-wide flags the device reads keep
        // here (a wall rebuild during a read must not lose them).
        const InputSourceValues kept = *channel;
        static_cast<InputSourceValues &>(*channel) = InputSourceValues();
        channel->mFirstRowRotated = kept.mFirstRowRotated;
        channel->mModeFlag0 = kept.mModeFlag0;
        channel->mModeFlag1 = kept.mModeFlag1;
        channel->mModeFlag2 = kept.mModeFlag2;
        channel->mGlobalFlag = kept.mGlobalFlag;
        channel->mSysAudioOutput1 = kept.mSysAudioOutput1;
        channel->mSysAudioAllOutputs = kept.mSysAudioAllOutputs;
        channel->mSysVideoGen = kept.mSysVideoGen;

        channel->mChannelID = i + 1;
        channel->mLayer = i + 1;
        channel->setZValue(5 - (i + 1));
        channel->mOpen = true;
        channel->mCropVStart = 0;
        channel->mCropHStart = 0;
        channel->mCropVEnd = WallGeometry::DeviceHeight;
        channel->mCropHEnd = WallGeometry::DeviceWidth;
        channel->setRect(QRectF(0, 0, w / 2, h / 2));
    }
    placeAtStart(mChannels, w, h);
    update();
}

void ResolutionRatioScene::buildLayouts()
{
    const double w = sceneRect().width(), h = sceneRect().height();
    mLayoutTable.clear();
    mLayoutTable.insert(QStringLiteral("1x1"), {QLine(0, 0, 0, 0)});
    auto add = [&](int rows, int columns) {
        mLayoutTable.insert(QStringLiteral("%1x%2").arg(rows).arg(columns),
                            seamLines(rows, columns, w, h));
    };
    // At most 18 screens: one row or column up to 18, two up to 9, three up
    // to 6, and 4x4.
    for (int n = 2; n <= 18; ++n) {
        add(1, n);
        add(n, 1);
    }
    for (int n = 2; n <= 9; ++n) {
        add(2, n);
        add(n, 2);
    }
    for (int n = 3; n <= 6; ++n) {
        add(3, n);
        add(n, 3);
    }
    add(4, 4);
    setLayout(QStringLiteral("1x1"));
}

void ResolutionRatioScene::setLayout(const QString &name)
{
    mLayoutName = name;
    mLayoutLines = mLayoutTable.value(name);
    update();
}

QString ResolutionRatioScene::layoutName() const
{
    return mLayoutName;
}

void ResolutionRatioScene::setLayer(int index, int op)
{
    if (index < 0 || index >= mChannels.size())
        return;

    QMap<int, int> byLayer;   // layer -> window index; a later window wins
    for (int i = 0; i < mChannels.size(); ++i)
        byLayer.insert(mChannels[i]->mLayer, i);
    const int k = byLayer.key(index, 0);
    InputChannel *target = mChannels[index];

    auto setLayerOf = [this](int window, int layer) {
        mChannels[window]->mLayer = layer;
        mChannels[window]->setZValue(5 - layer);
    };
    // Swaps with the neighbour in the order; false when there is none.
    auto swapWith = [&](QMap<int, int>::const_iterator neighbour) {
        const int other = neighbour.value();
        const int layer = target->mLayer;
        setLayerOf(index, mChannels[other]->mLayer);
        setLayerOf(other, layer);
    };

    switch (op) {
    case LayerToTop:
        if (k == 1)
            return;
        for (auto it = byLayer.cbegin(); it != byLayer.cend(); ++it) {
            setLayerOf(it.value(), mChannels[it.value()]->mLayer + 1);
            if (it.value() == index)
                break;
        }
        setLayerOf(index, 1);
        break;
    case LayerUp: {
        if (k == 1)
            return;
        auto it = byLayer.constFind(target->mLayer);
        if (k == 0)
            it = byLayer.lowerBound(target->mLayer);
        if (it == byLayer.cbegin())
            return;   // nothing in front of it
        swapWith(std::prev(it));
        break;
    }
    case LayerDown: {
        if (k == 4)
            return;
        auto it = byLayer.upperBound(target->mLayer);
        if (it == byLayer.cend())
            return;   // nothing behind it
        swapWith(it);
        break;
    }
    case LayerToBottom:
        if (k == 4)
            return;
        for (auto it = byLayer.cend(); it != byLayer.cbegin();) {
            --it;
            setLayerOf(it.value(), mChannels[it.value()]->mLayer - 1);
            if (it.value() == index)
                break;
        }
        setLayerOf(index, 4);
        break;
    default:
        break;
    }

    if (mNotifyRightMenu) {
        mNotifyRightMenu = false;
        emit changeRightMenuInfo();
    }
    emit changeGradationLevel();
}

void ResolutionRatioScene::drawBackground(QPainter *painter, const QRectF &)
{
    painter->setPen(framePen());
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(mSceneRect);
}

void ResolutionRatioScene::drawForeground(QPainter *painter, const QRectF &)
{
    painter->setPen(framePen());
    painter->setBrush(Qt::NoBrush);
    painter->drawLines(mLayoutLines);
    painter->drawRect(mSceneRect);
}
