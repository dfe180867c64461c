#include "about.h"
#include "ui_about.h"

#include "globals.h"
#include "makerpage.h"

About::About(QWidget *parent) : QWidget(parent), ui(new Ui_About)
{
    ui->setupUi(this);
    MakerPage::setLinkCursor(ui->pushButton);
}

About::~About()
{
    delete ui;
}

void About::retranslateUi()
{
    ui->retranslateUi(this);
}

void About::openUrl()
{
    MakerPage::open(MakerPage::forLanguage(g_languageIndex));
}

void About::on_pushButton_clicked()
{
    openUrl();
}
