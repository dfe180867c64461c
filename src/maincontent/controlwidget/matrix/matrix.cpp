#include "maincontent/controlwidget/matrix/matrix.h"
#include "ui_matrix.h"

#include "maincontent/controlwidget/matrix/matrixbtn.h"
#include "maincontent/controlwidget/matrix/splitlayouts.h"

#include <QCursor>
#include <QEvent>
#include <QGroupBox>
#include <QIcon>

namespace {
const char *const WindowIdle = "background-color:#BDD0E8 ;border:1px solid #000000";
const char *const WindowUnderDrag = "background-color:#3A6CA9; border:1px solid #000000";
const char *const LayoutNormal = "background-color:#cfddee";
const char *const LayoutChosen = "background-color:#42f1ff";
const QPoint InputHome(650, 220);
constexpr int InputStep = 60; // home of input k is InputHome + (0, 60 (k - 1))
constexpr int InputWidth = 80;
constexpr int InputHeight = 50;

// The picture of input 1..4 in a window of the preview; the path goes through
// the translator so that a language may bring pictures of its own.
QIcon inputPicture(int input)
{
    static const char *const paths[4] = {
        QT_TRANSLATE_NOOP("matrix", ":/res/res/image/1/HDMI 1.png"),
        QT_TRANSLATE_NOOP("matrix", ":/res/res/image/1/HDMI 2.png"),
        QT_TRANSLATE_NOOP("matrix", ":/res/res/image/1/HDMI 3.png"),
        QT_TRANSLATE_NOOP("matrix", ":/res/res/image/1/HDMI 4.png"),
    };
    return QIcon(matrix::tr(paths[input - 1]));
}
} // namespace

matrix::matrix(QWidget *parent) : QWidget(parent), ui(new Ui::matrix)
{
    ui->setupUi(this);
    mSender = new matrixbtn(5, nullptr);

    // No geometry yet: the windows stay unseen until a layout is chosen.
    mWindowButton1 = new QPushButton(this);
    mWindowButton2 = new QPushButton(this);
    mWindowButton3 = new QPushButton(this);
    mWindowButton4 = new QPushButton(this);
    for (int k = 0; k < 4; ++k) {
        window(k)->setGeometry(QRect(0, 0, 0, 0));
        window(k)->setStyleSheet(QStringLiteral("border:1px solid #000000"));
        window(k)->setIcon(inputPicture(k + 1));
    }

    mDropFrame = new QGroupBox(this);
    mDropFrame->setStyleSheet(QStringLiteral("border:6px solid #000000"));

    // Made last, so they lie above the preview and its frame.
    mInputButton1 = new matrixbtn(1, this);
    mInputButton2 = new matrixbtn(2, this);
    mInputButton3 = new matrixbtn(3, this);
    mInputButton4 = new matrixbtn(4, this);
    mInputButton1->setText(tr("HDMI 1"));
    mInputButton2->setText(tr("HDMI 2"));
    mInputButton3->setText(tr("HDMI 3"));
    mInputButton4->setText(tr("HDMI 4"));
    putInputsHome();
    for (int k = 0; k < 4; ++k) {
        inputButton(k)->setStyleSheet(QStringLiteral("background-color:rgb(133,185,255);"));
        inputButton(k)->setMouseTracking(true);
        inputButton(k)->installEventFilter(this);
    }

    mDropFrame->setGeometry(mPreviewX - 4, mPreviewY - 14, mPreviewWidth + 8, mPreviewHeight + 18);

    connect(mInputButton1, &matrixbtn::changeUI1, this, &matrix::changeUI1);
    connect(mInputButton2, &matrixbtn::changeUI2, this, &matrix::changeUI2);
    connect(mInputButton3, &matrixbtn::changeUI3, this, &matrix::changeUI3);
    connect(mInputButton4, &matrixbtn::changeUI4, this, &matrix::changeUI4);
    for (int k = 0; k < 4; ++k) {
        connect(inputButton(k), &matrixbtn::gao, this, &matrix::gao);
        connect(inputButton(k), &matrixbtn::di, this, &matrix::di);
    }
}

matrix::~matrix()
{
    delete mSender;
    delete ui;
}

QPushButton *matrix::window(int index) const
{
    QPushButton *const windows[4] = {mWindowButton1, mWindowButton2, mWindowButton3, mWindowButton4};
    return windows[index];
}

matrixbtn *matrix::inputButton(int index) const
{
    matrixbtn *const inputs[4] = {mInputButton1, mInputButton2, mInputButton3, mInputButton4};
    return inputs[index];
}

