#include "userview.h"

#include "globals.h"
#include "inputchannel.h"
#include "link/devicecommand.h"
#include "mainwindow.h"
#include "maincontent/mymessagebox.h"
#include "resolutionratioscene.h"
#include "setitemattribute.h"
#include "transfercontroller.h"
#include "wallgeometry.h"

#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QDebug>
#include <QKeyEvent>
#include <QMap>
#include <QMenu>
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

// Row texts of the wall-view menus; they follow g_languageIndex without the
// translator, one column per language (Chinese, English, Russian, Spanish).
const char *const kMenuRows[26][4] = {
    {"打开窗口", "Open Window", "Открой окно", "Ventana abierta"},
    {"输入源", "Input Source", "Источник ввода", "Fuente de entrada"},
    {"设置层级", "Layers", "Установить уровень", "Capas"},
    {"弃用输入源", "Discard Input source", "Код сброса", "Descartar Fuente de entrada"},
    {"关闭窗口", "Close Window", "Закрыть окно", "Cerrar ventana"},
    {"属性", "Property", "сво́йство", "Propiedad"},
    {"选择输入源", "Select the input source", "Выберите источник ввода", "Selecciona la fuente de entrada"},
    {"置于顶层", "Send to Top", "поместить наверх", "Enviar arriba"},
    {"置于上一层(Home)", "Send to upper layer (Home)", "Слой вверх(Home)", "Enviar a la capa superior (Home)"},
    {"置于下一层(End)", "Send to next layer (End)", "Слой вниз(End)", "Enviar a la capa siguiente (End)"},
    {"置于底层", "Send to Back", "поместить вниз", "Enviar al reverso"},
    {"音频随出", "Audio Out", "Аудио выход", "Salida de audio"},
    {"开启全部输出口", "Open all outputs", "Включить все выходы", "Abrir todas las salidas"},
    {"仅开启输出1口", "Open output 1 port only", "Включить только выходной порт 1", "Salida abierta sólo 1 puerto"},
    {"关闭音频随出", "Disable audio out", "Отключить аудио", "Desactivar la salida de audio"},
    {"VideoGen 模式", "Video-Gen", "Режим видер GEN", "Video-Gen"},
    {"打开", "ON", "открыть", "Encendido"},
    {"关闭", "OFF", "закрытие", "Apagado"},
    {"旋转(R)", "Rotation (R)", "повернуть(R)", "Rotación (R)"},
    {"0°", "0°", "0°", "0°"},
    {"90°", "90°", "90°", "90°"},
    {"180°", "180°", "180°", "180°"},
    {"270°", "270°", "270°", "270°"},
    {"自适应填充", "Adaptive filling", "Aдаптивное заполнение", "Relleno adaptable"},
    {"首行180°旋转", "The first row rotates 180°", "Первый ряд поворачивается на 180°", "La primera fila gira 180º"},
    {"输出1200", "1", "1", "1"},
};

const int kMenuRowCount = 100;

// Splits a layout name such as "2x3" into its row and column counts.
void splitLayout(const QString &name, int &rows, int &columns)
{
    const QStringList parts = name.split(QLatin1Char('x'));
    rows = parts.value(0).toInt();
    columns = parts.value(1).toInt();
}

// Device pixels per canvas pixel of the scene, with the seams of its layout
// or only capped at the device space.
WallGeometry::Factors seamFactors(const ResolutionRatioScene *scene)
{
    int rows = 0, columns = 0;
    splitLayout(scene->layoutName(), rows, columns);
    const QRectF rect = scene->sceneRect();
    return WallGeometry::seamFactors(rect.width(), rect.height(), rows, columns);
}

WallGeometry::Factors cappedFactors(const ResolutionRatioScene *scene)
{
    const QRectF rect = scene->sceneRect();
    return WallGeometry::cappedFactors(rect.width(), rect.height());
}

bool linkUp() { return g_networkConnected || g_serialConnected || g_offlineMode; }

bool isDragMode(int mode) { return mode >= 1 && mode <= 6; }

} // namespace

// ---------------------------------------------------------------- tables --

const QString &UserView::menuText(int row, int language)
{
    static const QVector<QVector<QString>> table = [] {
        QVector<QVector<QString>> t(kMenuRowCount, QVector<QString>(4));
        for (int r = 0; r < 26; ++r)
            for (int c = 0; c < 4; ++c)
                t[r][c] = QString::fromUtf8(kMenuRows[r][c]);
        return t;
    }();
    static const QString empty;
    if (row < 0 || row >= kMenuRowCount)
        return empty;
    return table[row][(language >= 0 && language < 4) ? language : 0];
}

