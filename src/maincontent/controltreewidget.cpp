#include "controltreewidget.h"

ControlTreeWidget::ControlTreeWidget(QWidget *parent) : QWidget(parent) {}
