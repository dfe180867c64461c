#include "myframe.h"

#include "Graphics/inputchannel.h"
#include "Graphics/resolutionratioscene.h"
#include "Graphics/userview.h"
#include "globals.h"
#include "maincontent/mymessagebox.h"
#include "maincontent/widgetcontextmanage.h"
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QCursor>
#include <QDebug>
#include <QGraphicsDropShadowEffect>
#include <QMenu>
#include <QPainter>
#include <QSettings>

#include <algorithm>

namespace {

const QString kNormalStyle = QStringLiteral("QFrame {  border: 1px solid rgb(136,155,177);  border-radius: 4px;}");
const QString kSelectedStyle = QStringLiteral("QFrame {  border: 2px solid grey;  border-radius: 4px;}");

// "./preset.ini" as every file operation of a preview opens it.
class PresetSettings : public QSettings
{
public:
    PresetSettings() : QSettings(QString::fromLatin1(PresetFile::FileName), QSettings::IniFormat)
    {
        setIniCodec("UTF-8");
    }
};

enum MenuRow { MenuApply, MenuSave, MenuDelete, MenuPrevious, MenuNext, MenuRowCount };

} // namespace

const QString &MyFrame::menuText(int row, int language)
{
    static const QString texts[MenuRowCount][4] = {
        {QStringLiteral("应用"), QStringLiteral("Apply"), QStringLiteral("применять"), QStringLiteral("Aplicar")},
        {QStringLiteral("保存"), QStringLiteral("Save"), QStringLiteral("Спасать"), QStringLiteral("Salvar")},
        {QStringLiteral("删除"), QStringLiteral("Delete"), QStringLiteral("удалить"), QStringLiteral("Borrar")},
        {QStringLiteral("上一步"), QStringLiteral("Undo"), QStringLiteral("отменить"), QStringLiteral("Anterior")},
        {QStringLiteral("下一步"), QStringLiteral("Redo"), QStringLiteral("повторить"), QStringLiteral("Próximo")},
    };
    static const QString none;
    if (row < 0 || row >= MenuRowCount || language < 0 || language > 3)
        return none;
    return texts[row][language];
}

MyFrame::MyFrame(QWidget *parent, int row, int col, int id) : QFrame(parent)
{
    mDivisorTable = PresetFile::divisorTable();
    mFillColours[0] = QColor(200, 72, 185);
    mFillColours[1] = QColor(249, 98, 167);
    mFillColours[2] = QColor(253, 131, 109);
    mFillColours[3] = QColor(255, 186, 105);
    setContextMenuPolicy(Qt::CustomContextMenu);
    mMainWindow = WidgetContextManage::getInstance()->mainWindow();
    setFixedSize(mFrameWidth, mFrameHeight);
    move((mFrameWidth + 10) * col + 30, (mFrameHeight + 10) * row + 20);
    setStyleSheet(kNormalStyle);
    mID = id;
    readPresetFile();
    initContextMenu();
}

UserView *MyFrame::wallView(UserView *view) const
{
    if (view)
        return view;
    if (mMainWindow && mMainWindow->getUi())
        return mMainWindow->getUi()->graphicsView;
    return nullptr;
}

int MyFrame::coordinateDivisor() const
{
    // Stored coordinates are in the panel's units.
    return mMainWindow ? mMainWindow->positionScale() : 1;
}

void MyFrame::lookupDivisors(const QString &layoutName)
{
    PresetFile::lookupDivisors(mDivisorTable, layoutName, &mDivisorWidth, &mDivisorHeight);
}

void MyFrame::addToHistory(const PresetSnapshot &snapshot)
{
    while (mHistory.size() >= PresetFile::HistoryLimit)
        mHistory.removeLast();
    mHistory.prepend(snapshot);
}

const PresetSnapshot *MyFrame::shownSnapshot() const
{
    if (!mHasData || mRecodingID < 0 || mRecodingID >= mHistory.size())
        return nullptr;
    const PresetSnapshot &snapshot = mHistory.at(mRecodingID);
    return PresetFile::isUsable(snapshot) ? &snapshot : nullptr;
}

// ------------------------------------------------------------------ save --

void MyFrame::savePreset()
{
    savePreset(nullptr);
}

