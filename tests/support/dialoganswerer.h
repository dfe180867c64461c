#ifndef DIALOGANSWERER_H
#define DIALOGANSWERER_H

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

// Answers modal dialogs (message boxes, busy boxes, colour dialog) while a
// test runs: each one that appears is recorded (class, title, text) and then
// accepted or rejected. Start it before the call that opens the dialog.
class DialogAnswerer : public QObject
{
    Q_OBJECT
public:
    enum Answer { Accept, Reject, Leave };
    explicit DialogAnswerer(Answer answer = Accept, QObject *parent = nullptr);
    ~DialogAnswerer() override;

    void setAnswer(Answer answer) { mAnswer = answer; }
    // Dialogs of this class get their own answer (Leave lets a busy box run out).
    void setAnswerFor(const QString &className, Answer answer) { mAnswerFor[className] = answer; }

    struct Seen {
        QString className;
        QString title;
        QString text;
        QStringList buttons;
    };
    QList<Seen> seen;
    QStringList titles() const;
    QStringList texts() const;
    void clear() { seen.clear(); }

private:
    void poll();
    Answer mAnswer;
    QHash<QString, Answer> mAnswerFor;
    QTimer mTimer;
    // Guarded: a later dialog built at a dead one's address is a new dialog.
    QList<QPointer<QObject>> mHandled;
};

#endif
