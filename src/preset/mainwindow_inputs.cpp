#include "mainwindow.h"

void MainWindow::initInputSources() {}
void MainWindow::loadInputSourceCaptions() {}
void MainWindow::onInputSourceDropped(InputSourceButton *, int, QPoint) {}
void MainWindow::openWindowAt(int, QPointF) {}
