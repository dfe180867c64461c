#include "mymessagebox.h"

#include <QMessageBox>

MyMessageBox::MyMessageBox(QWidget *parent) : QWidget(parent) {}

static bool runBox(QMessageBox::Icon icon, const QString &title, const QString &text, bool withCancel)
{
    QMessageBox box(icon, title, text, withCancel ? (QMessageBox::Ok | QMessageBox::Cancel) : QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

bool MyMessageBox::question(QWidget *, const QString &t, const QString &x) { return runBox(QMessageBox::Question, t, x, true); }
bool MyMessageBox::error(QWidget *, const QString &t, const QString &x) { return runBox(QMessageBox::Critical, t, x, false); }
bool MyMessageBox::information(QWidget *, const QString &t, const QString &x) { return runBox(QMessageBox::Information, t, x, false); }
bool MyMessageBox::warning(QWidget *, const QString &t, const QString &x) { return runBox(QMessageBox::Warning, t, x, false); }
