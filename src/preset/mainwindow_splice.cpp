#include "mainwindow.h"

void MainWindow::initLayoutZoomTable(int) {}
void MainWindow::updateWallScene() {}
void MainWindow::applyLayoutZoom(int, int) {}
void MainWindow::applyLayoutZoomFromUi() {}
void MainWindow::applySpliceRowsColumns() {}
void MainWindow::on_rowCbx_currentIndexChanged(int) {}
void MainWindow::on_columnCbx_currentIndexChanged(int) {}
