// The UDP road: search answers, state records, and the device state read of
// connect and refresh with its 2-of-3 agreement.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "globals.h"
#include "networkdialog.h"
#include "Graphics/inputchannel.h"
#include "Graphics/inputsourcebutton.h"
#include "Graphics/resolutionratioscene.h"
#include "Graphics/userview.h"
#include "Graphics/wallgeometry.h"
#include "link/devicecommand.h"
#include "link/devicepacket.h"
#include "link/devicestate.h"
#include "link/linkstatus.h"
#include "link/linktr.h"
#include "link/networkportmanager.h"
#include "link/udpreply.h"
#include "link/windowstatus.h"
#include "maincontent/mymessagebox.h"
#include "maincontent/waitingwidget.h"

#include <QAction>
#include <QDebug>
#include <QListView>
#include <QNetworkDatagram>
#include <QUdpSocket>

namespace {
const int kReadWaitMs = 300;
const QSize kNoSignalSize(WallGeometry::DeviceWidth, WallGeometry::DeviceHeight);

void wait(const QString &text, int ms)
{
    WaitingWidget busy(text, ms, 0);
    busy.exec();
}

void hideGridEntries(QComboBox *combo, bool hide)
{
    auto *list = qobject_cast<QListView *>(combo->view());
    if (!list)
        return;
    for (int i = 9; i < 18 && i < combo->count(); ++i)
        list->setRowHidden(i, hide);
}
}

void MainWindow::on_NetConnectBtn_clicked()
{
    mNetworkDialog->raise();
    mNetworkDialog->show();
}

void MainWindow::parsingLowerComputerStatusByUdp()
{
    // Every waiting datagram is taken, a bad one too, or the socket would
    // signal no more; but a batch at a time, so that a host flooding the port
    // cannot hold the event loop and its timers. The rest signal again.
    constexpr int kBatch = 64;
    for (int taken = 0; taken < kBatch && mUdpSocket->hasPendingDatagrams(); ++taken) {
        const QNetworkDatagram received = mUdpSocket->receiveDatagram();
        const QByteArray datagram = received.data();
        if (mDiscoveryMode)
            mNetworkDialog->addSearchAnswer(datagram);
        // Any host on the network can send to our port; only the box being
        // read may decide what its windows hold.
        if (ReplyState != 0
                && received.senderAddress().isEqual(mReadDeviceAddress, QHostAddress::ConvertV4MappedToIPv4))
            fileStatusRecords(datagram);
    }
}

void MainWindow::fileStatusRecords(const QByteArray &datagram)
{
    const StatusRecords parsed = parseStatusRecords(datagram);
    for (const auto &record : parsed.records) {
        if (ReplyState == 1 || ReplyState == 2)
            emit readInfo(QStringLiteral("MainWindow::received\uFF1A key-") + QString::number(record.first)
                          + QStringLiteral("    value-") + record.second);
        switch (ReplyState) {
        case 1: mReplyMapGlobal.insert(record.first, record.second); break;
        case 2: mReplyMapA.insert(record.first, record.second); break;
        case 3: mReplyMapB.insert(record.first, record.second); break;
        case 4: mReplyMapC.insert(record.first, record.second); break;
        default: break;
        }
    }
    if (parsed.malformed) {
        qDebug() << "数据有误！";
        // Set before the box opens: more bad answers arrive while it is up.
        if (!mMalformedWarned) {
            mMalformedWarned = true;
            MyMessageBox::warning(this, linkTr("警告"), linkTr("回传数据出现问题，请尝试重新连接"));
        }
    }
}

void MainWindow::connectDevice(bool dhcp)
{
    NetworkPortManager *holder = NetworkPortManager::getInstance();
    holder->mDhcpMode = dhcp;
    const DiscoveryRow selected = mNetworkDialog->selectedDevice();
    const QString deviceIp = selected.ip;
    const QString version = selected.version;
    g_offlineMode = true;
    mDeviceIp.clear();
    enableControls();

    const int generation = versionTypeFromText(version);
    if (generation == 0) {
        emit readInfo(QStringLiteral("MainWindow::connect\uFF1Aversion —— Unknow | versionType —— Unknow"));
        MyMessageBox::warning(this, QStringLiteral("警告"), QStringLiteral("未识别的下位机版本，连接错误！"));
        return;
    }
    versionType = generation;
    emit readInfo(QStringLiteral("MainWindow::connect\uFF1Aversion —— ") + version
                  + QStringLiteral(" | versionType —— ") + QString::number(versionType));

    initLayoutZoomTable(versionType == 4 ? 2 : 1);
    hideGridEntries(ui->rowCbx, versionType == 1);
    hideGridEntries(ui->columnCbx, versionType == 1);
    initSpliceCommandTable();

    const QString local = versionType <= 2 ? mNetworkDialog->localAddress() : selected.callback;
    const quint16 port = holder->devicePort();
    if (!readDeviceState(QHostAddress(local), deviceIp, port, linkTr("连接失败！")))
        return;

    g_networkConnected = true;
    // The address goes with the flags: the pump runs during the wait below.
    mDeviceIp = deviceIp;
    holder->mLocalIp = local;
    holder->setUdpSession(true);
    holder->mDeviceIp = deviceIp;
    wait(linkTr("连接成功！"), 1000);
    setCurrentWindowsMovable(true);
    applyLayoutZoom(mStoredRowIndex, mStoredColumnIndex);
}

