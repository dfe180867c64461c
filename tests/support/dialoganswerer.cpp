#include "dialoganswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

DialogAnswerer::DialogAnswerer(Answer answer, QObject *parent) : QObject(parent), mAnswer(answer)
{
    connect(&mTimer, &QTimer::timeout, this, &DialogAnswerer::poll);
    mTimer.start(10);
}

DialogAnswerer::~DialogAnswerer() = default;

QStringList DialogAnswerer::titles() const
{
    QStringList out;
    for (const Seen &s : seen)
        out << s.title;
    return out;
}

QStringList DialogAnswerer::texts() const
{
    QStringList out;
    for (const Seen &s : seen)
        out << s.text;
    return out;
}

void DialogAnswerer::poll()
{
    QWidget *w = QApplication::activeModalWidget();
    if (!w || mHandled.contains(w))
        return;
    mHandled.append(w);
    Seen s;
    s.className = QString::fromLatin1(w->metaObject()->className());
    s.title = w->windowTitle();
    if (auto *box = qobject_cast<QMessageBox *>(w)) {
        s.text = box->text();
        for (QAbstractButton *b : box->buttons())
            s.buttons << b->text();
    } else {
        QStringList parts;
        for (QLabel *l : w->findChildren<QLabel *>())
            if (!l->text().isEmpty())
                parts << l->text();
        s.text = parts.join(QLatin1Char('\n'));
        for (QAbstractButton *b : w->findChildren<QAbstractButton *>())
            s.buttons << b->text();
    }
    seen.append(s);
    const Answer answer = mAnswerFor.value(s.className, mAnswer);
    if (answer == Leave)
        return;
    QPointer<QWidget> guard(w);
    if (auto *box = qobject_cast<QMessageBox *>(w)) {
        QAbstractButton *target = nullptr;
        for (QAbstractButton *b : box->buttons()) {
            QMessageBox::ButtonRole role = box->buttonRole(b);
            if (answer == Accept && (role == QMessageBox::AcceptRole || role == QMessageBox::YesRole))
                target = b;
            if (answer == Reject && (role == QMessageBox::RejectRole || role == QMessageBox::NoRole))
                target = b;
        }
        if (target) {
            target->click();
            return;
        }
    }
    if (auto *dlg = qobject_cast<QDialog *>(w)) {
        if (answer == Accept)
            dlg->accept();
        else
            dlg->reject();
    } else if (guard) {
        w->close();
    }
}