QString UserView::layerOrderText(const ResolutionRatioScene *scene)
{
    QVector<int> order;
    for (int i = 0; i < scene->mChannels.size(); ++i)
        order.append(i);
    std::stable_sort(order.begin(), order.end(), [scene](int a, int b) {
        return scene->mChannels.at(a)->mLayer < scene->mChannels.at(b)->mLayer;
    });
    return DeviceCommand::layerOrderCommand(order);
}

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
    for (int i = 0; i < channels.size(); ++i)
        connect(channels.at(i), &InputChannel::sendXYPos, this,
                [this, i](int mode) { onSendXYPos(i, mode); });

    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setDragMode(QGraphicsView::RubberBandDrag);
    setContextMenuPolicy(Qt::CustomContextMenu);

    mScaleFactor = 0.2f;
    scale(mScaleFactor, mScaleFactor);
    mCurrentChannelIndex = -1;

    mTransferController = new TransferController(this);
    mTransferController->startWork();

    installEventFilter(this);

    mStepTimer = new QTimer(this);
    connect(mStepTimer, &QTimer::timeout, this, &UserView::stepPosition);
}

void UserView::createOpenWindowMenu()
{
    mOpenWindowMenu = new QMenu(this);
    for (int n = 1; n <= 4; ++n) {
        QAction *action = new QAction(menuText(0, languageColumn()) + QString::number(n), mOpenWindowMenu);
        mOpenWindowActions.append(action);
        mOpenWindowMenu->addAction(action);
        action->setVisible(false);   // every window starts open
        connect(action, &QAction::triggered, this, [this, n] { onOpenWindowAction(n - 1); });
    }
}

void UserView::createContextMenu()
{
    const int lang = languageColumn();
    mContextMenu = new QMenu(this);
    mContextMenu->setStyleSheet(QStringLiteral("font-family: 'Microsoft YaHei'; font-size: 9pt;"));

    auto submenu = [this, lang](int row) {
        QMenu *menu = new QMenu(menuText(row, lang), mContextMenu);
        mContextMenu->addMenu(menu);
        return menu;
    };
    mAudioMenu = submenu(11);
    mFirstRowMenu = submenu(24);
    mContextMenu->addSeparator();
    mInputSourceMenu = submenu(1);
    mLayerMenu = submenu(2);
    mVideoGenMenu = submenu(15);
    mRotationMenu = submenu(18);
    mAdaptiveFillMenu = submenu(23);
    mContextMenu->addSeparator();

    auto checkable = [lang](int row, QMenu *menu, QList<QAction *> &list) {
        QAction *action = new QAction(menuText(row, lang), menu);
        action->setCheckable(true);
        action->setChecked(false);
        menu->addAction(action);
        list.append(action);
        return action;
    };

    for (int n = 0; n < 4; ++n) {
        QAction *rotation = checkable(19 + n, mRotationMenu, mRotationActions);
        connect(rotation, &QAction::triggered, this, [this, n] { onRotationAction(n); });

        if (n < 3) {
            QAction *window = new QAction(menuText(3 + n, lang), mContextMenu);
            mContextMenu->addAction(window);
            mWindowActions.append(window);
            QAction *audio = checkable(12 + n, mAudioMenu, mAudioActions);
            connect(audio, &QAction::triggered, this, [this, n] { onAudioAction(n); });
        }
        if (n < 2) {
            QAction *videoGen = checkable(16 + n, mVideoGenMenu, mVideoGenActions);
            connect(videoGen, &QAction::triggered, this, [this, n] { onVideoGenAction(n); });
            QAction *fill = checkable(16 + n, mAdaptiveFillMenu, mAdaptiveFillActions);
            connect(fill, &QAction::triggered, this, [this, n] { onAdaptiveFillAction(n); });
            QAction *firstRow = checkable(16 + n, mFirstRowMenu, mFirstRowActions);
            connect(firstRow, &QAction::triggered, this, [this, n] { onFirstRowAction(n); });
        }

        QAction *source = new QAction(menuText(6, 0) + QString::number(n + 1), mInputSourceMenu);
        mInputSourceMenu->addAction(source);
        mInputSourceActions.append(source);
        connect(source, &QAction::triggered, this, [this, n] { onInputSourceAction(n); });

        QAction *layer = new QAction(menuText(7 + n, lang), mLayerMenu);
        mLayerMenu->addAction(layer);
        mLayerActions.append(layer);
        connect(layer, &QAction::triggered, this, [this, n] { onLayerAction(n); });
    }

    connect(mWindowActions.at(0), &QAction::triggered, this, &UserView::onDiscardInputSource);
    connect(mWindowActions.at(1), &QAction::triggered, this, &UserView::onCloseWindowAction);
    connect(mWindowActions.at(2), &QAction::triggered, this, &UserView::onPropertyAction);

    mAudioActions.at(0)->setChecked(true);
    mVideoGenActions.at(0)->setChecked(true);
    mFirstRowActions.at(1)->setChecked(true);
    mWindowActions.at(0)->setVisible(false);
    mWindowActions.at(2)->setVisible(false);
}

