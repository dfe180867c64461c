#include "mainwindow.h"

void MainWindow::parsingLowerComputerStatusByUdp() {}
void MainWindow::connectDevice(bool) {}
void MainWindow::on_ptn_refresh_clicked() {}
void MainWindow::on_NetConnectBtn_clicked() {}