void MainWindow::on_ptn_refresh_clicked()
{
    // Only a link made from the network dialog can be read over UDP.
    if (!g_networkConnected || !NetworkPortManager::getInstance()->udpSession()) {
        MyMessageBox::warning(this, linkTr("警告"), linkTr("您还没有网络连接下位机"));
        return;
    }
    NetworkPortManager *holder = NetworkPortManager::getInstance();
    const quint16 port = holder->devicePort();
    if (!readDeviceState(QHostAddress(holder->mLocalIp), mDeviceIp, port, linkTr("刷新失败！")))
        return;
    applyLayoutZoom(mStoredRowIndex, mStoredColumnIndex);
    wait(linkTr("刷新成功！"), 1000);
}

bool MainWindow::readDeviceState(const QHostAddress &local, const QString &deviceIp, quint16 port,
                                 const QString &failText)
{
    const QHostAddress device(deviceIp);
    mReadDeviceAddress = device;
    mMalformedWarned = false;
    // Sent straight, not through the queue: the read waits on each answer.
    auto query = [&](const QString &text) {
        const QByteArray packet = hexToPacket(text);
        bindUdpSocket(local);
        mUdpSocket->writeDatagram(packet, device, port);
        emit readInfo(QStringLiteral("MainWindow::send\uFF1A ") + QString::fromLatin1(packet.toHex().toUpper()));
    };

    ReplyState = 1;
    query(QLatin1String(DeviceCommand::QueryGlobal));
    wait(linkTr("层级、拼接模式信息获取..."), kReadWaitMs);
    applyGlobalReply();

    static const char *const readTexts[3] = {"waiting...(3/1)", "waiting...(3/2)", "waiting...(3/3)"};
    for (int i = 0; i < 4; ++i) {
        mReplyMapA.clear();
        mReplyMapB.clear();
        mReplyMapC.clear();
        for (int read = 0; read < 3; ++read) {
            ReplyState = 2 + read;
            query(DeviceCommand::windowQuery(i + 1));
            wait(linkTr(readTexts[read]), kReadWaitMs);
        }
        const ReplyMap *agreed = voteReplyMaps(mReplyMapA, mReplyMapB, mReplyMapC);
        if (!agreed) {
            wait(failText, 1000);
            g_networkConnected = false;
            NetworkPortManager::getInstance()->setUdpSession(false);
            ReplyState = 0;
            // The status line must not go on saying "connected".
            postLinkStatus(kStatusNotConnected);
            return false;
        }
        const ReplyMap taken = *agreed;
        ReplyState = 0;
        applyWindowReply(i, taken);
        wait(linkTr("通道") + QString::number(i + 1) + linkTr("校正成功!"), 500);
    }

    ResolutionRatioScene *scene = ui->graphicsView->mScenes.value(0);
    if (!scene)
        return true;
    const QString stacking = mReplyMapGlobal.value(7);
    for (int j = 0; j < scene->mChannels.size() && j < 4; ++j) {
        InputChannel *window = scene->mChannels[j];
        const int source = window->mInputSourceIndex;
        const InputSourceButton *button = (source >= 0 && source < 4) ? mInputSourceButtons.value(source) : nullptr;
        window->mCropHStart = 0;
        window->mCropVStart = 0;
        window->mCropHEnd = button ? button->mSourceWidth : kNoSignalSize.width();
        window->mCropVEnd = button ? button->mSourceHeight : kNoSignalSize.height();
        if (const int layer = layerFromStackText(stacking, j)) {
            window->mLayer = layer;
            window->setZValue(5 - layer);
        }
    }
    // The panel was filled before the crops and layers above were set.
    changeUIBaseSelectChannel(ui->currentChannelCBox->currentIndex() + 1);
    return true;
}

