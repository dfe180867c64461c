#include "mainwindow.h"

void MainWindow::changeUIBaseSelectChannel(int) {}
int MainWindow::positionScale() { return 1; }
void MainWindow::moveWindowToLevel(int, int) {}
void MainWindow::hideUnsupportedControls() {}
void MainWindow::onPaletteColorSelected(const QColor &) {}
void MainWindow::on_btn_openColorPalette_clicked() {}
void MainWindow::onCurrentChannelChanged(int) {}
void MainWindow::onViewRightMenuInfo() {}
void MainWindow::onViewRightMenuInfoWithIndex(int) {}
void MainWindow::onSceneRightMenuInfo() {}
void MainWindow::initAttributeControls() {}
void MainWindow::sendImageParameter(int, int) {}
void MainWindow::changeSliceInfo(int, int, int, int, int) {}
void MainWindow::on_ckx_freezeAllWindows_stateChanged(int) {}
void MainWindow::on_ptn_FreezeAllWindow_clicked() {}
void MainWindow::on_checkBox_clicked(bool) {}
