#ifndef WAITINGWIDGET_H
#define WAITINGWIDGET_H

#include <QDialog>
#include <QPointer>

// Frameless busy box run modally with exec(); closes itself after msec.
class WaitingWidget : public QDialog
{
    Q_OBJECT
public:
    explicit WaitingWidget(const QString &text, int msec, int flag = 0);
    static void setBoxSize(int width, int height);
    static int boxWidth();
    static int boxHeight();
};

// Grey label centred over a parent window that fades out after a while.
class NoticeWidget : public QWidget
{
    Q_OBJECT
public:
    explicit NoticeWidget(QWidget *parent = nullptr);
    void Notice(QWidget *parent, const QString &text, int ms);
};

#endif
