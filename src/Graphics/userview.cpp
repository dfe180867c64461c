#include "userview.h"

UserView::UserView(QWidget *parent) : QGraphicsView(parent) {}
UserView::~UserView() = default;
void UserView::setMainWindow(MainWindow *mainWindow) { mMainWindow = mainWindow; }
void UserView::sendCommand(const QString &) {}
void UserView::setSendInterval(int, MainWindow *) {}
void UserView::retranslateMenus() {}
void UserView::setCursorMode(int) {}
