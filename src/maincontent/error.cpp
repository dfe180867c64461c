#include "error.h"
#include "ui_error.h"

error::error(QWidget *parent) : QWidget(parent), ui(new Ui_error)
{
    ui->setupUi(this);
}

error::~error()
{
    delete ui;
}
