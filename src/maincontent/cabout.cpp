#include "cabout.h"
#include "ui_cabout.h"

#include "makerpage.h"

Cabout::Cabout(QWidget *parent) : QWidget(parent), ui(new Ui_Cabout)
{
    ui->setupUi(this);
    MakerPage::setLinkCursor(ui->pushButton_2);
}

Cabout::~Cabout()
{
    delete ui;
}

void Cabout::on_pushButton_2_clicked()
{
    MakerPage::open(MakerPage::International);
}