QPushButton *matrix::layoutButton(const char *name) const
{
    return findChild<QPushButton *>(QLatin1String(name));
}

void matrix::matrixlang()
{
    ui->retranslateUi(this);
}

void matrix::backcolor()
{
    for (QPushButton *button : {ui->fg1, ui->fg1x2, ui->fg1x4, ui->fg4x1, ui->fg2x1, ui->pushButton, ui->fg2x2,
                                ui->fg2x1_2, ui->fg1x2_2})
        button->setStyleSheet(QLatin1String(LayoutNormal));
}

void matrix::putInputsHome()
{
    for (int k = 0; k < 4; ++k)
        inputButton(k)->setGeometry(InputHome.x(), InputHome.y() + k * InputStep, InputWidth, InputHeight);
}

void matrix::chooseLayout(const char *button)
{
    const QRect preview(mPreviewX, mPreviewY, mPreviewWidth, mPreviewHeight);
    for (const SplitLayouts::Layout &layout : SplitLayouts::layouts(preview)) {
        if (qstrcmp(layout.button, button) != 0)
            continue;
        for (int k = 0; k < layout.windowsInUse; ++k)
            window(k)->setIcon(inputPicture(k + 1));
        backcolor();
        layoutButton(button)->setStyleSheet(QLatin1String(LayoutChosen));
        if (layout.mode != SplitLayouts::KeepMode)
            mLayoutMode = layout.mode;
        for (int k = 0; k < 4; ++k) {
            window(k)->setGeometry(layout.windows[k]);
            if (layout.pictures[k].isValid())
                window(k)->setIconSize(layout.pictures[k]);
        }
        mSender->sendHex(QLatin1String(layout.command));
        if (layout.inputsShown) {
            putInputsHome();
        } else {
            for (int k = 0; k < 4; ++k)
                inputButton(k)->setGeometry(QRect(0, 0, 0, 0));
        }
        return;
    }
}

void matrix::on_fg1_clicked() { chooseLayout("fg1"); }
void matrix::on_fg2x2_clicked() { chooseLayout("fg2x2"); }
void matrix::on_fg1x2_clicked() { chooseLayout("fg1x2"); }
void matrix::on_fg2x1_clicked() { chooseLayout("fg2x1"); }
void matrix::on_fg1x4_clicked() { chooseLayout("fg1x4"); }
void matrix::on_fg4x1_clicked() { chooseLayout("fg4x1"); }
void matrix::on_fg1x2_2_clicked() { chooseLayout("fg1x2_2"); }
void matrix::on_fg2x1_2_clicked() { chooseLayout("fg2x1_2"); }
void matrix::on_pushButton_clicked() { chooseLayout("pushButton"); }

void matrix::dropInput(int input)
{
    // Edges of the frame count as inside.
    const QPoint at = mapFromGlobal(QCursor::pos());
    if (!mDropFrame->geometry().contains(at))
        return;
    const SplitLayouts::Drop drop = SplitLayouts::drop(mLayoutMode, input);
    for (int k = 0; k < drop.inputs.size(); ++k)
        window(k)->setIcon(inputPicture(drop.inputs.at(k)));
    for (const QString &command : drop.commands)
        mSender->sendHex(command);
}

void matrix::changeUI1() { dropInput(1); }
void matrix::changeUI2() { dropInput(2); }
void matrix::changeUI3() { dropInput(3); }
void matrix::changeUI4() { dropInput(4); }

void matrix::gao()
{
    mWindowButton1->setStyleSheet(QLatin1String(WindowUnderDrag));
    if (SplitLayouts::isPairMode(mLayoutMode))
        mWindowButton2->setStyleSheet(QLatin1String(WindowUnderDrag));
}

void matrix::di()
{
    mWindowButton1->setStyleSheet(QLatin1String(WindowIdle));
    mWindowButton2->setStyleSheet(QLatin1String(WindowIdle));
}

bool matrix::eventFilter(QObject *watched, QEvent *event)
{
    if (SplitLayouts::isPairMode(mLayoutMode)) {
        const QPoint below(0, InputStep);
        if (watched == mInputButton1)
            mInputButton2->move(mInputButton1->pos() + below);
        else if (watched == mInputButton2)
            mInputButton1->move(mInputButton2->pos() - below);
        else if (watched == mInputButton3)
            mInputButton4->move(mInputButton3->pos() + below);
        else if (watched == mInputButton4)
            mInputButton3->move(mInputButton4->pos() - below);
    }
    return QWidget::eventFilter(watched, event);
}