void UserView::retranslateMenus()
{
    const int lang = languageColumn();
    mInputSourceMenu->setTitle(menuText(1, lang));
    mLayerMenu->setTitle(menuText(2, lang));
    mAudioMenu->setTitle(menuText(11, lang));
    mVideoGenMenu->setTitle(menuText(15, lang));
    mRotationMenu->setTitle(menuText(18, lang));
    mAdaptiveFillMenu->setTitle(menuText(23, lang));
    mFirstRowMenu->setTitle(menuText(24, lang));

    for (int n = 1; n <= 4; ++n) {
        const QString digit = QString::number(n);
        mOpenWindowActions.at(n - 1)->setText(menuText(0, lang) + digit);
        mInputSourceActions.at(n - 1)->setText(menuText(6, lang) + digit + tr("(数字键") + digit
                                               + QStringLiteral(")"));
        mLayerActions.at(n - 1)->setText(menuText(6 + n, lang));
    }
    for (int n = 0; n < 3; ++n) {
        mWindowActions.at(n)->setText(menuText(3 + n, lang));
        mAudioActions.at(n)->setText(menuText(12 + n, lang));
    }
    for (int n = 0; n < 2; ++n) {
        mVideoGenActions.at(n)->setText(menuText(16 + n, lang));
        mAdaptiveFillActions.at(n)->setText(menuText(16 + n, lang));
        mFirstRowActions.at(n)->setText(menuText(16 + n, lang));
    }
}

// ------------------------------------------------------------- services --

void UserView::setMainWindow(MainWindow *mainWindow) { mMainWindow = mainWindow; }

void UserView::sendCommand(const QString &hexText)
{
    if (mMainWindow)
        mMainWindow->sendCommand(hexText);
}

void UserView::setTickInterval(int ms)
{
    mSendTickTimer->stop();
    mSendTickTimer->start(ms);
}

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

// ----------------------------------------------------------- menu handlers --

QMenu *UserView::prepareContextMenu(QPoint pos)
{
    if (g_viewMode == 0)
        return nullptr;
    mMenuPos = pos;
    if (channelAt(pos)) {
        InputChannel *channel = currentChannel();
        int checked = 0;
        if (channel->mRotate0) {
            qDebug() << "0rot";
        } else if (channel->mRotate90) {
            checked = 1;
            qDebug() << "90rot";
        } else if (channel->mRotate180) {
            checked = 2;
            qDebug() << "180rot";
        } else if (channel->mRotate270) {
            checked = 3;
            qDebug() << "270rot";
        } else {
            qDebug() << "Nonerot";
        }
        for (int n = 0; n < mRotationActions.size(); ++n)
            mRotationActions.at(n)->setChecked(n == checked);
        mAdaptiveFillActions.at(0)->setChecked(channel->mAdaptiveFill);
        mAdaptiveFillActions.at(1)->setChecked(!channel->mAdaptiveFill);
        return mContextMenu;
    }
    for (QAction *action : qAsConst(mOpenWindowActions))
        if (action->isVisible())
            return mOpenWindowMenu;
    return nullptr;
}

void UserView::showContextMenu(QPoint pos)
{
    if (QMenu *menu = prepareContextMenu(pos))
        menu->exec(QCursor::pos());
}

void UserView::onOpenWindowAction(int index)
{
    sendCommand(DeviceCommand::windowCommand(index, DeviceCommand::Open, 1));
    openWindow(index);
}

