#include "mainwindow.h"

#include <QKeyEvent>

void MainWindow::initZoomToolbar() {}
void MainWindow::setEditMode() {}
void MainWindow::setZoomMode() {}
void MainWindow::zoomStepUp() {}
void MainWindow::zoomStepDown() {}
void MainWindow::applyZoomFromSlider() {}
void MainWindow::fillComboBoxes() {}
bool MainWindow::checkResolutionLimit() { return true; }
void MainWindow::onWindowRotated(int) {}
void MainWindow::onChangeInputSourceInfo(int, int) {}
void MainWindow::sliderCursorLambda(QSlider *) {}
void MainWindow::on_MyMessageButton_clicked() {}
void MainWindow::keyPressEvent(QKeyEvent *event) { QMainWindow::keyPressEvent(event); }
