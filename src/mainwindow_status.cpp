#include "mainwindow.h"

void MainWindow::showStatusText(const QString &) {}
void MainWindow::updateStatusBar() {}
void MainWindow::bar2(QString string) { showStatusText(string); }
