#include "networkdialog.h"
#include "ui_networkdialog.h"

#include "globals.h"
#include "link/linkstatus.h"
#include "mainwindow.h"
#include "networkhelp.h"
#include "ui_mainwindow.h"
#include "Graphics/userview.h"
#include "link/netaddress.h"
#include "link/devicepacket.h"
#include "maincontent/mymessagebox.h"
#include "maincontent/waitingwidget.h"
#include "maincontent/widgetcontextmanage.h"
#include "titlebar/maintitlebar.h"

#include <QDebug>
#include <QHeaderView>
#include <QLabel>
#include <QNetworkInterface>
#include <QTimer>
#include <QUdpSocket>

namespace {
const int kSearchSeconds = 3;
const int kSearchStepMs = 200;

QString stopSearchText(int secondsLeft)
{
    return NetworkDialog::tr("停止查找(") + QString::number(secondsLeft) + QLatin1Char(')');
}
}

NetworkDialog::NetworkDialog(QWidget *parent) : QWidget(parent), ui(new Ui::NetworkDialog)
{
    ui->setupUi(this);
    ui->pushButton->hide();
    ui->ptn_refresh->hide();
    on_ptn_refresh_clicked();

    mHelp = new NetworkHelp(nullptr);
    setWindowTitle(tr("连接设置"));
    setWindowFlags(Qt::MSWindowsFixedSizeDialogHint);

    QTableWidget *table = ui->tableWidget;
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    table->setEditTriggers(QAbstractItemView::CurrentChanged);
    table->setRowCount(table->rowCount() + 4);
    for (int row = 0; row < table->rowCount(); ++row)
        createRowItems(row, false);

    // The timers live with the dialog, which lives for the whole run.
    auto *portPoll = new QTimer(this);
    connect(portPoll, &QTimer::timeout, this, &NetworkDialog::pollSerialPorts);
    portPoll->start(1000);
    mCountdownTimer = new QTimer(this);
    mCountdownTimer->setInterval(1000);
    connect(mCountdownTimer, SIGNAL(timeout()), this, SLOT(upDatatimer()));

    table->hideColumn(7);
}

NetworkDialog::~NetworkDialog()
{
    delete mHelp;   // a window of its own, so it has no parent
    delete ui;
}

Ui_NetworkDialog NetworkDialog::getUi() const
{
    return *ui;
}

void NetworkDialog::retranslateUi()
{
    ui->retranslateUi(this);
    // The help page follows its dialog into every language.
    mHelp->retranslateUi();
}

void NetworkDialog::createRowItems(int row, bool searchColumns)
{
    QTableWidget *table = ui->tableWidget;
    for (int column = 0; column < table->columnCount(); ++column) {
        auto *item = new QTableWidgetItem;
        item->setTextAlignment(Qt::AlignCenter);
        const bool editable = column == 1 || column == 2
                || (searchColumns && (column == 6 || column == 7));
        if (!editable)
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
        table->setItem(row, column, item);
    }
}

QStringList NetworkDialog::localIPv4Addresses() const
{
    QStringList out;
    for (const QNetworkInterface &iface : QNetworkInterface::allInterfaces()) {
        const QString name = iface.humanReadableName();
        if (name.contains(QLatin1String("VMware")) || name.contains(QLatin1String("Loopback"))) {
            qDebug().noquote() << QStringLiteral("排除：") + name;
            continue;
        }
        const auto flags = iface.flags();
        if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning)
                || (flags & QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry &entry : iface.addressEntries()) {
            const QHostAddress ip = entry.ip();
            if (ip == QHostAddress(QHostAddress::LocalHost) || ip.protocol() != QAbstractSocket::IPv4Protocol)
                continue;
            out << ip.toString();
        }
    }
    return out;
}

void NetworkDialog::pollSerialPorts()
{
    if (mMainWindow)
        mMainWindow->showValidPort();
}

void NetworkDialog::on_ptn_refresh_clicked()
{
    ui->cbx_ipAddress->clear();
    ui->cbx_ipAddress->addItems(localIPv4Addresses());
}

void NetworkDialog::setSearchControlsEnabled(bool enabled)
{
    ui->ptn_connectDevice->setEnabled(enabled);
    ui->ptn_disconnectDevice->setEnabled(enabled);
    ui->changeIP->setEnabled(enabled);
    ui->ptn_refresh->setEnabled(enabled);
    ui->cbx_ipAddress->setEnabled(enabled);
}

