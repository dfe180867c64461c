#include "messagebox.h"
#include "ui_messagebox.h"

messagebox::messagebox(QWidget *parent) : QWidget(parent), ui(new Ui_messagebox)
{
    ui->setupUi(this);
}

messagebox::~messagebox()
{
    delete ui;
}