void UserView::onDiscardInputSource()
{
    InputChannel *channel = currentChannel();
    if (!channel)
        return;
    channel->mInputSourceIndex = 4;
    channel->mInputSourceID = 4;
    channel->update();
    qDebug() << "弃用输入源" << mCurrentChannelIndex;
    sendCommand(DeviceCommand::windowCommand(mCurrentChannelIndex, DeviceCommand::InputSource, 4));
}

void UserView::onCloseWindowAction()
{
    if (!checkedIndex(mCurrentChannelIndex))
        return;
    sendCommand(DeviceCommand::windowCommand(mCurrentChannelIndex, DeviceCommand::Open, 0));
    closeWindow(mCurrentChannelIndex);
    mCurrentChannelIndex = -1;
}

void UserView::onPropertyAction()
{
    if (!checkedIndex(mCurrentChannelIndex))
        return;
    // The dialog deletes itself on OK or CANCEL; closed by its title bar it
    // stays a child of the view.
    mAttributeDialog = new SetItemAttribute(mCurrentChannelIndex, currentScene(), this);
    mAttributeDialog->exec();
}

void UserView::onInputSourceAction(int source)
{
    InputChannel *channel = currentChannel();
    if (!channel)
        return;
    if (channel->mSolidColor) {
        MyMessageBox::warning(this, tr("警告"), tr("纯色填充模式下禁止切换输入源"));
        return;
    }
    channel->mInputSourceIndex = source;
    channel->mInputSourceID = source;
    emit changeInputSourceInfo(mCurrentChannelIndex, source);
    channel->update();
    sendCommand(DeviceCommand::windowCommand(mCurrentChannelIndex, DeviceCommand::InputSource, source));
}

void UserView::onAudioAction(int n)
{
    static const char *const kCommands[3] = {DeviceCommand::AudioAllOutputs, DeviceCommand::AudioOutput1Only,
                                             DeviceCommand::AudioOff};
    for (InputChannel *channel : qAsConst(currentScene()->mChannels)) {
        channel->mAudioAllOutputs = n == 0;
        channel->mAudioOutput1Only = n == 1;
        channel->mAudioOff = n == 2;
    }
    for (int i = 0; i < mAudioActions.size(); ++i)
        mAudioActions.at(i)->setChecked(i == n);
    sendCommand(QLatin1String(kCommands[n]));
}

void UserView::onVideoGenAction(int n)
{
    for (InputChannel *channel : qAsConst(currentScene()->mChannels))
        channel->mVideoGen = n == 0;
    mVideoGenActions.at(0)->setChecked(n == 0);
    mVideoGenActions.at(1)->setChecked(n == 1);
    sendCommand(QLatin1String(n == 0 ? DeviceCommand::VideoGenOn : DeviceCommand::VideoGenOff));
}

void UserView::onAdaptiveFillAction(int n)
{
    InputChannel *channel = currentChannel();
    if (!channel)
        return;
    const bool on = n == 0;
    if (channel->mAdaptiveFill == on)
        return;
    channel->mAdaptiveFill = on;
    sendCommand(DeviceCommand::windowCommand(mCurrentChannelIndex, DeviceCommand::AdaptiveFill, on ? 1 : 0));
}

void UserView::onFirstRowAction(int n)
{
    auto setAll = [this](bool on) {
        for (InputChannel *channel : qAsConst(currentScene()->mChannels))
            channel->mFirstRowRotated = on;
        mFirstRowActions.at(0)->setChecked(on);
        mFirstRowActions.at(1)->setChecked(!on);
    };
    if (n == 1) {
        setAll(false);
        sendCommand(QLatin1String(DeviceCommand::FirstRowRotatedOff));
        return;
    }
    const QComboBox *rows = mMainWindow ? mMainWindow->findChild<QComboBox *>(QStringLiteral("rowCbx")) : nullptr;
    if (rows && rows->currentIndex() == 1) {
        setAll(true);
        sendCommand(QLatin1String(DeviceCommand::FirstRowRotatedOn));
        return;
    }
    static const char *const kTitles[3] = {"警告", "warning", "предупреждать"};
    static const char *const kTexts[3] = {
        "首行旋转只能在两行的情况下启用！",
        "First row rotation can only be enabled with two rows!",
        "Поворот первого ряда может быть включен только с двумя рядами!"};
    const int lang = languageColumn();
    if (lang < 3)
        MyMessageBox::warning(this, QString::fromUtf8(kTitles[lang]), QString::fromUtf8(kTexts[lang]));
    mFirstRowActions.at(0)->setChecked(false);
    mFirstRowActions.at(1)->setChecked(true);
}

