#include "linktestsupport.h"

#include "globals.h"
#include "link/networkportmanager.h"
#include "link/serialportmanager.h"
#include "mainwindow.h"

#include <QDir>

void resetLinkFlags()
{
    g_serialConnected = false;
    g_networkConnected = false;
    g_offlineMode = false;
    g_serialPortOpen = 0;
    g_pendingStatusCode = 0;
    g_statusMessagePending = false;
    NetworkPortManager::getInstance()->setUdpSession(false);
}

void offerSerialPorts(const QStringList &paths)
{
    setSerialPortLister([paths]() {
        QList<SerialPortEntry> entries;
        for (const QString &path : paths)
            entries.append({path, QStringLiteral("test pty")});
        return entries;
    });
}

std::unique_ptr<MainWindow> makeLinkedMainWindow()
{
    return std::unique_ptr<MainWindow>(new MainWindow);
}

void enterPortlessLinkTest(const QString &dirPath)
{
    QDir::setCurrent(dirPath);
    offerSerialPorts({});
}

std::unique_ptr<MainWindow> makeFreshLinkedMainWindow()
{
    resetLinkFlags();
    return makeLinkedMainWindow();
}
