#ifndef USERVIEW_H
#define USERVIEW_H

#include <QGraphicsView>
#include <QList>

class MainWindow;
class ResolutionRatioScene;
class QAction;
class QMenu;

// The interactive wall view: shows one of four output canvases.
class UserView : public QGraphicsView
{
    Q_OBJECT
public:
    explicit UserView(QWidget *parent = nullptr);
    ~UserView() override;

    void setMainWindow(MainWindow *mainWindow);
    void sendCommand(const QString &hexText);
    void setSendInterval(int ms, MainWindow *mainWindow);
    void retranslateMenus();
    void setCursorMode(int mode);

    QList<ResolutionRatioScene *> mScenes;
    QList<QAction *> mOpenWindowActions;
    QMenu *mOpenWindowMenu = nullptr;
    QMenu *mContextMenu = nullptr;
    MainWindow *mMainWindow = nullptr;

signals:
    void changeRightMenuInfo();
    void changeRightMenuInfoWithIndex(int currentChannelIndex);
    void changeInputSourceInfo(int currentItemIndex, int mInputSourceIndex);
    void readInfo(QString info);
};

#endif
