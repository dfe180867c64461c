#ifndef WIDGETCONTEXTMANAGE_H
#define WIDGETCONTEXTMANAGE_H

#include <QObject>

#include <memory>
#include <vector>

class MainWindow;
class MainTitleBar;
class InputSourceInformation;

// Program-wide registry of the main window and the main title bar. It owns
// neither and is not told when they go away.
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

// Four window records with the wall's default values and source indexes 1 to 4.
std::vector<std::unique_ptr<InputSourceInformation>> createDefaultSourceRecords();

#endif
