#ifndef WIDGETCONTEXTMANAGE_H
#define WIDGETCONTEXTMANAGE_H

#include <QObject>

class MainWindow;
class MainTitleBar;

// Program-wide registry of the main window and the main title bar.
class WidgetContextManage : public QObject
{
    Q_OBJECT
public:
    static WidgetContextManage *getInstance();
    void setMainWindow(MainWindow *window) { mMainWindow = window; }
    MainWindow *mainWindow() const { return mMainWindow; }
    void setMainTitleBar(MainTitleBar *bar) { mMainTitleBar = bar; }
    MainTitleBar *mainTitleBar() const { return mMainTitleBar; }

private:
    WidgetContextManage() = default;
    MainWindow *mMainWindow = nullptr;
    MainTitleBar *mMainTitleBar = nullptr;
};

#endif
