#include "maincontent/controlwidget/cylindercontrol/cylinderwidget.h"
#include "ui_cylinderwidget.h"

#include "maincontent/controlwidget/controlpagecommand.h"
#include "maincontent/controlwidget/cylindercontrol/splicemodes.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>

CylinderWidget::CylinderWidget(QWidget *parent)
    : QWidget(parent), mRotated {0, 0, 0, 0}, ui(new Ui::CylinderWidget)
{
    ui->setupUi(this);
    const QString names[4] = {tr("界面一"), tr("界面二"), tr("界面三"), tr("界面四")};
    for (int i = 0; i < 4; ++i)
        mScreens[i] = new QPushButton(names[i]);
    connect(mScreens[0], &QPushButton::clicked, this, &CylinderWidget::rotatebtn1);
    connect(mScreens[1], &QPushButton::clicked, this, &CylinderWidget::rotatebtn2);
    connect(mScreens[2], &QPushButton::clicked, this, &CylinderWidget::rotatebtn3);
    connect(mScreens[3], &QPushButton::clicked, this, &CylinderWidget::rotatebtn4);

    const QPixmap revolve = QPixmap(QStringLiteral(":/res/res/image/revolve.png"))
                                .scaled(50, 50, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    const QCursor rotateCursor(revolve, revolve.width() / 2, revolve.height() / 2);
    for (QPushButton *screen : mScreens)
        screen->setCursor(rotateCursor);
}

CylinderWidget::~CylinderWidget()
{
    // Placed screens are children of the grid's widget, detached ones have no
    // parent; deleting all four here frees both kinds.
    for (QPushButton *screen : mScreens)
        delete screen;
    delete ui;
}

void CylinderWidget::contextMenuEvent(QContextMenuEvent *event)
{
    Q_UNUSED(event)
    QMenu menu(this);
    menu.exec(QCursor::pos());
}

void CylinderWidget::deleteAllitemsOfLayout(QLayout *layout)
{
    while (QLayoutItem *item = layout->takeAt(0)) {
        if (QWidget *widget = item->widget())
            widget->setParent(nullptr);
        else if (QLayout *inner = item->layout())
            deleteAllitemsOfLayout(inner);
        delete item;
    }
}

void CylinderWidget::placeSpliceMode(const char *button)
{
    for (const SpliceMode &mode : SpliceModes) {
        if (qstrcmp(mode.button, button) != 0)
            continue;
        deleteAllitemsOfLayout(ui->gridLayout);
        for (int i = 0; i < mode.screenCount(); ++i) {
            ui->gridLayout->addWidget(mScreens[i], i / mode.columns, i % mode.columns);
            mScreens[i]->setFixedSize(mode.screenWidth, mode.screenHeight);
        }
        send(QLatin1String(mode.command));
        return;
    }
}

void CylinderWidget::on_H2_clicked() { placeSpliceMode("H2"); }
void CylinderWidget::on_H3_clicked() { placeSpliceMode("H3"); }
void CylinderWidget::on_H4_clicked() { placeSpliceMode("H4"); }
void CylinderWidget::on_V2_clicked() { placeSpliceMode("V2"); }
void CylinderWidget::on_V3_clicked() { placeSpliceMode("V3"); }
void CylinderWidget::on_pushButton_clicked() { placeSpliceMode("pushButton"); }
void CylinderWidget::on_V4_clicked() { placeSpliceMode("V4"); }

void CylinderWidget::toggleRotation(int screen)
{
    const bool on = mRotated[screen] != 1;
    mRotated[screen] = on ? 1 : 0;
    send(rotationCommand(screen, on));
}

void CylinderWidget::rotatebtn1() { toggleRotation(0); }
void CylinderWidget::rotatebtn2() { toggleRotation(1); }
void CylinderWidget::rotatebtn3() { toggleRotation(2); }
void CylinderWidget::rotatebtn4() { toggleRotation(3); }

void CylinderWidget::send(QString nub)
{
    ControlPageCommand::writeSerial(nub);
}
