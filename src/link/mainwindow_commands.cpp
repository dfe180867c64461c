#include "mainwindow.h"

void MainWindow::sendCommand(const QString &) {}
void MainWindow::sendWindowCommand(int, int, int) {}
void MainWindow::initSpliceCommandTable() {}
void MainWindow::applyCommandText(QString) {}
void MainWindow::applyWindowCommand(int, int, int) {}
void MainWindow::on_DHCPon_clicked() {}
void MainWindow::on_DHCPoff_clicked() {}
