#include "maincontent/controlwidget/framecontrol/framewidget.h"
#include "ui_framewidget.h"

#include "globals.h"
#include "maincontent/controlwidget/controlpagecommand.h"
#include "maincontent/controlwidget/framecontrol/dragpushbutton.h"
#include "maincontent/controlwidget/framecontrol/routinggrid.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDebug>
#include <QMenu>
#include <QMouseEvent>

namespace {
const QString kMarkedOutputStyle = QStringLiteral(" color:blue; background-color:#31B0FF;  margin:2px;");
const QString kPlainOutputStyle = QStringLiteral("background-color:#BDD0E8 ;border:1px solid #000000;font-size:20px;");
const QString kFramedOutputStyle = QStringLiteral("border:1px solid #000000 ;font-size:20px;");
const QString kInputButtonStyle = QStringLiteral("background-color:rgb(133,185,255);border-color:rgb(255,255,255);");
} // namespace

FrameWidget::FrameWidget(QWidget *parent)
    : QWidget(parent), ui(new Ui::FrameWidget)
{
    ui->setupUi(this);
    for (int o = 1; o <= 4; ++o)
        output(o)->installEventFilter(this);
    setMouseTracking(true);
    setContextMenuPolicy(Qt::DefaultContextMenu);

    mActions[0] = new QAction(tr("切换输入源一"), this);
    mActions[1] = new QAction(tr("切换输入源二"), this);
    mActions[2] = new QAction(tr("切换输入源三"), this);
    mActions[3] = new QAction(tr("切换输入源四"), this);

    const QString inputTexts[] = {tr("HDMI IN 1"), tr("HDMI IN 2"), tr("HDMI IN 3"), tr("HDMI IN 4")};
    for (int i = 0; i < 4; ++i) {
        mInputButtons[i] = new DragPushButton(i, this);
        mInputButtons[i]->setText(inputTexts[i]);
        mInputButtons[i]->show();
        mInputButtons[i]->setGeometry(650, 110 + 65 * i, 80, 50);
        mInputButtons[i]->setStyleSheet(kInputButtonStyle);
    }

    const QString outputTexts[] = {tr("HDMI OUT 1"), tr("HDMI OUT 2"), tr("HDMI OUT 3"), tr("HDMI OUT 4")};
    for (int o = 1; o <= 4; ++o) {
        output(o)->setStyleSheet(QStringLiteral("font-size:20px;"));
        output(o)->setText(outputTexts[o - 1]);
    }

    void (FrameWidget::*const actionSlots[])() = {&FrameWidget::slot_action1, &FrameWidget::slot_action2,
                                                  &FrameWidget::slot_action3, &FrameWidget::slot_action4};
    void (FrameWidget::*const clickSlots[])() = {&FrameWidget::pushbtn1, &FrameWidget::pushbtn2,
                                                 &FrameWidget::pushbtn3, &FrameWidget::pushbtn4};
    void (FrameWidget::*const dropSlots[])() = {
        &FrameWidget::changeUI1,  &FrameWidget::changeUI2,  &FrameWidget::changeUI3,  &FrameWidget::changeUI4,
        &FrameWidget::changeUI5,  &FrameWidget::changeUI6,  &FrameWidget::changeUI7,  &FrameWidget::changeUI8,
        &FrameWidget::changeUI9,  &FrameWidget::changeUI10, &FrameWidget::changeUI11, &FrameWidget::changeUI12,
        &FrameWidget::changeUI13, &FrameWidget::changeUI14, &FrameWidget::changeUI15, &FrameWidget::changeUI16};
    void (DragPushButton::*const dropSignals[])() = {&DragPushButton::changeUI1, &DragPushButton::changeUI2,
                                                     &DragPushButton::changeUI3, &DragPushButton::changeUI4};
    for (int i = 0; i < 4; ++i)
        connect(mActions[i], &QAction::triggered, this, actionSlots[i]);
    for (int i = 0; i < 4; ++i)
        connect(mInputButtons[i], &QPushButton::clicked, this, clickSlots[i]);
    for (int i = 0; i < 4; ++i) {
        for (int o = 0; o < 4; ++o)
            connect(mInputButtons[i], dropSignals[o], this, dropSlots[4 * i + o]);
    }

    for (int o = 1; o <= 4; ++o)
        output(o)->setStyleSheet(kFramedOutputStyle);
}

FrameWidget::~FrameWidget()
{
    delete ui;
}

QPushButton *FrameWidget::output(int output) const
{
    switch (output) {
    case 1: return ui->label1;
    case 2: return ui->label2;
    case 3: return ui->label3;
    case 4: return ui->label4;
    }
    return nullptr;
}

int FrameWidget::outputOf(const QObject *object) const
{
    for (int o = 1; o <= 4; ++o) {
        if (object == output(o))
            return o;
    }
    return 0;
}