void NetworkDialog::on_ptn_findDevice_clicked()
{
    on_ptn_refresh_clicked();

    if (ui->ptn_findDevice->text() != tr("查找设备")) {
        mCountdownTimer->stop();
        ui->ptn_findDevice->setText(tr("查找设备"));
        setSearchControlsEnabled(true);
        if (mMainWindow)
            mMainWindow->mDiscoveryMode = false;
        return;
    }

    mMacList.clear();
    if (mMainWindow)
        mMainWindow->mDeviceTableRow = 0;
    ui->tableWidget->clearContents();
    for (int row = 0; row < ui->tableWidget->rowCount(); ++row)
        createRowItems(row, true);

    if (ui->cbx_ipAddress->count() == 0)
        warn(tr("本机没有正在工作的网卡！"));

    for (int i = 0; i < ui->cbx_ipAddress->count(); ++i)
        QTimer::singleShot(i * kSearchStepMs, this, [this, i] { searchInterface(i); });

    mCountdown = kSearchSeconds;
    mCountdownTimer->start(1000);
    ui->ptn_findDevice->setText(stopSearchText(mCountdown));

    setSearchControlsEnabled(false);
    if (mMainWindow)
        mMainWindow->mDiscoveryMode = true;
}

void NetworkDialog::upDatatimer()
{
    --mCountdown;
    ui->ptn_findDevice->setText(stopSearchText(mCountdown));
    if (mCountdown <= 0) {
        mCountdownTimer->stop();
        on_ptn_findDevice_clicked();
    }
}

void NetworkDialog::searchInterface(int entry)
{
    // The list is refilled at every search click: the entry may have gone.
    if (!mMainWindow || !mMainWindow->mUdpSocket || entry >= ui->cbx_ipAddress->count())
        return;
    const QString local = ui->cbx_ipAddress->itemText(entry);
    mMainWindow->bindUdpSocket(QHostAddress(local));
    const QHostAddress broadcast(broadcastOf(local));
    mMainWindow->mUdpSocket->writeDatagram(discoveryRequest(), broadcast, 23);
    mMainWindow->mUdpSocket->writeDatagram(discoveryRequest(), broadcast, 68);
}

int NetworkDialog::selectedRow() const
{
    const QModelIndexList selected = ui->tableWidget->selectionModel()->selectedIndexes();
    int row = -1;
    for (const QModelIndex &index : selected)
        if (row < 0 || index.row() < row)
            row = index.row();
    return row;
}

QString NetworkDialog::cellText(int row, int column) const
{
    const QTableWidgetItem *item = ui->tableWidget->item(row, column);
    return item ? item->text() : QString();
}

void NetworkDialog::warn(const QString &text)
{
    MyMessageBox::warning(this, tr("警告"), text);
}

void NetworkDialog::on_ptn_connectDevice_clicked()
{
    const int row = selectedRow();
    if (row < 0) {
        warn(tr("请先选择要连接的设备！"));
        return;
    }
    if (cellText(row, 1).isEmpty() || cellText(row, 3).isEmpty()) {
        warn(tr("IP地址、TCP端口号为必填！"));
        return;
    }
    if (g_networkConnected) {
        warn(tr("您已建立连接，若要建立新的连接，请先断开连接！"));
        return;
    }
    mIp = cellText(row, 1);
    mMac = cellText(row, 2);
    mPort = cellText(row, 3);

    const QStringList ipParts = mIp.split(QLatin1Char('.'));
    bool ipOk = ipParts.size() == 4;
    for (const QString &part : ipParts)
        ipOk = ipOk && part.toInt() >= 0 && part.toInt() <= 255;
    if (!ipOk) {
        warn(tr("请输入正确的IP地址"));
        return;
    }
    const QStringList macParts = mMac.split(QLatin1Char('-'));
    if (macParts.size() != 6) {
        warn(tr("请输入正确的MAC地址"));
        return;
    }
    if (macParts.at(0).toInt() % 2 != 0 || macParts.at(1).toInt() % 2 != 0)
        warn(tr("要求MAC第一和第二位必须是偶数"));
    for (const QString &part : macParts) {
        if (part.toInt() < 0 || part.toInt() > 255) {
            warn(tr("请输入正确的MAC地址"));
            return;
        }
    }

    const QString protocol = cellText(row, 5);
    if (protocol == QLatin1String("DHCP")) {
        mMainWindow->connectDevice(true);
    } else if (protocol == QLatin1String("UDP")) {
        mMainWindow->connectDevice(false);
    } else {
        warn(tr("未确定连接协议，无法连接"));
        return;
    }

    applyTimerInterval();
    mMainWindow->getUi()->ptn_offLine->setEnabled(false);
    mMainWindow->enableControls();
    postLinkStatus(g_networkConnected ? 2 : 1);
}

