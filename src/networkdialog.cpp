#include "networkdialog.h"

NetworkDialog::NetworkDialog(QWidget *parent) : QDialog(parent) {}