void UserView::onRotationAction(int n)
{
    InputChannel *channel = currentChannel();
    if (!channel)
        return;
    const int cur = mCurrentChannelIndex;
    if (channel->mSolidColor) {
        MyMessageBox::warning(this, tr("警告"), tr("纯色填充模式下禁止旋转"));
        if (mMainWindow)
            mMainWindow->onWindowRotated(0);
        return;
    }
    const int target = n * 90;
    if (target == 180) {
        if (channel->mRotate180)
            return;
        sendCommand(DeviceCommand::windowCommand(cur, DeviceCommand::RotateReset, 0));
        channel->setRotationDegrees(180);
    } else {
        if (channel->mRotate180)
            sendCommand(DeviceCommand::windowCommand(cur, DeviceCommand::RotateReset, 0));
        channel->setRotationDegrees(target);
        if (target == 0)
            sendCommand(DeviceCommand::windowCommand(cur, DeviceCommand::Rotate90, 0));
        else if (target == 90)
            sendCommand(DeviceCommand::windowCommand(cur, DeviceCommand::Rotate90, 1));
        else
            sendCommand(DeviceCommand::windowCommand(cur, DeviceCommand::Rotate270, 1));
    }
    if (mMainWindow)
        mMainWindow->onWindowRotated(1);
}

void UserView::onLayerAction(int k)
{
    if (!checkedIndex(mCurrentChannelIndex))
        return;
    ResolutionRatioScene *scene = currentScene();
    scene->mNotifyRightMenu = true;
    scene->setLayer(mCurrentChannelIndex, k + 1);
    sendCommand(layerOrderText(scene));
}

// ------------------------------------------------------------ drag road --

QString UserView::deviceGeometryText(InputChannel *channel, int index) const
{
    using WallGeometry::deviceFromWholeCanvas;
    const WallGeometry::Factors f = seamFactors(currentScene());
    const QPointF pos = channel->pos();
    return DeviceCommand::geometryCommand(index, deviceFromWholeCanvas(pos.x(), f.x), deviceFromWholeCanvas(pos.y(), f.y),
                                          deviceFromWholeCanvas(channel->mRect.width(), f.x),
                                          deviceFromWholeCanvas(channel->mRect.height(), f.y));
}

void UserView::handleData()
{
    const ResolutionRatioScene *scene = currentScene();
    if (!scene)
        return;
    const QList<InputChannel *> &channels = scene->mChannels;
    int edited = 0;
    while (edited < channels.size() && !isDragMode(channels.at(edited)->mEditMode))
        ++edited;
    // The edit is over (however it ended): the ticker may sleep until the next.
    if (edited == channels.size()) {
        if (mTransferController)
            mTransferController->setTicking(false);
        return;
    }
    // At most one geometry per send tick: nothing to do until the tick allows it.
    if (!mMaySend || !linkUp())
        return;
    mMaySend = false;
    sendGeometryText(channels.at(edited), deviceGeometryText(channels.at(edited), edited));
}

void UserView::sendGeometryText(InputChannel *channel, const QString &text)
{
    mLastGeometry.insert(channel, text);
    sendCommand(text);
}

void UserView::sendGeometry(InputChannel *channel, int index, int x, int y, int w, int h)
{
    sendGeometryText(channel, DeviceCommand::geometryCommand(index, x, y, w, h));
}

