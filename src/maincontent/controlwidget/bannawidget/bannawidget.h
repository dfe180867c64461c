#ifndef BANNAWIDGET_H
#define BANNAWIDGET_H

#include <QByteArray>
#include <QStringList>
#include <QWidget>

class QContextMenuEvent;
class QLayout;
class QSerialPort;
class QTimer;
namespace Ui { class BannaWidget; }

// The bytes of a hex command text: two hex digits per byte, anything that is
// not a hex digit skipped ("08 05 00 00" and "08050000" give the same bytes).
QByteArray hexTextToBytes(const QString &text);

// Runs a local event loop for msec milliseconds.
void waitMilliseconds(int msec);

// Serial connection page of the control pages: lists the ports, opens and
// closes the program's one serial port, follows the port list every second
// and sends command texts over the serial port or the TCP socket.
// Status texts go to its label and, through SerialPortManager::serialStatus,
// to the main window's status bar.
class BannaWidget : public QWidget
{
    Q_OBJECT
public:
    explicit BannaWidget(QWidget *parent = nullptr);
    ~BannaWidget() override;

    // The refresh timer's handler: relists the ports when the list changed,
    // which closes the shared port.
    void refreshSerialPorts();
    // Like send(), but writes only while the shared port is open.
    void sendIfOpen(const QString &nub);

signals:
    void ss();
    void bar1(QString string);
    void aa();

public slots:
    void on_openButton_clicked();
    // Sets the texts again in the current language and repeats the status.
    void langban();
    // Takes every item out of the layout; widgets are detached, not deleted.
    void deleteAllitemsOfLayout(QLayout *layout);
    // Writes the bytes of the hex text to the shared serial port, open or not.
    void send(QString nub);
    // Writes the text itself and a newline to the program's TCP socket.
    void tcpSend(QString nub);
    // The refresh button: closes the port and lists the ports again.
    void on_comboBoxSerialPort_clicked();

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QSerialPort *sharedPort() const;
    void fillPortList(const QStringList &texts);
    void closeSharedPort();
    void reportStatus(bool connected);

    QStringList mPortTexts; // entries seen by the last refresh tick
    Ui::BannaWidget *ui;
    QTimer *mRefreshTimer;
};

#endif
