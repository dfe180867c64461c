#include "messagerboxen.h"
#include "ui_messagerboxen.h"

messagerboxen::messagerboxen(QWidget *parent) : QWidget(parent), ui(new Ui_messagerboxen)
{
    ui->setupUi(this);
}

messagerboxen::~messagerboxen()
{
    delete ui;
}
