#ifndef ABOUT_H
#define ABOUT_H

#include <QWidget>

// About window of the title bar (kept hidden in the running program).
class About : public QWidget
{
    Q_OBJECT
public:
    explicit About(QWidget *parent = nullptr);
    void retranslateUi();
};

#endif