void NetworkDialog::on_ptn_disconnectDevice_clicked()
{
    if (!g_networkConnected) {
        warn(tr("您还未建立连接！"));
        return;
    }
    mMainWindow->on_connect_clicked();
    if (g_networkConnected)
        return;   // nothing was closed; the link reported why
    applyTimerInterval();
    if (!g_serialConnected) {
        mMainWindow->disableControls();
        mMainWindow->getUi()->ptn_offLine->setEnabled(true);
    }
    postLinkStatus(1);
    MyMessageBox::information(this, tr("提示"), tr("连接已断开"));
    for (int &supported : g_windowInputSupported)
        supported = 1;
    mMainWindow->getUi()->label_sliceImage->hide();
}

void NetworkDialog::on_openButton_clicked()
{
    mMainWindow->on_openButton_clicked();
    applyTimerInterval();
    Ui_MainWindow *mainUi = mMainWindow->getUi();
    if (!g_serialConnected && !g_networkConnected) {
        mainUi->ptn_offLine->setEnabled(true);
        mMainWindow->disableControls();
        postLinkStatus(15);
    } else {
        mainUi->ptn_offLine->setEnabled(false);
        mMainWindow->enableControls();
        postLinkStatus(14);
    }
}

void NetworkDialog::applyTimerInterval()
{
    if (!mMainWindow)
        return;
    Ui_MainWindow *mainUi = mMainWindow->getUi();
    int ms = 100;
    if (g_networkConnected)
        ms = mainUi->lineEdit_speed->text().toInt();
    else if (g_serialConnected)
        ms = mainUi->lineEdit_speed_2->text().toInt();
    mMainWindow->setSendInterval(ms);
}

void NetworkDialog::on_changeIP_clicked()
{
    const int row = selectedRow();
    if (row < 0) {
        warn(tr("请选择一行"));
        return;
    }
    QList<int> octets;
    if (!parseIpForChange(cellText(row, 1), &octets)) {
        warn(tr("请输入正确的IP地址"));
        return;
    }
    QTableWidgetItem *macItem = ui->tableWidget->item(row, 2);
    const QString mac = cellText(row, 2);
    QList<int> macBytes;
    if (!parseMacForChange(mac, &macBytes)) {
        warn(tr("请输入正确的MAC地址"));
        return;
    }
    // Only a box found by the current search has a known MAC to compare with.
    if (!macItem || row >= mMacList.size()) {
        warn(tr("请选择一行"));
        return;
    }
    const QStringList stored = mMacList.at(row).split(QLatin1Char('-'));
    const QStringList wanted = mac.split(QLatin1Char('-'));
    for (int i = 0; i < 3; ++i) {
        if (stored.value(i) != wanted.at(i)) {
            warn(tr("MAC地址前三个字节不能修改"));
            macItem->setText(mMacList.at(row));
            return;
        }
    }

    QString local = cellText(row, 6);
    if (local.isEmpty())
        local = ui->cbx_ipAddress->currentText();
    const QHostAddress dest(broadcastOf(local));

    mMainWindow->bindUdpSocket(QHostAddress(local));
    mMainWindow->mUdpSocket->writeDatagram(hexToPacket(macChangeHex(macBytes)), dest, 23);
    mMacList[row] = mac;

    WaitingWidget wait(tr("正在更改..."), 5000);
    wait.exec();

    mMainWindow->bindUdpSocket(QHostAddress(local));
    mMainWindow->mUdpSocket->writeDatagram(hexToPacket(ipChangeHex(octets)), dest, 23);
}

void NetworkDialog::on_pushButtonHelp_clicked()
{
    mHelp->show();
}

void NetworkDialog::switchLanguage(int index)
{
    g_languageIndex = index;
    mMainWindow->changeLanguage(index);
    if (MainTitleBar *bar = WidgetContextManage::getInstance()->mainTitleBar())
        bar->titleLabel()->setText(QStringLiteral("Halden"));
}

void NetworkDialog::on_Button_EN_clicked() { switchLanguage(1); }
void NetworkDialog::on_Button_RU_clicked() { switchLanguage(2); }
void NetworkDialog::on_Button_CN_clicked() { switchLanguage(0); }
void NetworkDialog::on_Button_ES_clicked() { switchLanguage(3); }
