// The wall view itself: construction, its services to the main window and its mouse and key events.

#include "userview.h"

#include "inputchannel.h"
#include "link/devicecommand.h"
#include "mainwindow.h"
#include "resolutionratioscene.h"
#include "transfercontroller.h"
#include "userview_p.h"
#include "wallgeometry.h"

#include <QAction>
#include <QCursor>
#include <QKeyEvent>
#include <QMap>
#include <QMessageBox>
#include <QMouseEvent>
#include <QRubberBand>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>

namespace {

// 1 while a left-button pan runs in zoom mode.
int sPanning = 0;

} // namespace

using namespace UserViewPrivate;

// ----------------------------------------------------------- construction --

UserView::UserView(QWidget *parent) : QGraphicsView(parent)
{
    init();

    setContextMenuPolicy(Qt::CustomContextMenu);
    createOpenWindowMenu();
    createContextMenu();
    connect(this, &QWidget::customContextMenuRequested, this, &UserView::showContextMenu);

    mKeyTimer = new QTimer(this);
    connect(mKeyTimer, &QTimer::timeout, this, [this] {
        mKeyBusy = false;
        mKeyTimer->stop();
    });

    // The box sees this beat through the pump: it must not drift.
    mSendTickTimer = new QTimer(this);
    mSendTickTimer->setTimerType(Qt::PreciseTimer);
    connect(mSendTickTimer, &QTimer::timeout, this, [this] { mMaySend = true; }, Qt::DirectConnection);
    mSendTickTimer->start(100);

    mInputTimer = new QTimer(this);
    connect(mInputTimer, &QTimer::timeout, this, [] { g_inputAllowed = true; }, Qt::DirectConnection);
    mInputTimer->start(200);
}

UserView::~UserView()
{
    // Join the ticker first: its queued signals must not reach a half-destroyed view.
    delete mTransferController;
    mTransferController = nullptr;
    // A view does not own the scenes it shows; these four are this view's alone.
    setScene(nullptr);
    qDeleteAll(mScenes);
    mScenes.clear();
}

void UserView::init()
{
    using namespace WallGeometry;
    static const QRectF kSceneRects[4] = {
        QRectF(0, 0, DeviceWidth, DeviceHeight), QRectF(0, 0, DeviceWidth, ScreenHeight),
        QRectF(0, 0, ScreenWidth, DeviceHeight), QRectF(0, 0, ScreenWidth, DeviceHeight)};
    for (const QRectF &rect : kSceneRects)
        mScenes.append(new ResolutionRatioScene(rect, nullptr));
    setScene(mScenes.at(mCurrentSceneIndex));

    mXYPosTimer = new QTimer(this);
    connect(mXYPosTimer, &QTimer::timeout, this, [this] {
        mXYPosBusy = false;
        mXYPosTimer->stop();
    });
    const QList<InputChannel *> &channels = mScenes.at(mCurrentSceneIndex)->mChannels;
    // Kept on purpose though no window emits sendXYPos: onSendXYPos never runs.
    for (int i = 0; i < channels.size(); ++i)
        connect(channels.at(i), &InputChannel::sendXYPos, this,
                [this, i](int mode) { onSendXYPos(i, mode); });

    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setDragMode(QGraphicsView::RubberBandDrag);
    setContextMenuPolicy(Qt::CustomContextMenu);

    // 0.2 rather than the scale of g_zoomStep (40), on purpose: the wall first
    // shows at this scale until the first zoom.
    mScaleFactor = 0.2f;
    scale(mScaleFactor, mScaleFactor);
    mCurrentChannelIndex = -1;

    mTransferController = new TransferController(this);
    mTransferController->startWork();
    for (ResolutionRatioScene *scene : qAsConst(mScenes))
        for (InputChannel *channel : qAsConst(scene->mChannels))
            connect(channel, &InputChannel::editStarted, this, [this, channel] { onEditStarted(channel); });

    installEventFilter(this);

    // Only stepPosition itself starts this timer, so it never fires; kept on purpose.
    mStepTimer = new QTimer(this);
    connect(mStepTimer, &QTimer::timeout, this, &UserView::stepPosition);
}

// ------------------------------------------------------------- services --

void UserView::setMainWindow(MainWindow *mainWindow) { mMainWindow = mainWindow; }

void UserView::setCursorMode(int mode)
{
    if (mode == 1)
        viewport()->setCursor(Qt::ArrowCursor);
    else if (mode == 0)
        viewport()->setCursor(Qt::PointingHandCursor);
    else
        return;
    viewport()->update();
}

ResolutionRatioScene *UserView::currentScene() const
{
    return mScenes.value(mCurrentSceneIndex, nullptr);
}

InputChannel *UserView::currentChannel() const
{
    ResolutionRatioScene *scene = currentScene();
    if (!scene || !checkedIndex(mCurrentChannelIndex))
        return nullptr;
    return scene->mChannels.value(mCurrentChannelIndex, nullptr);
}

