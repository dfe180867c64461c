#include "linktestsupport.h"

#include "Graphics/resolutionratioscene.h"
#include "Graphics/userview.h"
#include "communicationdialog.h"
#include "globals.h"
#include "link/serialportmanager.h"
#include "mainwindow.h"
#include "networkdialog.h"

#include <QTimer>

void resetLinkFlags()
{
    g_serialConnected = false;
    g_networkConnected = false;
    g_offlineMode = false;
    g_serialPortOpen = 0;
    g_pendingStatusCode = 0;
    g_statusMessagePending = false;
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
    std::unique_ptr<MainWindow> w(new MainWindow);
    UserView *view = formChild<UserView>(w.get(), "graphicsView");
    if (view->mScenes.isEmpty())
        view->mScenes.append(new ResolutionRatioScene(QRectF(0, 0, 3840, 2160), view));
    return w;
}
