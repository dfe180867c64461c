#include "controltreewidget.h"
#include "ui_controltreewidget.h"

ControlTreeWidget::ControlTreeWidget(QWidget *parent) : QWidget(parent), ui(new Ui::ControlTreeWidget)
{
    ui->setupUi(this);
}

ControlTreeWidget::~ControlTreeWidget()
{
    delete ui;
}