bool UserView::checkedIndex(int index) const
{
    return static_cast<unsigned>(index) <= 3u;
}

bool UserView::channelAt(QPoint viewPos)
{
    const QPointF p = mapToScene(viewPos);
    QMap<int, int> byLayer;
    const QList<InputChannel *> &channels = currentScene()->mChannels;
    for (int i = 0; i < channels.size(); ++i) {
        const InputChannel *channel = channels.at(i);
        const QRectF area(channel->scenePos(), QSizeF(channel->mRect.width(), channel->mRect.height()));
        if (channel->mOpen && area.contains(p))
            byLayer.insert(channel->mLayer, i);
    }
    if (byLayer.isEmpty()) {
        mCurrentChannelIndex = -1;
        return false;
    }
    mCurrentChannelIndex = byLayer.first();
    setFocusPolicy(Qt::StrongFocus);
    return true;
}

void UserView::openWindow(int index)
{
    if (!checkedIndex(index))
        return;
    currentScene()->mChannels.at(index)->openChannel();
    mOpenWindowActions.at(index)->setVisible(false);
    sendCommand(DeviceCommand::windowCommand(index, DeviceCommand::Open, 1));
    emit changeRightMenuInfo();
}

void UserView::closeWindow(int index)
{
    if (!checkedIndex(index))
        return;
    currentScene()->mChannels.at(index)->closeChannel();
    mOpenWindowActions.at(index)->setVisible(true);
    sendCommand(DeviceCommand::windowCommand(index, DeviceCommand::Open, 0));
    emit changeRightMenuInfo();
}

// ---------------------------------------------------------------- events --

bool UserView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Tab && mCurrentChannelIndex != -1) {
        const int cur = mCurrentChannelIndex;
        const int next = (cur >= 0 && cur < 3) ? cur + 1 : 0;
        mCurrentChannelIndex = next;
        const QList<InputChannel *> &channels = currentScene()->mChannels;
        for (int i = 0; i < channels.size(); ++i)
            channels.at(i)->setSelected(i == next);
        emit changeRightMenuInfoWithIndex(next);
        return true;
    }
    return QGraphicsView::eventFilter(watched, event);
}

void UserView::mousePressEvent(QMouseEvent *event)
{
    const QPoint p = event->localPos().toPoint();
    if (g_viewMode == 0) {
        if (event->button() == Qt::RightButton) {
            mRubberBandOrigin = p;
            delete mRubberBand;
            mRubberBand = new QRubberBand(QRubberBand::Rectangle, this);
            mRubberBand->setGeometry(QRect(p, QSize()));
            mRubberBand->show();
        } else if (event->button() == Qt::LeftButton) {
            mPanOrigin = p;
            viewport()->setCursor(Qt::ClosedHandCursor);
            sPanning = 1;
        }
        return;
    }
    if (!linkUp()) {
        QMessageBox box(QMessageBox::Critical, tr("未连接"), tr("请先建立连接"), QMessageBox::Ok);
        box.setFixedSize(50, 28);
        box.exec();
        return;
    }
    channelAt(p);
    QGraphicsView::mousePressEvent(event);
}

void UserView::onEditStarted(InputChannel *channel)
{
    const int index = currentScene()->mChannels.indexOf(channel);
    if (index < 0)
        return;
    // A window that starts an edit and has never been sent counts as known
    // to the box where it stands now.
    if (!mLastGeometry.contains(channel))
        mLastGeometry.insert(channel, deviceGeometryText(channel, index));
    mTransferController->setTicking(true);
}

void UserView::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = event->localPos().toPoint();
    if (g_viewMode == 0 && sPanning == 1) {
        const QPoint d = p - mPanOrigin;
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - d.x());
        verticalScrollBar()->setValue(verticalScrollBar()->value() - d.y());
        mPanOrigin = p;
        viewport()->setCursor(Qt::ClosedHandCursor);
        return;
    }
    if (g_viewMode == 0 && mRubberBand) {
        mRubberBand->setGeometry(QRect(mRubberBandOrigin, p).normalized());
        return;
    }
    QGraphicsView::mouseMoveEvent(event);
}

void UserView::mouseReleaseEvent(QMouseEvent *event)
{
    if (g_viewMode == 0 && mRubberBand) {
        zoomToRubberBand();
        delete mRubberBand;
        mRubberBand = nullptr;
        return;
    }
    if (g_viewMode == 0 && event->button() == Qt::LeftButton) {
        sPanning = 0;
        viewport()->setCursor(Qt::PointingHandCursor);
        return;
    }
    // The pacing may have swallowed the last movement: note who was being
    // edited, and queue its final geometry once the release has ended the edit.
    QList<int> edited;
    const QList<InputChannel *> &channels = currentScene()->mChannels;
    for (int i = 0; i < channels.size(); ++i)
        if (isDragMode(channels.at(i)->mEditMode))
            edited.append(i);
    QGraphicsView::mouseReleaseEvent(event);
    if (!linkUp())
        return;
    for (int i : qAsConst(edited)) {
        InputChannel *channel = channels.at(i);
        const QString text = deviceGeometryText(channel, i);
        if (mLastGeometry.value(channel) != text)
            sendGeometryText(channel, text);
    }
}