void MyFrame::savePreset(UserView *view)
{
    view = wallView(view);
    if (!view || view->mScenes.isEmpty())
        return;
    const ResolutionRatioScene *scene = view->mScenes.first();
    const int s = coordinateDivisor();

    PresetSnapshot snapshot;
    for (int i = 0; i < 4 && i < scene->mChannels.size(); ++i) {
        const InputChannel *window = scene->mChannels.at(i);
        const QRectF rect = window->itemRect();
        snapshot.x[i] = static_cast<int>(s * window->pos().x());
        snapshot.y[i] = static_cast<int>(s * window->pos().y());
        snapshot.heights[i] = s * rect.height();
        snapshot.widths[i] = s * rect.width();
        snapshot.open[i] = window->mOpen;
        snapshot.colour[i][0] = window->mRed;
        snapshot.colour[i][1] = window->mGreen;
        snapshot.colour[i][2] = window->mBlue;
        snapshot.layer[i] = window->mLayer;
        snapshot.luminance[i] = window->mLuminance;
        snapshot.source[i] = window->mInputSourceIndex;
        snapshot.solid[i] = window->mSolidColor;
    }
    const QString layout = scene->layoutName();
    PresetFile::splitLayoutName(layout, &snapshot.rows, &snapshot.columns);
    lookupDivisors(layout);
    snapshot.heightDivisor = mDivisorHeight;
    snapshot.widthDivisor = mDivisorWidth;

    mWorkingCopy = snapshot;
    addToHistory(snapshot);
    mRecodingID = 0;
    mHasData = true;
    update();
    writePresetFile();
}

// --------------------------------------------------------------- history --

bool MyFrame::presetPrevious()
{
    qDebug() << "mRecodingID(1):" << mRecodingID;
    if (mRecodingID + 1 >= mHistory.size())
        return false;
    ++mRecodingID;
    qDebug() << "mRecodingID(2):" << mRecodingID;
    update();
    return true;
}

bool MyFrame::presetNext()
{
    qDebug() << "mRecodingID(1):" << mRecodingID;
    if (mRecodingID - 1 < 0)
        return false;
    --mRecodingID;
    qDebug() << "mRecodingID(2):" << mRecodingID;
    update();
    return true;
}

void MyFrame::deletePreset()
{
    PresetSettings settings;
    PresetFile::disable(settings, mID);
    mHistory.clear();
    mHasData = false;
    update();
}

// ------------------------------------------------------------------ file --

bool MyFrame::writePresetFile()
{
    PresetSettings settings;
    PresetFile::write(settings, mID, mWorkingCopy);
    return true;
}

bool MyFrame::readPresetFile()
{
    PresetSnapshot snapshot;
    {
        const PresetSettings settings;
        if (!PresetFile::read(settings, mID, &snapshot))
            return false;
    }
    mWorkingCopy = snapshot;
    mDivisorWidth = snapshot.widthDivisor;
    mDivisorHeight = snapshot.heightDivisor;
    mHasData = true;
    addToHistory(snapshot);
    mRecodingID = 0;
    update();
    return true;
}

// ----------------------------------------------------------------- paint --

void MyFrame::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    const PresetSnapshot *snapshot = shownSnapshot();
    if (!snapshot)
        return;
    QPainter painter(this);
    for (const PreviewWindow &window : PresetFile::previewWindows(*snapshot)) {
        painter.setBrush(QBrush(mFillColours[window.window], Qt::SolidPattern));
        painter.setPen(Qt::gray);
        painter.drawRect(window.rect);
        painter.setPen(Qt::white);
        QFont font(QStringLiteral("Arial"));
        font.setPointSize(window.pointSize);
        painter.setFont(font);
        painter.drawText(window.baseline, window.label);
    }
}

// ----------------------------------------------------------------- apply --

bool MyFrame::loadPreset(UserView *view, MainWindow *mainWindow)
{
    view = wallView(view);
    if (!mainWindow)
        mainWindow = mMainWindow;
    const PresetSnapshot *snapshot = shownSnapshot();
    if (!snapshot || !view || view->mScenes.isEmpty())
        return false;
    const PresetSnapshot s = *snapshot;
    ResolutionRatioScene *scene = view->mScenes.first();

    lookupDivisors(scene->layoutName());
    const int coordDivisor = coordinateDivisor();
    // A layout outside the table before any lookup found one: no rescale.
    const double divisorWidth = mDivisorWidth > 0 ? mDivisorWidth : s.widthDivisor;
    const double divisorHeight = mDivisorHeight > 0 ? mDivisorHeight : s.heightDivisor;
    const QVector<int> frontToBack = PresetFile::windowsFrontToBack(s);

    for (int i = 0; i < 4 && i < scene->mChannels.size(); ++i) {
        InputChannel *window = scene->mChannels.at(i);
        const QRectF place = PresetFile::appliedPlace(s, i, divisorWidth, divisorHeight, coordDivisor);
        QRectF rect = window->mRect;
        rect.setWidth(place.width());
        rect.setHeight(place.height());
        window->setRect(rect);
        window->setPos(place.topLeft());
        window->mOpen = s.open[i];
        QAction *openAction = view->mOpenWindowActions.value(i, nullptr);
        if (s.open[i])
            window->openChannel();
        else
            window->closeChannel();
        if (openAction)
            openAction->setVisible(!s.open[i]);
        window->mRed = s.colour[i][0];
        window->mGreen = s.colour[i][1];
        window->mBlue = s.colour[i][2];
        window->mLayer = frontToBack.indexOf(i) + 1;
        window->mLuminance = s.luminance[i];
        window->mInputSourceIndex = s.source[i];
        window->mSolidColor = s.solid[i];
        window->update();
        // The panel refills from the window: only once all of it is set.
        emit view->changeRightMenuInfo();
    }
    buildPresetCommands(view, mainWindow);
    return true;
}

