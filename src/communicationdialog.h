#ifndef COMMUNICATIONDIALOG_H
#define COMMUNICATIONDIALOG_H

#include <QDialog>

namespace Ui { class CommunicationDialog; }

// Traffic log of commands sent and records received, one timed line each.
class CommunicationDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CommunicationDialog(QWidget *parent = nullptr);
    ~CommunicationDialog() override;
    void retranslateUi();

public slots:
    void showInfo(QString info);

private:
    Ui::CommunicationDialog *ui;
};

#endif
