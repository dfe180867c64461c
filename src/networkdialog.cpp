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
#include <QSpacerItem>
#include <QNetworkInterface>
#include <QTimer>
#include <QUdpSocket>

#include <algorithm>

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
    connect(mCountdownTimer, &QTimer::timeout, this, &NetworkDialog::upDatatimer);

    table->hideColumn(DeviceColumn::Type);
}

NetworkDialog::~NetworkDialog()
{
    delete mHelp;   // a window of its own, so it has no parent
    delete ui;
}

DiscoveryRow NetworkDialog::selectedDevice() const
{
    const int row = selectedRow();
    DiscoveryRow device;
    device.ip = cellText(row, DeviceColumn::Ip);
    device.mac = cellText(row, DeviceColumn::Mac);
    device.port = cellText(row, DeviceColumn::Port);
    device.version = cellText(row, DeviceColumn::Version);
    device.protocol = cellText(row, DeviceColumn::Protocol);
    device.callback = cellText(row, DeviceColumn::Callback);
    device.type = cellText(row, DeviceColumn::Type);
    device.dhcp = device.protocol == QLatin1String("DHCP");
    return device;
}

QString NetworkDialog::serialPortText() const
{
    return ui->serialPortComboBox->currentText();
}

int NetworkDialog::serialPortIndex() const
{
    return ui->serialPortComboBox->currentIndex();
}

QString NetworkDialog::localAddress() const
{
    return ui->cbx_ipAddress->currentText();
}

void NetworkDialog::setSerialPortTexts(const QStringList &texts)
{
    ui->serialPortComboBox->clear();
    ui->serialPortComboBox->addItems(texts);
}

void NetworkDialog::setOpenButtonText(const QString &text)
{
    ui->openButton->setText(text);
}

void NetworkDialog::setButtonSpacing(int width)
{
    ui->horizontalSpacer_3->changeSize(width, 20, QSizePolicy::Minimum, QSizePolicy::Minimum);
    ui->horizontalLayout->invalidate();
}

void NetworkDialog::addSearchAnswer(const QByteArray &datagram)
{
    const int row = mNextSearchRow;
    if (row >= MaxSearchRows) {
        if (!mSearchFullNoted)
            qDebug().noquote() << QStringLiteral("搜索结果已达%1行，其余应答被忽略").arg(MaxSearchRows);
        mSearchFullNoted = true;
        return;
    }
    QTableWidget *table = ui->tableWidget;
    while (table->rowCount() < std::min(row + 2, MaxSearchRows)) {
        table->setRowCount(table->rowCount() + 1);
        createRowItems(table->rowCount() - 1, true);
    }

    DiscoveryRow reply;
    if (!parseDiscoveryReply(datagram, &reply))
        return;
    // A box answers once per request and interface; its repeats add no row.
    const QStringList cells = reply.cells(row);
    const QString key = cells.mid(DeviceColumn::Ip, table->columnCount() - DeviceColumn::Ip).join(QChar(0x1F));
    if (mListedAnswers.contains(key))
        return;
    mListedAnswers.insert(key);

    mMacList.append(reply.mac);
    for (int column = 0; column < table->columnCount() && column < cells.size(); ++column) {
        QTableWidgetItem *item = table->item(row, column);
        if (!item) {
            item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            table->setItem(row, column, item);
        }
        item->setText(cells.at(column));
        const bool fixed = column == DeviceColumn::Callback || column == DeviceColumn::Type
                || (reply.dhcp && (column == DeviceColumn::Ip || column == DeviceColumn::Mac));
        if (fixed)
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    }
    ++mNextSearchRow;
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
        const bool editable = column == DeviceColumn::Ip || column == DeviceColumn::Mac
                || (searchColumns && (column == DeviceColumn::Callback || column == DeviceColumn::Type));
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
    mListedAnswers.clear();
    mSearchFullNoted = false;
    mNextSearchRow = 0;
    // Column 0 is sized to its contents: fresh items one by one would size it
    // again for each of them, which a table of many rows makes slow.
    QHeaderView *header = ui->tableWidget->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::Fixed);
    ui->tableWidget->clearContents();
    for (int row = 0; row < ui->tableWidget->rowCount(); ++row)
        createRowItems(row, true);
    header->setSectionResizeMode(0, QHeaderView::ResizeToContents);

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
    const DiscoveryRow device = selectedDevice();
    if (device.ip.isEmpty() || device.port.isEmpty()) {
        warn(tr("IP地址、TCP端口号为必填！"));
        return;
    }
    if (g_networkConnected) {
        warn(tr("您已建立连接，若要建立新的连接，请先断开连接！"));
        return;
    }
    mIp = device.ip;
    mMac = device.mac;
    mPort = device.port;

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

    if (device.protocol == QLatin1String("DHCP")) {
        mMainWindow->connectDevice(true);
    } else if (device.protocol == QLatin1String("UDP")) {
        mMainWindow->connectDevice(false);
    } else {
        warn(tr("未确定连接协议，无法连接"));
        return;
    }

    applyTimerInterval();
    mMainWindow->showLinkControls(true);
    postLinkStatus(g_networkConnected ? kStatusConnected : kStatusNotConnected);
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
    if (!g_serialConnected)
        mMainWindow->showLinkControls(false);
    postLinkStatus(kStatusNotConnected);
    MyMessageBox::information(this, tr("提示"), tr("连接已断开"));
    mMainWindow->clearUnsupportedInputs();
}

void NetworkDialog::on_openButton_clicked()
{
    mMainWindow->on_openButton_clicked();
    applyTimerInterval();
    const bool linked = g_serialConnected || g_networkConnected;
    mMainWindow->showLinkControls(linked);
    postLinkStatus(linked ? kStatusSerialConnected : kStatusSerialNotConnected);
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
    if (!parseIpForChange(cellText(row, DeviceColumn::Ip), &octets)) {
        warn(tr("请输入正确的IP地址"));
        return;
    }
    QTableWidgetItem *macItem = ui->tableWidget->item(row, DeviceColumn::Mac);
    const QString mac = cellText(row, DeviceColumn::Mac);
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

    QString local = cellText(row, DeviceColumn::Callback);
    if (local.isEmpty())
        local = localAddress();
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
