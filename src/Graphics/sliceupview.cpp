#include "sliceupview.h"

SliceUpView::SliceUpView(QWidget *parent) : QGraphicsView(parent) {}
