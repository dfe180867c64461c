#ifndef COMMUNICATIONDIALOG_H
#define COMMUNICATIONDIALOG_H

#include <QDialog>

// Traffic log of commands sent and records received.
class CommunicationDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CommunicationDialog(QWidget *parent = nullptr);
    void retranslateUi() {}
public slots:
    void showInfo(QString info);
};

#endif
