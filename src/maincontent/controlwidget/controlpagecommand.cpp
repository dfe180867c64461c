#include "maincontent/controlwidget/controlpagecommand.h"

#include "globals.h"
#include "link/networkportmanager.h"
#include "link/serialportmanager.h"

#include <QDebug>
#include <QSerialPort>
#include <QTcpSocket>

namespace ControlPageCommand {

quint8 checkByte(quint8 command, quint8 first, quint8 second)
{
    return quint8(0x66 + command + first + second);
}

static QString hexByte(int value)
{
    return QStringLiteral("%1").arg(value & 0xFF, 2, 16, QLatin1Char('0'));
}

QString withCheck(quint8 command, quint8 first, quint8 second)
{
    return QStringLiteral("66") + hexByte(command) + hexByte(first) + hexByte(second)
           + hexByte(checkByte(command, first, second));
}

QString routing(int output, int input)
{
    return QStringLiteral("6604") + hexByte(output) + QStringLiteral("00") + hexByte(input);
}

QByteArray toBytes(const QString &hex)
{
    return QByteArray::fromHex(hex.toLatin1());
}

bool writeSerial(const QString &hex)
{
    const QByteArray bytes = toBytes(hex);
    qDebug() << "发送十六进制";
    QSerialPort *port = SerialPortManager::getInstance()->serialPort();
    if (!port || !port->isOpen()) {
        qDebug() << "串口未打开，命令未发送:" << hex;
        return false;
    }
    port->write(bytes);
    qDebug() << bytes.toHex();
    return true;
}

bool writeTcp(const QString &hex)
{
    QTcpSocket *socket = NetworkPortManager::getInstance()->tcpSocket();
    if (!socket || socket->state() != QAbstractSocket::ConnectedState) {
        qDebug() << "网络未连接，命令未发送:" << hex;
        return false;
    }
    socket->write(hex.toUtf8() + '\n');
    return true;
}

bool send(const QString &hex)
{
    return g_networkConnected ? writeTcp(hex) : writeSerial(hex);
}

} // namespace ControlPageCommand
