// The wall view's menus: the four-language row table, building them and their handlers.

#include "userview.h"

#include "globals.h"
#include "inputchannel.h"
#include "link/devicecommand.h"
#include "mainwindow.h"
#include "maincontent/mymessagebox.h"
#include "resolutionratioscene.h"
#include "setitemattribute.h"

#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QDebug>
#include <QMenu>
#include <algorithm>

namespace {

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
    // Row 25 is used by no menu; kept on purpose so every row keeps its number.
    {"输出1200", "1", "1", "1"},
};

// Room for 100 rows though 26 are filled, on purpose: the shape of the other
// four-language tables; rows 26..99 read as empty texts.
const int kMenuRowCount = 100;

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
    // Discard and Property are built and wired but stay hidden on purpose:
    // the window menu offers only Close Window.
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
    // Sent here and again by openWindow() on purpose: the box gets the open command
    // twice in a row, and the traffic log and the box's command count rely on it.
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
    // Sent here and again by closeWindow() on purpose: the box gets the close command
    // twice in a row, and the traffic log and the box's command count rely on it.
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
    // No Spanish text on purpose: in Spanish the refusal shows no box, only the check marks go back to OFF.
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
