#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QComboBox>
#include <QLabel>

#include "globals.h"
#include "link/linkstatus.h"
#include "maincontent/myslider.h"
#include "networkdialog.h"

namespace {

// Rows 0..13 of the status table, one column per language
// (Chinese, English, Russian, Spanish). Row 0 is the prefix.
const char *const kStatusTexts[14][4] = {
    {"连接状态: ", "Connection status: ", "Статус соединения: ", "Estado de conexión: "},
    {"未连接", "Not Connected", "Нет связи", "No conectado"},
    {"已连接", "Connected", "Связь установлена", "Conectado"},
    {"关闭串口", "Close the Serial Port", "Отключите последовательный порт", "Cerrar el puerto serie"},
    {"打开成功", "Open Successfully", "Получилось", "Open Successfully"},
    {"打开串口", "Open serial port", "Откройте последовательный порт", "Abrir puerto serie"},
    {"串口连接", "Series Connection", "Последовательное соединение", "Conexión en serie"},
    {"串口刷新", "Serial Port Refresh", "Обновление последовательного порта", "Actualización del puerto serie"},
    {"正在连接...", "Connecting...", "Соединительный...", "Conectando…"},
    {"脱机状态", "Offline", "Статус «Не в сети»", "Desconectado"},
    {"寻找设备中...", "Looking for devices...", "Ищем устройство", "Buscando el dispositivo..."},
    {"设备寻找完毕", "search completed", "Поиск оборудования завершен", "La búsqueda del equipo está completa"},
    {"正在更改IP和MAC", "changing IP and MAC", "СМЕНА IP И MAC", "CAMBIO DE IP Y MAC"},
    {"IP和MAC更改完毕", "changed IP and MAC", "Изменения IP- и MAC-адресов завершены",
     "Los cambios de IP y MAC se han completado"},
};

} // namespace

void MainWindow::initStatusTexts()
{
    for (int row = 0; row < 14; ++row)
        for (int language = 0; language < 4; ++language)
            mStatusText[row][language] = QString::fromUtf8(kStatusTexts[row][language]);
}

// The line shown for a posted status code in the current language; a null
// string for codes that show nothing.
QString MainWindow::statusLine(int code) const
{
    const int l = languageColumn();
    if (code >= 0 && code <= kStatusOffline)
        return mStatusText[0][l] + mStatusText[code][l];

    int stateRow;
    switch (code) {
    case kStatusSerialConnected: stateRow = kStatusConnected; break;
    case kStatusSerialNotConnected: stateRow = kStatusNotConnected; break;
    case kStatusSerialConnecting: stateRow = kStatusConnecting; break;
    default: return QString();
    }
    const QString port = mNetworkDialog ? mNetworkDialog->serialPortText() : QString();
    return mStatusText[0][l] + port + QLatin1Char(' ') + mStatusText[stateRow][l];
}

void MainWindow::showStatusText(const QString &text)
{
    mStatusLabel->setText(text);
    if (mStatusLabel->parent() != ui->statusBar)
        ui->statusBar->addWidget(mStatusLabel);
}

void MainWindow::bar2(QString string)
{
    showStatusText(string);
}

void MainWindow::updateStatusBar()
{
    if (g_statusMessagePending) {
        g_statusMessagePending = false;
        const QString line = statusLine(g_pendingStatusCode);
        if (!line.isNull())
            showStatusText(line);
    }
    // Zoom changes made on the wall view reach the slider (and so the view).
    if (mZoomSlider)
        mZoomSlider->setValue(g_zoomStep);
}
