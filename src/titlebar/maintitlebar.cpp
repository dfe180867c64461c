#include "maintitlebar.h"
#include "ui_maintitlebar.h"

#include <QApplication>

#include "globals.h"
#include "maincontent/about.h"
#include "maincontent/cabout.h"
#include "maincontent/widgetcontextmanage.h"
#include "mainwindow.h"
#include "screen/languagefile.h"

static const char kTextButtonSheet[] =
    "QPushButton{border:none;color:rgb(0, 0, 0);}"
    "QPushButton:hover{background-color: rgb(240, 240, 240);border:none;color:rgb(0, 0, 0);}"
    "QPushButton:checked{background-color: rgb(240, 240, 240);border:none;color:rgb(0, 0, 0);}";
static const char kIconButtonSheet[] =
    "QPushButton{border:none;color:rgb(0, 0, 0);}"
    "QPushButton:hover{background-color: rgb(240, 240, 240);border:none;color:rgb(255, 255, 255);}"
    "QPushButton:checked{background-color: rgb(240, 240, 240);border:none;color:rgb(255, 255, 255);}";

MainTitleBar::MainTitleBar(QWidget *parent) : TitleBar(parent)
{
    ui = new Ui_MainTitleBar;
    mCabout = new Cabout;
    ui->setupUi(this);
    QApplication::setFont(QFont(QStringLiteral("Microsoft YaHi"), 9));

    ui->pushButton->setStyleSheet(QString::fromLatin1(kTextButtonSheet));
    ui->pushButtonChange->setStyleSheet(QString::fromLatin1(kTextButtonSheet));
    ui->pushButtonMin->setStyleSheet(QString::fromLatin1(kIconButtonSheet));
    ui->pushButtonClose->setStyleSheet(QString::fromLatin1(kIconButtonSheet));

    mAbout = new About;

    // Maximising, the About window and the step-through button are not offered.
    ui->pushButtonNormalMax->hide();
    ui->pushButtonChange->hide();
    ui->pushButton->hide();

    WidgetContextManage::getInstance()->setMainTitleBar(this);
}

MainTitleBar::~MainTitleBar()
{
    delete mAbout;
    delete mCabout;
    delete ui;
}

QLabel *MainTitleBar::titleLabel() const
{
    return ui->labelTitleName;
}

void MainTitleBar::retranslateTexts()
{
    ui->retranslateUi(this);
    mAbout->retranslateUi();
}

void MainTitleBar::bar()
{
    ui->retranslateUi(this);
}

void MainTitleBar::on_pushButtonClose_clicked()
{
    // The language is the one thing kept across runs; the offline mode is
    // left as it is.
    LanguageFile::write(g_languageIndex);
    g_networkConnected = false;
    g_serialConnected = false;
    mAbout->close();
    if (mMoveWidget) {
        mMoveWidget->close();
        mMoveWidget->deleteLater();
    }
}

void MainTitleBar::on_pushButtonMin_clicked()
{
    if (mMoveWidget)
        mMoveWidget->showMinimized();
}

void MainTitleBar::on_pushButton_clicked()
{
    mAbout->show();
}

void MainTitleBar::on_pushButtonChange_clicked()
{
    int next = g_languageIndex + 1;
    if (next >= 4)
        next = 0;
    g_languageIndex = next;
    if (mMainWindow)
        mMainWindow->changeLanguage(next);
}

void MainTitleBar::switchTo(int index)
{
    g_languageIndex = index;
    if (mMainWindow)
        mMainWindow->changeLanguage(index);
    ui->labelTitleName->setText(QStringLiteral("Halden"));
}

void MainTitleBar::on_pushButton_EN_clicked() { switchTo(1); }
void MainTitleBar::on_pushButton_RU_clicked() { switchTo(2); }
void MainTitleBar::on_pushButton_CH_clicked() { switchTo(0); }
void MainTitleBar::on_pushButton_ES_clicked() { switchTo(3); }
