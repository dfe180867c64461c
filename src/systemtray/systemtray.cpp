#include "systemtray.h"

#include <QAction>
#include <QMenu>

#include "common.h"
#include "maincontent/makerpage.h"

SystemTray::SystemTray(QObject *parent) : QSystemTrayIcon(parent)
{
    initMenu();
    mMenu->addAction(mAboutAction);
}

SystemTray::~SystemTray()
{
    delete mMenu;
}

void SystemTray::initMenu()
{
    mMenu = new QMenu;
    mAboutAction = new QAction(tr("关于Corvane "), this);
    setIcon(QIcon(kDefaultImagePath));
    setToolTip(tr("控制"));
    connect(mAboutAction, &QAction::triggered, this, &SystemTray::aboutSlot);
    setContextMenu(mMenu);
    setVisible(true);
}

void SystemTray::aboutSlot()
{
    // The Chinese page whatever the UI language.
    MakerPage::open(MakerPage::Chinese);
}
