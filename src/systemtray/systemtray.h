#ifndef SYSTEMTRAY_H
#define SYSTEMTRAY_H

#include <QSystemTrayIcon>

class QAction;
class QMenu;

// Notification-area icon whose one menu entry opens the product's Chinese web
// page. Nothing in the program creates it.
class SystemTray : public QSystemTrayIcon
{
    Q_OBJECT
public:
    explicit SystemTray(QObject *parent = nullptr);
    ~SystemTray() override;

    void initMenu();

    QMenu *mMenu = nullptr;            // a menu cannot have a non-widget parent
    QAction *mAboutAction = nullptr;

signals:
    void showMainWindow();
    void showAboutUs();

public slots:
    void aboutSlot();
};

#endif
