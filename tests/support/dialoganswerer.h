#ifndef DIALOGANSWERER_H
#define DIALOGANSWERER_H

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QStringList>
#include <QTimer>

// Answers modal dialogs (message boxes, busy boxes, colour dialog) while a
// test runs: each one that appears is recorded (class, title, text) and then
// accepted or rejected. Start it before the call that opens the dialog.
// Accept presses the box's accept (OK/Yes) button, Reject its reject (Cancel/No)
// button; a dialog without such a button is accepted or rejected directly
// (Reject then acts like Escape). Leave only records.
class DialogAnswerer : public QObject
{
    Q_OBJECT
public:
    enum Answer { Accept, Reject, Leave };
    explicit DialogAnswerer(Answer answer = Accept, QObject *parent = nullptr);
    ~DialogAnswerer() override;

    void setAnswer(Answer answer) { mAnswer = answer; }
    // A different answer for dialogs of one class, e.g. ("WaitingWidget", Leave)
    // lets busy boxes run their time while message boxes are still answered.
    void setClassAnswer(const QString &className, Answer answer) { mClassAnswers.insert(className, answer); }
    void setAnswerFor(const QString &className, Answer answer) { setClassAnswer(className, answer); }
    // A different answer for dialogs showing exactly this text; it goes before
    // the class's. Accepting a busy box that only reports a result ends its
    // wait early.
    void setTextAnswer(const QString &text, Answer answer) { mTextAnswers.insert(text, answer); }
    void clearTextAnswers() { mTextAnswers.clear(); }

    struct Seen {
        QString className;
        QString title;
        QString text;
        QStringList buttons;
        QSize size;              // as shown
        QSize minimumSize;
        QSize maximumSize;
    };
    QList<Seen> seen;
    QStringList titles() const;
    QStringList texts() const;
    void clear() { seen.clear(); }

private:
    void poll();
    Answer mAnswer;
    QHash<QString, Answer> mClassAnswers;
    QHash<QString, Answer> mTextAnswers;
    QTimer mTimer;
    // Guarded: a later dialog built at a dead one's address is a new dialog.
    QList<QPointer<QObject>> mHandled;
};

#endif
