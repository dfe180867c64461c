#include "setitemattribute.h"
#include "ui_setitemattribute.h"

#include <QDebug>
#include <QSerialPort>
#include <QTcpSocket>

#include "attributedialogcommand.h"
#include "globals.h"
#include "Graphics/inputchannel.h"
#include "Graphics/resolutionratioscene.h"
#include "link/devicepacket.h"
#include "link/networkportmanager.h"
#include "link/serialportmanager.h"
#include "maincontent/mymessagebox.h"

namespace {
const QString kSwatches[ItemColorCount] = {
    QStringLiteral(":/res/res/image/color/grey_65_65_65.png"),
    QStringLiteral(":/res/res/image/color/red_210_85_101.png"),
    QStringLiteral(":/res/res/image/color/green_144_207_153.png"),
    QStringLiteral(":/res/res/image/color/blue_46_148_185.png"),
    QStringLiteral(":/res/res/image/color/orange_240_183_117.png"),
};

// A text that is not a whole number reads as 0.
int editValue(const QString &text)
{
    return text.trimmed().toInt();
}

QString generalNumber(qreal value)
{
    return QString::number(value, 'g', 6);
}

void traceChange(int window, const char *field, int value)
{
    qDebug() << "  小窗修改模式： " << "  item=" << window + 1 << field << value;
}
} // namespace

SetItemAttribute::SetItemAttribute(int index, ResolutionRatioScene *scene, QWidget *parent)
    : QDialog(parent), ui(new Ui_SetItemAttribute), mScene(scene), mIndex(index)
{
    ui->setupUi(this);
    if (mScene)
        mChannels = mScene->mChannels;
    initColorCombo();
}

SetItemAttribute::~SetItemAttribute()
{
    delete ui;
}

void SetItemAttribute::initColorCombo()
{
    for (int i = 0; i < ItemColorCount && i < ui->colorCbx->count(); ++i)
        ui->colorCbx->setItemIcon(i, QIcon(kSwatches[i]));
    loadFromItem(mIndex);
    connect(ui->channelComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged),
            this, &SetItemAttribute::loadFromItem);
}

void SetItemAttribute::loadFromItem(int index)
{
    if (index < 0 || index >= mChannels.size())
        return;
    ui->channelComboBox->setCurrentIndex(index);
    const InputChannel *w = mChannels.at(index);
    ui->comboBox->setCurrentIndex(w->mInputSourceIndex);
    ui->posXLdt->setText(generalNumber(w->pos().x()));
    ui->posYLdt->setText(generalNumber(w->pos().y()));
    ui->widthLdt->setText(generalNumber(w->mRect.width()));
    ui->heightLdt->setText(generalNumber(w->mRect.height()));
    ui->colorCbx->setCurrentIndex(w->mColorIndex);
    ui->levelCbx->setCurrentIndex(w->mLayer - 1);
}

quint8 SetItemAttribute::crc8(const QByteArray &bytes)
{
    quint8 crc = 0;
    for (char byte : bytes) {
        crc = crc8Table[crc ^ quint8(byte)];
        qDebug() << "crc = " << crc;
    }
    return crc;
}

QByteArray SetItemAttribute::hexToPacket(const QString &text)
{
    QByteArray packet = QByteArray::fromHex(text.toLatin1());
    packet.append(char(crc8(packet)));
    return packet;
}

void SetItemAttribute::sendCommand(const QString &text)
{
    if (text.isEmpty())
        return;
    // Nothing goes to a socket that is not connected (as while only a UDP
    // session is up) or to a closed port.
    if (g_networkConnected) {
        QTcpSocket *socket = NetworkPortManager::getInstance()->tcpSocket();
        if (socket && socket->state() == QAbstractSocket::ConnectedState)
            socket->write(hexToPacket(text));
    } else if (g_serialConnected) {
        QSerialPort *port = SerialPortManager::getInstance()->serialPort();
        if (port && port->isOpen())
            port->write(hexToPacket(text));
    }
}

void SetItemAttribute::on_pushButton_2_clicked()
{
    using namespace AttributeDialogCommand;
    const int i = ui->channelComboBox->currentIndex();
    if (i < 0 || i >= mChannels.size())
        return;
    const int s = ui->comboBox->currentIndex();
    const int x = editValue(ui->posXLdt->text());
    const int y = editValue(ui->posYLdt->text());
    const int w = editValue(ui->widthLdt->text());
    const int h = editValue(ui->heightLdt->text());
    const int c = ui->colorCbx->currentIndex();
    const int l = ui->levelCbx->currentIndex();
    InputChannel *item = mChannels.at(i);
    const int oldLayer = item->mLayer;

    const QRectF canvas = item->scene() ? item->scene()->sceneRect() : QRectF();
    const int canvasWidth = int(canvas.width());
    const int canvasHeight = int(canvas.height());
    if (!attributeGeometryFits(x, y, w, h, canvasWidth, canvasHeight)) {
        MyMessageBox::error(this, tr("错误"),
                            tr("超出%1X%2分辨率").arg(canvasWidth).arg(canvasHeight));
        return;
    }

    if (item->mInputSourceIndex != s) {
        sendCommand(text(i, Source, s));
        traceChange(i, "  inputSourceIndex=", s);
    }
    item->mInputSourceIndex = s;

    if (x != item->pos().x()) {
        sendCommand(text(i, PosX, x));
        traceChange(i, "  x=", x);
    }
    if (y != item->pos().y()) {
        sendCommand(text(i, PosY, y));
        traceChange(i, "  y=", y);
    }
    if (w != item->mRect.width()) {
        sendCommand(text(i, Width, w));
        traceChange(i, "  width=", w);
    }
    if (h != item->mRect.height()) {
        sendCommand(text(i, Height, h));
        traceChange(i, "  height=", h);
    }
    // The size goes first: the window keeps itself inside the canvas by its
    // current size, so moving it before shrinking could push it back.
    item->setRect(QRectF(item->mRect.x(), item->mRect.y(), w, h));
    item->setPos(x, y);
    item->update();

    if (c >= 0 && c < ItemColorCount && item->mColorIndex != c) {
        const ItemColor &colour = kItemColors[c];
        traceChange(i, "  colorIndex=", c);
        sendCommand(text(i, Red, colour.red));
        traceChange(i, "  R=", colour.red);
        sendCommand(text(i, Green, colour.green));
        traceChange(i, "  G=", colour.green);
        sendCommand(text(i, Blue, colour.blue));
        traceChange(i, "  B=", colour.blue);
    }
    item->mColorIndex = c;

    const int layer = l + 1;
    if (item->mLayer != layer) {
        sendCommand(text(i, Layer, layer));
        traceChange(i, "  zValue=", layer);
    }
    if (mScene) {
        const int steps = oldLayer - layer;
        for (int k = 0; k < steps; ++k)
            mScene->setLayer(i, ResolutionRatioScene::LayerUp);
        for (int k = 0; k < -steps; ++k)
            mScene->setLayer(i, ResolutionRatioScene::LayerDown);
    }

    deleteLater();
}

void SetItemAttribute::on_pushButton_clicked()
{
    deleteLater();
}
