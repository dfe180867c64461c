// TCP link: connect and disconnect, the start-up read with its query stepper,
// and the status frames the box answers with.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "globals.h"
#include "Graphics/inputchannel.h"
#include "Graphics/resolutionratioscene.h"
#include "Graphics/userview.h"
#include "Graphics/wallgeometry.h"
#include "link/devicecommand.h"
#include "link/linkstatus.h"
#include "link/linktr.h"
#include "link/networkportmanager.h"
#include "link/routetable.h"
#include "link/statusframe.h"
#include "maincontent/mymessagebox.h"
#include "maincontent/waitingwidget.h"
#include "networkdialog.h"

#include <QAction>
#include <QComboBox>
#include <QHostAddress>
#include <QMessageBox>
#include <QPushButton>
#include <QTcpSocket>
#include <QTimer>

namespace {
constexpr int kConnectTimeoutMs = 1500;
constexpr int kQueryIntervalMs = 600;
constexpr int kReadWaitMs = 5000;
constexpr int kLastQueryStep = 5;

// Posts the code for the status timer and shows its line at once.
void setLinkStatus(MainWindow *window, int code)
{
    postLinkStatus(code);
    const int language = languageColumn();
    window->showStatusText(window->mStatusText[0][language] + window->mStatusText[code][language]);
}

// Arms the stepper for its next query, one interval from now.
void armQueryTimer(QTimer *timer)
{
    timer->setInterval(kQueryIntervalMs);
    timer->start();
}

ResolutionRatioScene *currentScene(MainWindow *window)
{
    UserView *view = window->ui->graphicsView;
    return view ? view->mScenes.value(window->mCurrentSceneIndex) : nullptr;
}

// Step 0 asks for the global state, 1..4 for window 1..4, the last closes the read.
QString queryText(int step)
{
    if (step == 0)
        return QLatin1String(DeviceCommand::QueryGlobal);
    if (step >= 1 && step <= 4)
        return DeviceCommand::windowQuery(step);
    if (step == kLastQueryStep)
        return QLatin1String(DeviceCommand::QueryEnd);
    return QString();
}

// The three exclusive mode flags and the fourth flag the first window keeps.
void applyGlobalFlags(InputChannel *first, const GlobalStatus &g)
{
    if (!first)
        return;
    if (g.mode >= 0 && g.mode <= 2) {
        first->mAudioAllOutputs = g.mode == 0;
        first->mAudioOutput1Only = g.mode == 1;
        first->mAudioOff = g.mode == 2;
    }
    first->mVideoGen = g.flag;
}

// The values the TCP road reads beyond those both roads read.
void applyFrameOnlyValues(InputChannel *ch, const WindowStatus &w)
{
    ch->mCropHStart = w.cropHStart;
    ch->mCropVStart = w.cropVStart;
    ch->mCropHEnd = w.cropHEnd;
    ch->mCropVEnd = w.cropVEnd;
    ch->mDeinterlace = w.deinterlace;
    ch->mPullDown22 = w.pullDown22;
    ch->mPullDown22Timer = w.pullDown22Timer;
    ch->mPullDown23 = w.pullDown23;
    ch->mPullDown23Timer = w.pullDown23Timer;
    ch->mSensitivity = w.sensitivity;
    ch->mDiagonal = w.diagonal;
    ch->m24PSF = w.psf24;
    ch->mBlueCorrection = w.blueCorrection;
    ch->mGreenCorrection = w.greenCorrection;
    ch->mSkinCorrection = w.skinCorrection;
    if (w.solidColor) {
        ch->mRed = w.red;
        ch->mGreen = w.green;
        ch->mBlue = w.blue;
    }
    ch->mSolidRed = w.red;
    ch->mSolidGreen = w.green;
    ch->mSolidBlue = w.blue;
    ch->mSolidColor = w.solidColor;
    // A source outside 0..4 names nothing the box could be told back.
    if (w.source >= 0)
        ch->mInputSourceIndex = w.source;
    if (w.reportedSource >= 0)
        ch->mInputSourceID = w.reportedSource;
}
} // namespace