bool MyFrame::buildPresetCommands(UserView *view, MainWindow *mainWindow)
{
    ResolutionRatioScene *scene = view->mScenes.first();
    const QList<InputChannel *> &windows = scene->mChannels;

    QVector<int> windowOnLayer;
    for (int i = 0; i < windows.size(); ++i)
        windowOnLayer.append(i);
    std::stable_sort(windowOnLayer.begin(), windowOnLayer.end(),
                     [&windows](int a, int b) { return windows.at(a)->mLayer < windows.at(b)->mLayer; });
    // Sending each to the back in front-to-back order rebuilds the same
    // stacking through the canvas's own layer operation.
    for (int index : qAsConst(windowOnLayer))
        scene->setLayer(index, ResolutionRatioScene::LayerToBottom);

    QVector<PresetWindowState> states;
    for (const InputChannel *window : windows) {
        PresetWindowState state;
        state.x = window->pos().x();
        state.y = window->pos().y();
        state.width = window->mRect.width();
        state.height = window->mRect.height();
        state.luminance = window->mLuminance;
        state.red = window->mRed;
        state.green = window->mGreen;
        state.blue = window->mBlue;
        state.open = window->mOpen;
        state.source = window->mInputSourceIndex;
        state.solid = window->mSolidColor;
        states.append(state);
    }
    if (mainWindow) {
        for (const QString &text : PresetFile::replayCommands(windowOnLayer, states))
            mainWindow->sendCommand(text);
    }
    return true;
}

void MyFrame::applyPreset()
{
    if (!loadPreset())
        MyMessageBox::warning(this, tr("警告"), tr("这个预览框还没有保存过数据"));
}

// ------------------------------------------------------------ menu, looks --

void MyFrame::initContextMenu()
{
    mMenu = new QMenu(this);
    mMenu->setStyleSheet(QStringLiteral("font-family: 'Microsoft YaHei'; font-size: 9pt;"));
    const int language = languageColumn();
    mApplyAction = new QAction(menuText(MenuApply, language), this);
    mSaveAction = new QAction(menuText(MenuSave, language), this);
    mDeleteAction = new QAction(menuText(MenuDelete, language), this);
    mPreviousAction = new QAction(menuText(MenuPrevious, language), this);
    mNextAction = new QAction(menuText(MenuNext, language), this);
    mMenu->addAction(mApplyAction);
    mMenu->addAction(mSaveAction);
    mMenu->addAction(mDeleteAction);
    mMenu->addAction(mPreviousAction);
    mMenu->addAction(mNextAction);
    connect(mApplyAction, &QAction::triggered, this, &MyFrame::applyPreset);
    connect(mSaveAction, &QAction::triggered, this, QOverload<>::of(&MyFrame::savePreset));
    connect(mDeleteAction, &QAction::triggered, this, &MyFrame::deletePreset);
    connect(mPreviousAction, &QAction::triggered, this, &MyFrame::presetPrevious);
    connect(mNextAction, &QAction::triggered, this, &MyFrame::presetNext);
    connect(this, &QWidget::customContextMenuRequested, this, [this]() { mMenu->exec(QCursor::pos()); });
}

void MyFrame::retranslateMenu()
{
    const int language = languageColumn();
    mApplyAction->setText(menuText(MenuApply, language));
    mSaveAction->setText(menuText(MenuSave, language));
    mDeleteAction->setText(menuText(MenuDelete, language));
    mPreviousAction->setText(menuText(MenuPrevious, language));
    mNextAction->setText(menuText(MenuNext, language));
}

void MyFrame::setNormalStyle()
{
    setLook(kNormalStyle, 0);
}

void MyFrame::setSelectedStyle()
{
    setLook(kSelectedStyle, 15);
}

void MyFrame::setLook(const QString &styleSheet, qreal shadowBlur)
{
    setStyleSheet(styleSheet);
    auto *shadow = new QGraphicsDropShadowEffect(this);
    shadow->setOffset(0, 0);
    shadow->setColor(Qt::black);
    shadow->setBlurRadius(shadowBlur);
    setGraphicsEffect(shadow);   // deletes the previous one
}
