#include "mainwindow.h"

void MainWindow::changeLanguage(int) {}