void UserView::zoomToRubberBand()
{
    const QRect g = mRubberBand->geometry();
    const QPointF centre = mapToScene(g.x() + g.width() / 2, g.y() + g.height() / 2);
    const QPointF tl = mapToScene(g.x(), g.y());
    const QPointF br = mapToScene(g.x() + g.width(), g.y() + g.height());
    // A fixed view point on purpose, not the viewport's size: the zoom step a band
    // gives, and which bands are refused as too large, are measured against it.
    const QPointF ref = mapToScene(846, 446);
    const int dx = WallGeometry::truncated(br.x() - tl.x());
    const int dy = WallGeometry::truncated(br.y() - tl.y());
    if (dx < 50 || dy < 50)
        return;
    const float fx = static_cast<float>(dx / ref.x());
    const float fy = static_cast<float>(dy / ref.y());
    if (fx > 1 || fx < 0 || fy > 1 || fy < 0)
        return;
    const float f = std::max(fx, fy);
    g_zoomStep = WallGeometry::truncated(100 - 100 * double(f));
    applyZoomStep();
    // Twice on purpose: after the rescale the first call can leave the view off the
    // band's centre while the scroll bars settle; the second lands on it.
    centerOn(centre);
    centerOn(centre);
}

void UserView::applyZoomStep()
{
    const float s = MainWindow::zoomScale(g_zoomStep);
    resetTransform();
    scale(s, s);
}

void UserView::wheelEvent(QWheelEvent *event)
{
    if (event->modifiers() != Qt::ControlModifier)
        return;
    const int delta = event->angleDelta().y();
    if (delta == 0)
        return;
    const qreal m11 = transform().m11();
    if (delta > 0) {
        if (m11 > 1.5)
            return;
        ++g_zoomStep;
    } else {
        if (m11 < 0.02)
            return;
        --g_zoomStep;
    }
    applyZoomStep();
}

void UserView::keyPressEvent(QKeyEvent *event)
{
    g_inputAllowed = false;
    if (!linkUp()) {
        mInputTimer->start(500);
        return;
    }
    if (!checkedIndex(mCurrentChannelIndex) || mKeyBusy) {
        QGraphicsView::keyPressEvent(event);
    } else {
        // Arrow keys may carry the keypad flag; it is no modifier the user chose.
        const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
        const int step = mods == Qt::ControlModifier ? 100 : mods == Qt::ShiftModifier ? 1 : 10;
        handleKey(event->key(), step);
    }
    emit changeRightMenuInfo();
    mInputTimer->start(500);
}

void UserView::mouseDoubleClickEvent(QMouseEvent *event)
{
    InputChannel *channel = currentChannel();
    if (!linkUp() || g_viewMode == 0 || !channel)
        return;
    ResolutionRatioScene *scene = currentScene();
    int rows = 0, columns = 0;
    splitLayout(scene->layoutName(), rows, columns);
    if (rows <= 0 || columns <= 0)
        return;
    channel->mEditMode = 7;   // not a drag: the ticker leaves it alone

    const qreal W = scene->sceneRect().width();
    const qreal H = scene->sceneRect().height();
    const WallGeometry::Factors f = cappedFactors(scene);
    const int cellW = WallGeometry::truncated(W / columns);
    const int cellH = WallGeometry::truncated(H / rows);

    auto snap = [](qreal start, qreal length, int cell, int count, int &first, int &last) {
        last = count;
        first = 0;
        for (int i = count - 1; i >= 0; --i) {
            const int edge = i * cell;
            if (start + length <= edge)
                last = i;
            if (edge <= start) {
                first = i;
                break;
            }
        }
    };
    int left, right, top, bottom;
    snap(channel->x(), channel->mRect.width(), cellW, columns, left, right);
    snap(channel->y(), channel->mRect.height(), cellH, rows, top, bottom);

    channel->setPos(left * cellW, top * cellH);
    channel->setRect(QRectF(channel->mRect.x(), channel->mRect.y(),
                            right * cellW - left * cellW, bottom * cellH - top * cellH));
    channel->update();
    viewport()->update();

    using WallGeometry::deviceFromWholeCanvas;
    sendGeometry(channel, mCurrentChannelIndex, deviceFromWholeCanvas(channel->x(), f.x),
                 deviceFromWholeCanvas(channel->y(), f.y), deviceFromWholeCanvas(channel->mRect.width(), f.x),
                 deviceFromWholeCanvas(channel->mRect.height(), f.y));
    QGraphicsView::mouseDoubleClickEvent(event);
}