void MainWindow::on_connect_clicked()
{
    g_offlineMode = false;
    if (!g_serialConnected && !g_networkConnected)
        setCurrentWindowsMovable(false);
    mReadOk = false;

    // Without a single IPv4 address on this PC there is nothing to connect from.
    if (RouteTable::ipv4Addresses(RouteTable::text()).isEmpty()) {
        MyMessageBox::error(this, linkTr("错误"), linkTr("请设置正确IP地址！"));
        return;
    }

    if (g_networkConnected) {
        if (!g_serialConnected)
            disableControls();
        // Cleared before the close, so the disconnect handler knows the user asked.
        g_networkConnected = false;
        NetworkPortManager::getInstance()->setUdpSession(false);
        ui->connect->setText(linkTr("连接服务器"));
        setLinkStatus(this, kStatusNotConnected);
        mTcpSocket->close();
        return;
    }

    const QString ip = mNetworkDialog ? mNetworkDialog->mIp : QString();
    bool ok = false;
    quint16 port = mNetworkDialog ? mNetworkDialog->mPort.toUShort(&ok, 10) : 0;
    if (!ok)
        port = 0;
    // Commands go to this socket from now on, not to a UDP device.
    NetworkPortManager::getInstance()->setUdpSession(false);
    if (mTcpSocket->state() != QAbstractSocket::UnconnectedState)
        mTcpSocket->abort();
    // The start of a frame from an earlier link never completes on this one.
    mTcpFrames.clear();
    mTcpSocket->connectToHost(QHostAddress(ip), port, QIODevice::ReadWrite);
    ui->connect->setText(linkTr("连接中") + QStringLiteral("..."));
    setLinkStatus(this, kStatusConnecting);
    mConnectTimer->setInterval(kConnectTimeoutMs);
    mConnectTimer->start();
}

void MainWindow::onConnectTimeout()
{
    mConnectTimer->stop();
    g_networkConnected = false;
    mTcpSocket->abort();
    ui->connect->setText(linkTr("连接服务器"));
    setLinkStatus(this, kStatusNotConnected);

    QMessageBox box;
    box.setText(g_languageIndex == 0
                    ? linkTr("连接失败！请检查后重新连接！\n1、网口松了\n2、网络配置错误\n3、是否被其他的程序占用\n")
                    : linkTr("Connection failed! Please check and reconnect! \n1.Network interface loose \n"
                             "2.Network configuration error\n3.Whether it is occupied  by other programs\n"));
    QPushButton *ok = box.addButton(linkTr("确定"), QMessageBox::ActionRole);
    ok->setFixedSize(50, 28);
    box.exec();
}

void MainWindow::onTcpConnected()
{
    enableControls();
    setCurrentWindowsMovable(true);
    mConnectTimer->stop();
    g_networkConnected = true;
    NetworkPortManager::getInstance()->setUdpSession(false);
    ui->connect->setText(linkTr("断开连接"));
    setLinkStatus(this, kStatusConnected);

    mQueryStep = 0;
    armQueryTimer(mQueryTimer);
    // The stepper, the pump and the frame parser all run inside this wait.
    WaitingWidget waiting(linkTr("waiting"), kReadWaitMs, 0);
    waiting.exec();
    QTimer::singleShot(1, this, &MainWindow::checkFirstRead);
}

// The UDP socket is only ever bound, never connected; kept alike all the same.
void MainWindow::onUdpConnected()
{
    onTcpConnected();
}

void MainWindow::onStartupQueryTimeout()
{
    mQueryTimer->stop();
    const QString text = queryText(mQueryStep);
    if (text.isEmpty())
        return;
    sendCommand(text);
    if (mQueryStep < kLastQueryStep) {
        ++mQueryStep;
        armQueryTimer(mQueryTimer);
    }
}

void MainWindow::checkFirstRead()
{
    if (!mReadOk) {
        // One more pass through the queries; a failed read keeps the link.
        mQueryStep = 0;
        armQueryTimer(mQueryTimer);
        WaitingWidget waiting(linkTr("正在重新读取...(1/1)"), kReadWaitMs, 0);
        waiting.exec();
    }
    if (mReadOk)
        MyMessageBox::information(this, linkTr("消息"), linkTr("读取成功！"));
    else
        MyMessageBox::error(this, linkTr("错误"), linkTr("读取失败！"));
}

void MainWindow::onServerDisconnected()
{
    if (!g_serialConnected)
        disableControls();
    setCurrentWindowsMovable(false);
    // Still set means the box or the network closed the link, not the user.
    if (g_networkConnected)
        MyMessageBox::error(this, linkTr("连接错误"), linkTr("连接已断开，请检查网络连接"));
    mTcpSocket->close();
    g_networkConnected = false;
    ui->connect->setText(linkTr("连接服务器"));
    setLinkStatus(this, kStatusNotConnected);
}

void MainWindow::onTcpReadyRead()
{
    // TCP is a stream: one read may hold half a frame or several.
    const QList<QByteArray> frames = mTcpFrames.feed(mTcpSocket->readAll());
    for (const QByteArray &frame : frames)
        parsingLowerComputerStatusByTcp(frame.toHex());
}

void MainWindow::parsingLowerComputerStatusByTcp(const QByteArray &hexText)
{
    const StatusFrameRead read = parseStatusFrame(hexText);
    if (read.kind == StatusFrameRead::Global)
        applyGlobalStatus(read.global);
    else if (read.kind == StatusFrameRead::Window)
        applyWindowStatus(read.window);
}

