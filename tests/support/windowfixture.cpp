#include "windowfixture.h"

#include "globals.h"
#include "link/networkportmanager.h"
#include "link/routetable.h"
#include "link/serialportmanager.h"
#include "maincontent/controlwidget/framecontrol/dragpushbutton.h"
#include "maincontent/waitingwidget.h"
#include "mainwindow.h"

#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <iterator>

void resetProgramState()
{
    g_serialConnected = g_networkConnected = g_offlineMode = g_statusMessagePending = false;
    g_inputAllowed = g_pressFinished = g_xyAlternate = true;
    g_serialPortOpen = g_languageIndex = g_pendingStatusCode = g_outputMode = g_channelFrameCount = g_stepCounter = 0;
    versionType = 5;
    g_viewMode = 1;
    g_zoomStep = 40;
    std::fill(std::begin(g_windowInputSupported), std::end(g_windowInputSupported), 1);

    NetworkPortManager *holder = NetworkPortManager::getInstance();
    holder->mLocalIp.clear();
    holder->mDeviceIp.clear();
    holder->mDhcpMode = false;
    holder->setUdpSession(false);

    RouteTable::setCommand(QString(), QStringList());
    WaitingWidget::setSize(250, 100);
    DragPushButton::sStartX = DragPushButton::sStartY = 0;
    setSerialPortLister(SerialPortLister());
}

WindowFixture::WindowFixture(const std::function<void()> &beforeWindow)
{
    mDir = new QTemporaryDir;
    mOldDir = QDir::currentPath();
    if (!mDir->isValid() || !QDir::setCurrent(mDir->path()))
        qWarning("no temporary working directory");
    resetProgramState();
    if (beforeWindow)
        beforeWindow();
    mw = new MainWindow;
}

WindowFixture::~WindowFixture()
{
    delete mw;
    resetProgramState();
    QDir::setCurrent(mOldDir);
    delete mDir;
}

QString WindowFixture::dirPath() const
{
    return mDir->path();
}

void WindowFixture::rebuildWindow()
{
    delete mw;
    mw = new MainWindow;
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
