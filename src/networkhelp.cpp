#include "networkhelp.h"
#include "ui_networkhelp.h"

NetworkHelp::NetworkHelp(QWidget *parent) : QWidget(parent), ui(new Ui::NetworkHelp)
{
    ui->setupUi(this);
    ui->label->setWordWrap(true);
    ui->label->setAlignment(Qt::AlignTop);
    setWindowModality(Qt::ApplicationModal);
}

NetworkHelp::~NetworkHelp()
{
    delete ui;
}

void NetworkHelp::retranslateUi()
{
    ui->retranslateUi(this);
}