int UserView::openWindowAt(QPoint globalPos)
{
    ResolutionRatioScene *scene = currentScene();
    int index = -1;
    for (int i = 0; i < scene->mChannels.size(); ++i) {
        if (!scene->mChannels.at(i)->mOpen) {
            index = i;
            break;
        }
    }
    if (index < 0) {
        qDebug() << "所有窗口都已打开，不能再继续创建窗口";
        return -1;
    }
    const QPointF s = mapToScene(viewport()->mapFromGlobal(globalPos));
    const qreal W = scene->sceneRect().width();
    const qreal H = scene->sceneRect().height();
    if (s.x() < 0 || s.y() < 0 || s.x() > W || s.y() > H) {
        qDebug() << "不是规定位置的开窗，阻止开窗";
        return -1;
    }
    qDebug() << "创建了窗口-" << index + 1;

    InputChannel *channel = scene->mChannels.at(index);
    sendCommand(DeviceCommand::windowCommand(index, DeviceCommand::Open, 1));
    openWindow(index);

    const qreal w = channel->mRect.width();
    const qreal h = channel->mRect.height();
    channel->setPos(s.x() - 0.5 * w, s.y() - 0.5 * h);

    using WallGeometry::deviceFromWholeCanvas;
    using WallGeometry::truncated;
    int x = truncated(s.x() - 0.5 * w);
    int y = truncated(s.y() - 0.5 * h);
    x = std::max(x, 0);
    y = std::max(y, 0);
    if (x + w > W)
        x = truncated(W - w);
    if (y + h > H)
        y = truncated(H - h);
    // Scaled like the drag road, so walls beyond the device space get device pixels.
    const WallGeometry::Factors f = seamFactors(scene);
    sendGeometry(channel, index, deviceFromWholeCanvas(x, f.x), deviceFromWholeCanvas(y, f.y),
                 deviceFromWholeCanvas(w, f.x), deviceFromWholeCanvas(h, f.y));
    return index;
}

// ----------------------------------------------------------------- keys --

void UserView::handleKey(int key, int step)
{
    if (!g_pressFinished || !checkedIndex(mCurrentChannelIndex))
        return;
    using WallGeometry::deviceFromCanvas;
    ResolutionRatioScene *scene = currentScene();
    const WallGeometry::Factors f = cappedFactors(scene);
    const int w = mCurrentChannelIndex;
    InputChannel *channel = scene->mChannels.at(w);

    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        channel->moveBy(key == Qt::Key_Left ? -step : step, 0);
        sendCommand(DeviceCommand::windowCommand(w, DeviceCommand::PosX, deviceFromCanvas(channel->x(), f.x)));
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        channel->moveBy(0, key == Qt::Key_Up ? -step : step);
        sendCommand(DeviceCommand::windowCommand(w, DeviceCommand::PosY, deviceFromCanvas(channel->y(), f.y)));
        break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        scaleChannel(key == Qt::Key_PageUp ? 1 : 0, step);
        sendGeometry(channel, w, deviceFromCanvas(channel->x(), f.x), deviceFromCanvas(channel->y(), f.y),
                     deviceFromCanvas(channel->mRect.width(), f.x), deviceFromCanvas(channel->mRect.height(), f.y));
        break;
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_T:
        scene->setLayer(w, key == Qt::Key_Home ? ResolutionRatioScene::LayerUp
                         : key == Qt::Key_End ? ResolutionRatioScene::LayerDown
                                              : ResolutionRatioScene::LayerToTop);
        sendCommand(layerOrderText(scene));
        break;
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
    case Qt::Key_4:
        if (!channel->mSolidColor) {
            const int source = key - Qt::Key_1;
            channel->mInputSourceIndex = source;
            sendCommand(DeviceCommand::windowCommand(w, DeviceCommand::InputSource, source));
        }
        break;
    case Qt::Key_R:
        if (!channel->mSolidColor)
            stepRotation(channel, w);
        break;
    default:
        break;
    }

    channel->update();
    mKeyBusy = true;
    mKeyTimer->start(40);
}

void UserView::stepRotation(InputChannel *channel, int index)
{
    const int from = channel->mRotation;
    if (from != 0 && from != 90 && from != 180 && from != 270)
        return;
    qDebug() << "Now Key_R = " << from;
    switch (from) {
    case 0:
        qDebug() << "90 rotate";
        sendCommand(DeviceCommand::windowCommand(index, DeviceCommand::Rotate90, 1));
        channel->setRotationDegrees(90);
        break;
    case 90:
        qDebug() << "180 rotate";
        sendCommand(DeviceCommand::windowCommand(index, DeviceCommand::RotateReset, 0));
        channel->setRotationDegrees(180);
        break;
    case 180:
        qDebug() << "180 rotate";
        sendCommand(DeviceCommand::windowCommand(index, DeviceCommand::RotateReset, 0));
        qDebug() << "270 rotate";
        sendCommand(DeviceCommand::windowCommand(index, DeviceCommand::Rotate270, 1));
        channel->setRotationDegrees(270);
        break;
    case 270:
        qDebug() << "0 rotate";
        sendCommand(DeviceCommand::windowCommand(index, DeviceCommand::Rotate270, 0));
        channel->setRotationDegrees(0);
        break;
    }
}

