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
    // Until the constructor carries the whole start-up sequence, do its link
    // share here, in its order.
    if (!w->mSendTimer) {
        w->mNetworkDialog = new NetworkDialog;
        w->mNetworkDialog->setMainWindow(w.get());
        w->initSpliceCommandTable();
        w->initSerialPort();
        w->initNetwork();
        w->mSerialPort = SerialPortManager::getInstance()->serialPort();
        w->initTimers();
        w->mCommunicationDialog = new CommunicationDialog(w.get());
        QObject::connect(w.get(), &MainWindow::readInfo, w->mCommunicationDialog, &CommunicationDialog::showInfo);
        w->disableControls();
        w->mSendTimer = new QTimer(w.get());
        w->mSendTimer->start(250);
        QObject::connect(w->mSendTimer, &QTimer::timeout, w->mSendTimer, [mw = w.get()]() { mw->onSendTimer(); },
                         Qt::DirectConnection);
    }
    UserView *view = formChild<UserView>(w.get(), "graphicsView");
    if (view->mScenes.isEmpty())
        view->mScenes.append(new ResolutionRatioScene(QRectF(0, 0, 3840, 2160), view));
    return w;
}
