#ifndef MYFRAME_H
#define MYFRAME_H

#include <QFrame>

class MainWindow;

// One of the ten preset previews.
class MyFrame : public QFrame
{
    Q_OBJECT
public:
    explicit MyFrame(QWidget *parent = nullptr);
    void retranslateMenu() {}
};

#endif
