#include "mainwindow.h"

void MainWindow::initSerialPort() {}
void MainWindow::showValidPort() {}
void MainWindow::on_openButton_clicked() {}
void MainWindow::readyReadSlot() {}
void MainWindow::on_ptn_offLine_clicked() {}
