#include "mainwindow.h"

void MainWindow::initTimers() {}
void MainWindow::onSendTimer() {}
void MainWindow::sendNextPacket() {}
void MainWindow::initNetwork() {}
bool MainWindow::bindUdpSocket(const QHostAddress &) { return false; }
