#include "communicationdialog.h"

CommunicationDialog::CommunicationDialog(QWidget *parent) : QDialog(parent) {}
void CommunicationDialog::showInfo(QString) {}
