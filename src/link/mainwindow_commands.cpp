// Queuing of device commands, the splice command table and the DHCP buttons.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "globals.h"
#include "link/devicecommand.h"
#include "link/devicepacket.h"

#include <QDebug>

void MainWindow::sendCommand(const QString &hexText)
{
    mSendPackets->append(hexToPacket(hexText));
    mSendTexts->append(hexText);
}

void MainWindow::sendWindowCommand(int window, int code, int value)
{
    if (window == 255)
        window = ui->currentChannelCBox->currentIndex();
    const QString text = DeviceCommand::windowCommand(window, code, value);
    if (text.isEmpty()) {
        qWarning() << "window command refused: window" << window << "code" << code << "value" << value;
        return;
    }
    sendCommand(text);
}

void MainWindow::initSpliceCommandTable()
{
    mSpliceCommands = DeviceCommand::spliceCommandTable(versionType, g_spliceScale);
}

void MainWindow::on_DHCPon_clicked()
{
    sendCommand(QLatin1String(DeviceCommand::DhcpOn));
    ui->DHCPon->setEnabled(false);
    ui->DHCPoff->setEnabled(true);
}

void MainWindow::on_DHCPoff_clicked()
{
    sendCommand(QLatin1String(DeviceCommand::DhcpOff));
    ui->DHCPon->setEnabled(true);
    ui->DHCPoff->setEnabled(false);
}
