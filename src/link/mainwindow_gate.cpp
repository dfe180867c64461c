#include "mainwindow.h"

bool MainWindow::checkConnected() { return false; }
void MainWindow::enableControls() {}
void MainWindow::disableControls() {}
void MainWindow::langban() {}
void MainWindow::WidgetControl() {}
void MainWindow::on_testButton_clicked() {}
