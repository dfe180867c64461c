// Queuing of device commands, the splice command table and the DHCP buttons.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "globals.h"
#include "link/devicecommand.h"
#include "link/devicepacket.h"

#include <QDebug>

void MainWindow::sendCommand(const QString &hexText)
{
    if (hexText.isEmpty()) {
        qWarning() << "command refused: a value does not fit its field";
        return;
    }
    mSendPackets->append(hexToPacket(hexText));
    mSendTexts->append(hexText);
}

void MainWindow::sendWindowCommand(int window, int code, int value)
{
    if (window == SelectedWindow)
        window = ui->currentChannelCBox->currentIndex();
    sendCommand(DeviceCommand::windowCommand(window, code, value));
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
