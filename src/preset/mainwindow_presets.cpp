#include "mainwindow.h"

// Preset previews and the preset store: kept minimal until they are built.
void MainWindow::initPresetFrames() {}
void MainWindow::applyPresetByNumber(int) {}
void MainWindow::on_presetApplyButton_clicked() {}
void MainWindow::on_presetSaveButton_clicked() {}
void MainWindow::on_presetPreButton_clicked() {}
void MainWindow::on_presetNextButton_clicked() {}