void FrameWidget::markOutput(int output, int input)
{
    QPushButton *button = this->output(output);
    button->setText(QString::number(input));
    button->setStyleSheet(kMarkedOutputStyle);
}

void FrameWidget::route(int output, int input)
{
    // The send reads nothing of the button: any of the four will do.
    mInputButtons[0]->send(ControlPageCommand::routing(output, input));
    markOutput(output, input);
}

bool FrameWidget::eventFilter(QObject *watched, QEvent *event)
{
    const int o = outputOf(watched);
    if (o != 0 && event->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (mSelectedInput >= 1 && mSelectedInput <= 4)
            route(o, mSelectedInput);
        // The output button never sees a left press of its own.
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void FrameWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        mMenuPoint = event->localPos().toPoint();
        qDebug("PressdownX的值为%dPressdownY的值为%d", mMenuPoint.x(), mMenuPoint.y());
    }
    QWidget::mousePressEvent(event);
}

void FrameWidget::contextMenuEvent(QContextMenuEvent *)
{
    qDebug() << "AAAAA";
    QMenu menu(this);
    for (QAction *action : mActions)
        menu.addAction(action);
    menu.exec(QCursor::pos());
}

void FrameWidget::routeFromMenu(int input)
{
    const int o = RoutingGrid::dropOutputAt(mMenuPoint);
    if (o == 0)
        return;
    qDebug() << RoutingGrid::choiceLine(o, input);
    route(o, input);
}

void FrameWidget::slot_action1() { routeFromMenu(1); }
void FrameWidget::slot_action2() { routeFromMenu(2); }
void FrameWidget::slot_action3() { routeFromMenu(3); }
void FrameWidget::slot_action4() { routeFromMenu(4); }

void FrameWidget::pushbtn1() { mSelectedInput = 1; }
void FrameWidget::pushbtn2() { mSelectedInput = 2; }
void FrameWidget::pushbtn3() { mSelectedInput = 3; }
void FrameWidget::pushbtn4() { mSelectedInput = 4; }

void FrameWidget::lang2()
{
    // English and Spanish share the Latin texts, Chinese and Russian the Chinese ones.
    const bool latin = g_languageIndex & 1;
    if (!latin)
        qDebug() << "点击额";
    const QString prefix = latin ? QStringLiteral("Choose HDMI ") : QStringLiteral("选择HDMI ");
    for (int i = 0; i < 4; ++i)
        mActions[i]->setText(prefix + QString::number(i + 1));
    qDebug() << "进入frame";
}

void FrameWidget::hover(int output)
{
    this->output(output)->setStyleSheet(kMarkedOutputStyle);
    this->output(output)->setText(QString());
}

void FrameWidget::gao1() { hover(1); }
void FrameWidget::gao2() { hover(2); }
void FrameWidget::gao3() { hover(3); }
void FrameWidget::gao4() { hover(4); }

void FrameWidget::di()
{
    const QString outputTexts[] = {tr("HDMI OUT 1"), tr("HDMI OUT 2"), tr("HDMI OUT 3"), tr("HDMI OUT 4")};
    for (int o = 1; o <= 4; ++o) {
        output(o)->setStyleSheet(kPlainOutputStyle);
        output(o)->setText(outputTexts[o - 1]);
    }
    qDebug() << "11111111111111111111111111111111";
}

void FrameWidget::markDrop(int slot)
{
    markOutput((slot - 1) % 4 + 1, (slot - 1) / 4 + 1);
}

void FrameWidget::changeUI1() { markDrop(1); }
void FrameWidget::changeUI2() { markDrop(2); }
void FrameWidget::changeUI3() { markDrop(3); }
void FrameWidget::changeUI4() { markDrop(4); }
void FrameWidget::changeUI5() { markDrop(5); }
void FrameWidget::changeUI6() { markDrop(6); }
void FrameWidget::changeUI7() { markDrop(7); }
void FrameWidget::changeUI8() { markDrop(8); }
void FrameWidget::changeUI9() { markDrop(9); }
void FrameWidget::changeUI10() { markDrop(10); }
void FrameWidget::changeUI11() { markDrop(11); }
void FrameWidget::changeUI12() { markDrop(12); }
void FrameWidget::changeUI13() { markDrop(13); }
void FrameWidget::changeUI14() { markDrop(14); }
void FrameWidget::changeUI15() { markDrop(15); }
void FrameWidget::changeUI16() { markDrop(16); }

void FrameWidget::showPushBtn(int id)
{
    qDebug() << " id" << id;
}

void FrameWidget::on_label2_linkActivated(QString) {}
void FrameWidget::on_label3_clicked() {}
void FrameWidget::on_label4_clicked() {}
