#include "communicationdialog.h"
#include "ui_communicationdialog.h"

#include <QDateTime>

CommunicationDialog::CommunicationDialog(QWidget *parent) : QDialog(parent), ui(new Ui::CommunicationDialog)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
}

CommunicationDialog::~CommunicationDialog()
{
    delete ui;
}

void CommunicationDialog::retranslateUi()
{
    ui->retranslateUi(this);
}

void CommunicationDialog::showInfo(QString info)
{
    const QString time = QDateTime::currentDateTime().toString(QStringLiteral("hh:mm:ss.zzz"));
    ui->plainTextEdit->appendPlainText(QLatin1Char('[') + time + QLatin1Char(']') + info);
}
