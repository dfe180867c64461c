#include "mainwindow.h"

void MainWindow::on_connect_clicked() {}
void MainWindow::onConnectTimeout() {}
void MainWindow::onTcpConnected() {}
void MainWindow::onUdpConnected() {}
void MainWindow::onStartupQueryTimeout() {}
void MainWindow::checkFirstRead() {}
void MainWindow::onServerDisconnected() {}
void MainWindow::onTcpReadyRead() {}
void MainWindow::parsingLowerComputerStatusByTcp(const QByteArray &) {}
