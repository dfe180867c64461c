#ifndef ABOUT_H
#define ABOUT_H

#include <QWidget>

class Ui_About;

// About window of the title bar: name, version and the product's web page.
// The title bar builds it and keeps its texts in the current language; its
// button that would show it is hidden.
class About : public QWidget
{
    Q_OBJECT
public:
    explicit About(QWidget *parent = nullptr);
    ~About() override;

    void retranslateUi();

    Ui_About *ui = nullptr;

public slots:
    void openUrl();
    void on_pushButton_clicked();
};

#endif
