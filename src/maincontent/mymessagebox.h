#ifndef MYMESSAGEBOX_H
#define MYMESSAGEBOX_H

#include <QWidget>

// Modal question, error, information and warning boxes; the button captions
// follow the UI language at the moment of the call. True means "confirm".
class MyMessageBox : public QWidget
{
    Q_OBJECT
public:
    explicit MyMessageBox(QWidget *parent = nullptr);
    static bool question(QWidget *parent, const QString &title, const QString &text);
    static bool error(QWidget *parent, const QString &title, const QString &text);
    static bool information(QWidget *parent, const QString &title, const QString &text);
    static bool warning(QWidget *parent, const QString &title, const QString &text);
};

#endif
