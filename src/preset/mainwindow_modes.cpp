#include "mainwindow.h"

void MainWindow::on_ptn_singleScreenModel_clicked() {}
void MainWindow::on_ptn_openWindowModel_clicked() {}
void MainWindow::on_ptn_overlayModel_clicked() {}
void MainWindow::on_ptn_fourDivisionModel_clicked() {}
void MainWindow::on_ptn_levelMode_clicked() {}
void MainWindow::on_ptn_twoDivisionModel_OBOS_clicked() {}
void MainWindow::on_ptn_twoScreenModel_leftRight_clicked() {}
void MainWindow::on_ptn_twoDivisionModel_upDown_clicked() {}
void MainWindow::on_ptn_fourDivisionModel_OBTS_clicked() {}
void MainWindow::on_outputModeComBox_currentIndexChanged(int) {}
void MainWindow::onWindowLevelChanged(int) {}
void MainWindow::on_ptn_saveAll_clicked() {}
void MainWindow::on_ptn_factoryDataReset_clicked() {}
void MainWindow::on_btn_page2Reset_clicked() {}
void MainWindow::on_pushButtonReset103_clicked() {}
