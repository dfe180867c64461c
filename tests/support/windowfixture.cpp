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

void resetProgramState()
{
    g_serialConnected = false;
    g_networkConnected = false;
    g_offlineMode = false;
    g_serialPortOpen = 0;
    g_languageIndex = 0;
    g_pendingStatusCode = 0;
    g_statusMessagePending = false;
    versionType = 5;
    g_outputMode = 0;
    for (int &supported : g_windowInputSupported)
        supported = 1;
    g_channelFrameCount = 0;
    g_viewMode = 1;
    g_zoomStep = 40;
    g_inputAllowed = true;
    g_pressFinished = true;
    g_xyAlternate = true;
    g_stepCounter = 0;

    NetworkPortManager *holder = NetworkPortManager::getInstance();
    holder->mLocalIp.clear();
    holder->mDeviceIp.clear();
    holder->mDhcpMode = false;
    holder->setUdpSession(false);

    RouteTable::setCommand(QString(), QStringList());
    WaitingWidget::setSize(250, 100);
    DragPushButton::sStartX = 0;
    DragPushButton::sStartY = 0;
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
