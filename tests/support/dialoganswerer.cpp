#include "dialoganswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

namespace {

// The button of a message box or button box that gives the wanted answer.
template <typename Box>
QAbstractButton *answerButton(Box *box, DialogAnswerer::Answer answer)
{
    QAbstractButton *target = nullptr;
    for (QAbstractButton *b : box->buttons()) {
        const auto role = box->buttonRole(b);
        if (answer == DialogAnswerer::Accept && (role == Box::AcceptRole || role == Box::YesRole))
            target = b;
        if (answer == DialogAnswerer::Reject && (role == Box::RejectRole || role == Box::NoRole))
            target = b;
    }
    return target;
}

} // namespace

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
    mHandled.removeAll(QPointer<QObject>());
    if (!w || mHandled.contains(QPointer<QObject>(w)))
        return;
    mHandled.append(w);
    Seen s;
    s.className = QString::fromLatin1(w->metaObject()->className());
    s.title = w->windowTitle();
    s.size = w->size();
    s.minimumSize = w->minimumSize();
    s.maximumSize = w->maximumSize();
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
    const Answer answer = mTextAnswers.value(s.text, mClassAnswers.value(s.className, mAnswer));
    if (answer == Leave)
        return;
    QPointer<QWidget> guard(w);
    QAbstractButton *target = nullptr;
    if (auto *box = qobject_cast<QMessageBox *>(w))
        target = answerButton(box, answer);
    else if (auto *box = w->findChild<QDialogButtonBox *>())
        target = answerButton(box, answer);
    if (target) {
        target->click();
        return;
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
