#include "mainwindow.h"

void MainWindow::applyCommandText(QString) {}
void MainWindow::applyWindowCommand(int, int, int) {}
