// The preset panel: ten previews in two rows of five, selected by a press,
// applied by a double click, the panel's buttons or Shift+1 to Shift+0.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "Graphics/userview.h"
#include "maincontent/mymessagebox.h"
#include "preset/myframe.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

constexpr int kPresetCount = 10;
constexpr int kPresetsPerRow = 5;
constexpr int kPresetApplyIntervalMs = 180;

// Translated in a context of their own, apart from the main form's texts.
QString presetTr(const char *text)
{
    return QCoreApplication::translate("MainWindowPresets", text);
}

// Marks preset number (1..10) as the selected one.
void selectPreset(MainWindow *window, int number)
{
    for (MyFrame *frame : qAsConst(window->mPresetFrames))
        frame->setNormalStyle();
    window->mSelectedPreset = number;
    if (MyFrame *frame = window->mPresetFrames.value(number - 1, nullptr))
        frame->setSelectedStyle();
}

// The selected preview, or null after the warning with the given text.
MyFrame *selectedFrame(MainWindow *window, const char *noSelectionText)
{
    MyFrame *frame = window->mPresetFrames.value(window->mSelectedPreset - 1, nullptr);
    if (!frame)
        MyMessageBox::warning(window, presetTr("警告"), presetTr(noSelectionText));
    return frame;
}

// Applies a preview's shown snapshot to the wall and queues its commands.
void loadPreset(MainWindow *window, MyFrame *frame)
{
    if (!frame->loadPreset(window->getUi()->graphicsView, window))
        MyMessageBox::warning(window, presetTr("警告"), presetTr("这个预览框还没有保存过数据"));
}

// The panel's apply and the double click: the queue is emptied and the pump
// slowed before the preset's commands go in, so that the box takes them in order.
void applySelectedPreset(MainWindow *window)
{
    if (window->mSelectedPreset == -1) {
        MyMessageBox::warning(window, presetTr("警告"), presetTr("应用需要选择预览框"));
        return;
    }
    window->mSendPackets->clear();
    window->mSendTexts->clear();
    window->setSendInterval(kPresetApplyIntervalMs);
    if (MyFrame *frame = window->mPresetFrames.value(window->mSelectedPreset - 1, nullptr))
        loadPreset(window, frame);
}

} // namespace

void MainWindow::initPresetFrames()
{
    for (int number = 1; number <= kPresetCount; ++number) {
        const int row = (number - 1) / kPresetsPerRow;
        const int column = (number - 1) % kPresetsPerRow;
        mPresetFrames.append(new MyFrame(ui->groupBox_10, row, column, number));
    }
    for (int i = 0; i < mPresetFrames.size(); ++i) {
        mPresetFrames.at(i)->installEventFilter(this);
        mPresetFrames.at(i)->setObjectName(QStringLiteral("frame_%1").arg(i + 1));
    }
}

bool MainWindow::presetFrameEvent(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        auto *pressed = qobject_cast<MyFrame *>(watched);
        if (!pressed)
            return false;
        selectPreset(this, pressed->objectName().section(QLatin1Char('_'), 1).toInt());
        return true;
    }
    if (event->type() == QEvent::MouseButtonDblClick)
        applySelectedPreset(this);
    return false;
}

void MainWindow::on_presetApplyButton_clicked()
{
    applySelectedPreset(this);
}

void MainWindow::on_presetSaveButton_clicked()
{
    if (MyFrame *frame = selectedFrame(this, "保存需要选择预览框"))
        frame->savePreset(ui->graphicsView);
}

void MainWindow::on_presetPreButton_clicked()
{
    if (MyFrame *frame = selectedFrame(this, "请选择预览框"))
        frame->presetPrevious();
}

void MainWindow::on_presetNextButton_clicked()
{
    if (MyFrame *frame = selectedFrame(this, "请选择预览框"))
        frame->presetNext();
}

void MainWindow::applyPresetByNumber(int index)
{
    MyFrame *frame = mPresetFrames.value(index, nullptr);
    if (!frame)
        return;
    selectPreset(this, index + 1);
    loadPreset(this, frame);
}