void MainWindow::applyGlobalStatus(const GlobalStatus &g)
{
    g_channelFrameCount = 0;
    emit readInfo(QStringLiteral("MainWindow::read： "));
    emit readInfo(QStringLiteral("全局设置- ") + QString::number(g.deviceValue));

    ResolutionRatioScene *scene = currentScene(this);
    // A grid the lists cannot show is ignored and the current one stays.
    const bool gridFits = g.gridValid() && g.rows <= ui->rowCbx->count() && g.columns <= ui->columnCbx->count();
    if (gridFits) {
        ui->rowCbx->setCurrentIndex(g.rows - 1);
        ui->columnCbx->setCurrentIndex(g.columns - 1);
        updateWallScene();
        if (scene)
            scene->setLayout(ui->rowCbx->currentText() + QStringLiteral("x") + ui->columnCbx->currentText());
        applyLayoutZoom(ui->rowCbx->currentIndex(), ui->columnCbx->currentIndex());
    }
    if (!scene)
        return;
    // After the rebuild above, which puts every window back to its defaults.
    applyGlobalFlags(scene->mChannels.value(0), g);
    for (int i = 0; i < scene->mChannels.size() && i < 4; ++i) {
        const int layer = g.layerOfWindow(i);
        if (layer > 0) {
            scene->mChannels.at(i)->mLayer = layer;
            scene->mChannels.at(i)->setZValue(5 - layer);
        }
    }
}

void MainWindow::applyReadPicture(InputChannel *window, const WindowStatus &s)
{
    window->mContrast = s.contrast;
    window->mLuminance = s.luminance;
    window->mHSharpness = s.hSharpness;
    window->mVSharpness = s.vSharpness;
    window->mSaturation = s.saturation;
    window->mHue = s.hue;
    window->mColorTemperature = s.colorTemperature;
    window->mDeGamma = s.deGamma;
    window->mPanelGamma = s.panelGamma;
    window->mHMirror = s.hMirror;
    window->mVMirror = s.vMirror;
    window->mHFiltration = s.hFiltration;
    window->mVFiltration = s.vFiltration;
    window->mShadow = s.shadow;
    window->mBlock = s.block;
    window->mNoise = s.noise;
    window->mHair = s.hair;
    window->mFreeze = s.freeze;
    window->mAudio = s.audio;
}

void MainWindow::applyWindowStatus(const WindowStatus &w)
{
    const int c = w.channel;
    ++g_channelFrameCount;
    if (c == 4 && g_channelFrameCount == 4)
        mReadOk = true;

    ResolutionRatioScene *scene = currentScene(this);
    InputChannel *ch = scene ? scene->mChannels.value(c - 1) : nullptr;
    if (!ch)
        return;

    emit readInfo(QStringLiteral("通道： ") + QString::number(c)
                  + QStringLiteral("   数据头正确！  数据尾正确！  数据长度正确！"));

    // A canvas larger than the box's space stretches that space over itself;
    // an empty canvas keeps the window where it is.
    const QRectF canvas = scene->sceneRect();
    if (canvas.width() > 0 && canvas.height() > 0) {
        using WallGeometry::canvasFromDevice;
        const WallGeometry::Factors f = WallGeometry::cappedFactors(canvas.width(), canvas.height());
        ch->setRect(QRectF(0, 0, canvasFromDevice(w.width, f.x), canvasFromDevice(w.height, f.y)));
        ch->setPos(canvasFromDevice(w.x, f.x), canvasFromDevice(w.y, f.y));
    }

    applyReadPicture(ch, w);
    applyFrameOnlyValues(ch, w);

    QAction *openAction = ui->graphicsView ? ui->graphicsView->mOpenWindowActions.value(c - 1) : nullptr;
    if (w.open)
        ch->openChannel();
    else
        ch->closeChannel();
    if (openAction)
        openAction->setVisible(!w.open);

    if (w.rotation >= 0)
        ch->setRotationDegrees(w.rotation);

    if (w.source >= 0 && w.source < 4) {
        const InputResolution input = applyInputResolution(w.source, w.resolutionCode, StateRoad::Tcp);
        const int width = input.size.width();
        const int height = input.size.height();
        if (input.kind == InputResolutionClass::Listed)
            emit readInfo(linkTr("窗口%1，输入源%2分辨率(%3,%4)").arg(c).arg(w.source).arg(width).arg(height));
        else
            emit readInfo(linkTr("窗口%1，输入源%2-无信号，使用默认分辨率(%3x%4)").arg(c).arg(w.source).arg(width).arg(height));
        ch->mCropHEnd = w.cropHEnd != 0 ? w.cropHEnd : width;
        ch->mCropVEnd = w.cropVEnd != 0 ? w.cropVEnd : height;
        emit readInfo(linkTr("MainWindow::send： %1").arg(w.resolutionCode));
    }

    if (ui->graphicsView)
        ui->graphicsView->viewport()->update();
    changeUIBaseSelectChannel(ui->currentChannelCBox->currentIndex() + 1);
}
