#ifndef MYMESSAGEBOX_H
#define MYMESSAGEBOX_H

#include <QWidget>

// Modal question, error, information and warning boxes. Each is a top-level
// window (the parent argument is accepted and not used); the button captions
// follow g_languageIndex at the moment of the call. True means the confirm
// button was pressed; Escape, Cancel or the close button give false.
// The usual titles are translated in this class's context:
// MyMessageBox::tr("警告"), tr("错误"), tr("消息").
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
