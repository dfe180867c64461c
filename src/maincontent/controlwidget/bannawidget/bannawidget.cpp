#include "bannawidget.h"
#include "ui_bannawidget.h"

#include "globals.h"
#include "link/linkstatus.h"
#include "link/networkportmanager.h"
#include "link/portlistwatcher.h"
#include "link/serialportmanager.h"
#include "maincontent/mymessagebox.h"
#include "maincontent/waitingwidget.h"

#include <QContextMenuEvent>
#include <QDebug>
#include <QEventLoop>
#include <QLayout>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSerialPort>
#include <QTcpSocket>
#include <QTimer>

namespace {
QList<SerialPortEntry> listedPorts()
{
    return PortListWatcher::getInstance()->latest();
}

QStringList entryTexts(const QList<SerialPortEntry> &ports)
{
    QStringList texts;
    for (const SerialPortEntry &port : ports)
        texts << port.text();
    return texts;
}

void tracePorts(const QList<SerialPortEntry> &ports)
{
    for (const SerialPortEntry &port : ports) {
        qDebug() << "Name  : " << port.name;
        qDebug() << "Description  : " << port.description;
    }
}

void showOpenFailure()
{
    QMessageBox box;
    if (g_languageIndex == 0) {
        box.setText(QStringLiteral("当前串口号无法打开！请检查后重新打开！\n1、USB串口松了\n2、是否被其他的程序占用\n"));
        QPushButton *ok = box.addButton(BannaWidget::tr("确定"), QMessageBox::ActionRole);
        ok->setFixedSize(40, 40);
    } else {
        box.setText(QStringLiteral("The current serial number cannot be opened! Please check and reopen! \n"
                                   "1.USB serial port loose \n2.Whether it is occupied  by other programs\n"));
    }
    box.exec();
}
} // namespace

QByteArray hexTextToBytes(const QString &text)
{
    return QByteArray::fromHex(text.toLatin1());
}

void waitMilliseconds(int msec)
{
    QEventLoop loop;
    QTimer::singleShot(msec, &loop, &QEventLoop::quit);
    loop.exec();
}

BannaWidget::BannaWidget(QWidget *parent)
    : QWidget(parent), ui(new Ui::BannaWidget), mRefreshTimer(new QTimer(this))
{
    setWindowFlags(windowFlags() & ~Qt::WindowMaximizeButtonHint);
    ui->setupUi(this);

    // The page may stand without the main window; the shared port must exist.
    SerialPortManager::getInstance()->init();

    const QList<SerialPortEntry> ports = listedPorts();
    ui->serialPortComboBox->addItems(entryTexts(ports));
    tracePorts(ports);

    connect(mRefreshTimer, &QTimer::timeout, this, &BannaWidget::refreshSerialPorts);
    mRefreshTimer->start(1000);
}

BannaWidget::~BannaWidget()
{
    delete ui;
}

QSerialPort *BannaWidget::sharedPort() const
{
    return SerialPortManager::getInstance()->serialPort();
}

void BannaWidget::fillPortList(const QStringList &texts)
{
    ui->serialPortComboBox->clear();
    ui->serialPortComboBox->addItems(texts);
}

void BannaWidget::closeSharedPort()
{
    ui->openButton->setText(tr("打开串口"));
    g_serialPortOpen = 0;
    sharedPort()->close();
}

void BannaWidget::reportStatus(bool connected)
{
    const QString word = connected ? tr("已连接") : tr("未连接");
    const QString entry = ui->serialPortComboBox->currentText();
    postLinkStatus(connected ? kStatusConnected : kStatusNotConnected);
    ui->tips->setText(tr("连接状态：") + QStringLiteral("\n\n") + entry + word);
    emit SerialPortManager::getInstance()->serialStatus(tr("连接状态：") + entry + word);
}

void BannaWidget::on_openButton_clicked()
{
    QSerialPort *port = sharedPort();
    if (port->isOpen()) {
        g_serialPortOpen = 0;
        port->close();
        ui->openButton->setText(tr("打开串口"));
        reportStatus(false);
        return;
    }

    // The list may have changed since the combo box was filled: the entry
    // must still stand at its place before its name is used.
    const int index = ui->serialPortComboBox->currentIndex();
    if (index >= 0) {
        const QList<SerialPortEntry> ports = listedPorts();
        if (index >= ports.size() || ports.at(index).text() != ui->serialPortComboBox->currentText()) {
            MyMessageBox::warning(this, MyMessageBox::tr("警告"), tr("所选串口已不存在，请刷新串口列表！"));
            return;
        }
        port->setPortName(ports.at(index).name);
    }

    if (!port->open(QIODevice::ReadWrite)) {
        showOpenFailure();
        qDebug() << port->errorString();
        return;
    }
    SerialPortManager::applyLineSettings(port);

    ui->openButton->setText(tr("关闭串口"));
    g_serialPortOpen = 1;
    // The notice moves into the page it is shown over and goes with it.
    static QPointer<NoticeWidget> notice;
    NoticeWidget::showNotice(notice, this, tr("打开成功"), 1500);
    reportStatus(true);
}

void BannaWidget::on_comboBoxSerialPort_clicked()
{
    ui->serialPortComboBox->clear();
    closeSharedPort();
    reportStatus(false);
    const QList<SerialPortEntry> ports = listedPorts();
    ui->serialPortComboBox->addItems(entryTexts(ports));
    tracePorts(ports);
    // A read of its own: what arrives differently reaches the next tick.
    PortListWatcher::getInstance()->refreshNow();
}

void BannaWidget::refreshSerialPorts()
{
    const QStringList texts = entryTexts(listedPorts());
    if (texts == mPortTexts)
        return;
    mPortTexts = texts;
    fillPortList(texts);
    qDebug() << "当前串口号有更新，已自动刷新";
    closeSharedPort();
    reportStatus(false);
}

void BannaWidget::langban()
{
    ui->retranslateUi(this);
    if (g_serialPortOpen != 1) {
        reportStatus(false);
    } else {
        ui->openButton->setText(tr("关闭串口"));
        reportStatus(true);
    }
}

void BannaWidget::send(QString nub)
{
    const QByteArray bytes = hexTextToBytes(nub);
    qDebug() << "发送十六进制";
    sharedPort()->write(bytes);
    qDebug() << bytes;
}

void BannaWidget::sendIfOpen(const QString &nub)
{
    if (sharedPort()->isOpen())
        send(nub);
}

void BannaWidget::tcpSend(QString nub)
{
    QTcpSocket *socket = NetworkPortManager::getInstance()->tcpSocket();
    if (!socket)
        return;
    socket->write(nub.toUtf8() + '\n');
}

void BannaWidget::deleteAllitemsOfLayout(QLayout *layout)
{
    while (QLayoutItem *item = layout->takeAt(0)) {
        if (QWidget *widget = item->widget())
            widget->setParent(nullptr);
        else if (QLayout *nested = item->layout())
            deleteAllitemsOfLayout(nested);
        delete item;
    }
}

void BannaWidget::contextMenuEvent(QContextMenuEvent *event)
{
    qDebug() << "AAAAA";
    // A fresh menu per click: it must not pile up under the page.
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}
