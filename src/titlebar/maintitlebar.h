#ifndef MAINTITLEBAR_H
#define MAINTITLEBAR_H

#include "titlebar.h"

class About;
class QLabel;
class Cabout;
class MainWindow;
class Ui_MainTitleBar;

// Title bar of the frameless main window: model name, language buttons,
// minimise and close. Its close button runs the program's close sequence.
class MainTitleBar : public TitleBar
{
    Q_OBJECT
public:
    explicit MainTitleBar(QWidget *parent = nullptr);
    ~MainTitleBar() override;

    void setMainWindow(MainWindow *window) { mMainWindow = window; }
    void retranslateTexts();
    Ui_MainTitleBar *form() const { return ui; }
    QLabel *titleLabel() const;

    About *mAbout = nullptr;
    Cabout *mCabout = nullptr;
    MainWindow *mMainWindow = nullptr;
    Ui_MainTitleBar *ui = nullptr;

signals:
    void closeWindow();

public slots:
    void on_pushButtonClose_clicked();
    void on_pushButtonMin_clicked();
    void on_pushButton_clicked();
    void bar();
    void on_pushButtonChange_clicked();
    void on_pushButton_EN_clicked();
    void on_pushButton_RU_clicked();
    void on_pushButton_CH_clicked();
    void on_pushButton_ES_clicked();

private:
    void switchTo(int index);
};

#endif