void UserView::scaleChannel(int op, int step)
{
    InputChannel *channel = currentChannel();
    if (!channel || (op != 0 && op != 1))
        return;
    const QRectF rect = currentScene()->sceneRect();
    const int SW = WallGeometry::truncated(rect.width());
    const int SH = WallGeometry::truncated(rect.height());
    const int dx = std::max(2 * step, SW * step / 1000);
    const int dy = std::max(step, SH * step / 1000);
    const int hx = dx / 2;
    const int hy = dy / 2;
    qreal w = channel->mRect.width();
    qreal h = channel->mRect.height();

    if (op == 0) {
        qreal moveX = 0, moveY = 0;
        if (w - hx > 200) {
            w -= dx;
            moveX = hx;
        } else {
            w = 200;
        }
        if (h - hy > 200) {
            h -= dy;
            moveY = hy;
        } else {
            h = 200;
        }
        // The smaller size first: the position clamp bounds the move by the
        // window's size, and a window flush with the right or bottom edge
        // could not move otherwise.
        channel->setRect(QRectF(channel->mRect.x(), channel->mRect.y(), w, h));
        channel->moveBy(moveX, moveY);
    } else {
        channel->moveBy(-hx, -hy);
        if (channel->x() <= 0)
            channel->setX(0);
        if (channel->y() <= 0)
            channel->setY(0);
        if (channel->x() + w + dx + hx >= SW) {
            w = SW - channel->x();
            qDebug() << "enter if = " << w;
        } else {
            w += dx;
        }
        if (channel->y() + h + dy + hy >= SH)
            h = SH - channel->y();
        else
            h += dy;
        channel->setRect(QRectF(channel->mRect.x(), channel->mRect.y(), w, h));
    }
    viewport()->update();
}

void UserView::onSendXYPos(int index, int sendModeIndex)
{
    if (mXYPosBusy || !checkedIndex(index))
        return;
    using WallGeometry::deviceFromCanvas;
    const WallGeometry::Factors f = cappedFactors(currentScene());
    InputChannel *channel = currentScene()->mChannels.at(index);
    mXYPosBusy = true;
    const QString xText = DeviceCommand::windowCommand(index, DeviceCommand::PosX, deviceFromCanvas(channel->x(), f.x));
    const QString yText = DeviceCommand::windowCommand(index, DeviceCommand::PosY, deviceFromCanvas(channel->y(), f.y));
    if (sendModeIndex == 1) {
        sendCommand(xText);
    } else if (sendModeIndex == 2) {
        sendCommand(yText);
    } else if (sendModeIndex == 0) {
        sendCommand(g_xyAlternate ? xText : yText);
        g_xyAlternate = !g_xyAlternate;
    }
    mXYPosTimer->start(40);
}

void UserView::stepPosition()
{
    mStepTimer->stop();
    InputChannel *channel = currentChannel();
    if (!channel)
        return;
    using WallGeometry::deviceFromCanvas;
    const WallGeometry::Factors f = cappedFactors(currentScene());
    const int w = mCurrentChannelIndex;
    switch (g_stepCounter) {
    case 0:
        sendCommand(DeviceCommand::windowCommand(w, DeviceCommand::PosX, deviceFromCanvas(channel->x(), f.x)));
        break;
    case 1:
        sendCommand(DeviceCommand::windowCommand(w, DeviceCommand::PosY, deviceFromCanvas(channel->y(), f.y)));
        break;
    case 2:
        sendCommand(DeviceCommand::windowCommand(w, DeviceCommand::Width, deviceFromCanvas(channel->mRect.width(), f.x)));
        g_stepCounter = 0;
        return;
    default:
        return;
    }
    ++g_stepCounter;
    mStepTimer->start(80);
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
    // A window that starts an edit and has never been sent counts as known
    // to the box where it stands now.
    const QList<InputChannel *> &channels = currentScene()->mChannels;
    for (int i = 0; i < channels.size(); ++i) {
        InputChannel *channel = channels.at(i);
        if (!isDragMode(channel->mEditMode))
            continue;
        if (!mLastGeometry.contains(channel))
            mLastGeometry.insert(channel, deviceGeometryText(channel, i));
        mTransferController->setTicking(true);
    }
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