void MainWindow::applyGlobalReply()
{
    const ReplyMap &global = mReplyMapGlobal;
    if (versionType >= 3) {
        const int mode = replyValue(global, 8, 10);
        if (mode >= 0 && mode < ui->outputModeComBox->count()) {
            ui->outputModeComBox->setCurrentIndex(mode);
            g_outputMode = mode;
        }
    }

    int rows = 0, cols = 0;
    if (versionType <= 4) {
        spliceGridFromKey6(global.value(6), &rows, &cols);
    } else {
        rows = replyValue(global, 5);
        cols = replyValue(global, 6);
    }
    // A grid the lists do not hold leaves the current one.
    if (rows >= 1 && rows <= ui->rowCbx->count())
        ui->rowCbx->setCurrentIndex(rows - 1);
    if (cols >= 1 && cols <= ui->columnCbx->count())
        ui->columnCbx->setCurrentIndex(cols - 1);

    mStoredColumnIndex = ui->columnCbx->currentIndex();
    mStoredRowIndex = ui->rowCbx->currentIndex();
    ui->selectSceneBtn->setEnabled(false);
    updateWallScene();
    if (ResolutionRatioScene *scene = ui->graphicsView->mScenes.value(mCurrentSceneIndex))
        scene->setLayout(ui->rowCbx->currentText() + QLatin1Char('x') + ui->columnCbx->currentText());
}

void MainWindow::applyWindowReply(int i, const QMap<int, QString> &reply)
{
    UserView *view = ui->graphicsView;
    ResolutionRatioScene *scene = view->mScenes.value(0);
    if (!scene || i >= scene->mChannels.size())
        return;
    InputChannel *window = scene->mChannels[i];
    const WindowStatus s = decodeWindowState(stateValuesFromRecords(reply), StateRoad::Udp);

    const QRectF g = WallGeometry::canvasFromDeviceReply(s.x, s.y, s.width, s.height,
                                                         ui->rowCbx->currentText().toInt(),
                                                         ui->columnCbx->currentText().toInt());
    window->setRect(QRectF(0, 0, g.width(), g.height()));
    window->setPos(g.x(), g.y());

    QAction *openAction = view->mOpenWindowActions.value(i);
    if (s.open)
        window->openChannel();
    else
        window->closeChannel();
    if (openAction)
        openAction->setVisible(!s.open);

    applyReadPicture(window, s);
    window->mRed = window->mSolidRed = s.red;
    window->mGreen = window->mSolidGreen = s.green;
    window->mBlue = window->mSolidBlue = s.blue;
    // This road keeps the source the box names, a solid colour or not.
    if (s.reportedSource >= 0)
        window->mInputSourceIndex = s.reportedSource;
    window->mSolidColor = s.solidColor;
    if (!window->mSolidColor) {
        window->mRed = window->mSolidRed = 136;
        window->mGreen = window->mSolidGreen = 155;
        window->mBlue = window->mSolidBlue = 177;
    }

    // Input resolution, kept on the input-source button of the same index.
    emit readInfo(QStringLiteral("输入分辨率代号：") + QString::number(s.resolutionCode));
    const InputResolution input = applyInputResolution(i, s.resolutionCode, StateRoad::Udp);
    QString text;
    switch (input.kind) {
    case InputResolutionClass::TooLow:
        text = linkTr("窗口%1，输入源%2-低分辨率不支持，使用720P分辨率(%3x%4)");
        break;
    case InputResolutionClass::Listed:
        text = linkTr("窗口%1，输入源%2分辨率(%3,%4)");
        break;
    case InputResolutionClass::NoSignal:
        text = linkTr("窗口%1，输入源%2-无信号或输入分辨率不识别，使用默认分辨率(%3x%4)");
        break;
    }
    emit readInfo(text.arg(i).arg(window->mInputSourceIndex).arg(input.size.width()).arg(input.size.height()));
    const bool usable = input.kind == InputResolutionClass::Listed;
    ui->label_sliceImage->setVisible(!usable);
    g_windowInputSupported[i] = usable ? 1 : 0;

    window->setRotationDegrees(s.rotation >= 0 ? s.rotation : window->mRotation);
    window->update();
    // Told once the window holds all it read, so the panel shows the new values.
    emit view->changeRightMenuInfo();
}

InputResolution MainWindow::applyInputResolution(int button, int code, StateRoad road)
{
    const InputResolution input = inputResolution(code, mInputResolutions, road);
    if (InputSourceButton *b = mInputSourceButtons.value(button)) {
        b->mSourceWidth = input.size.width();
        b->mSourceHeight = input.size.height();
    }
    return input;
}
