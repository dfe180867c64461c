#ifndef MAINTITLEBAR_H
#define MAINTITLEBAR_H

#include <QWidget>

class MainWindow;

// Frameless title bar of the main window.
class MainTitleBar : public QWidget
{
    Q_OBJECT
public:
    explicit MainTitleBar(QWidget *parent = nullptr);
    void setMainWindow(MainWindow *window) { mMainWindow = window; }
    void retranslateTexts() {}

signals:
    void closeWindow();

public slots:
    void bar(QString) {}

private:
    MainWindow *mMainWindow = nullptr;
};

#endif
