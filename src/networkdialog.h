#ifndef NETWORKDIALOG_H
#define NETWORKDIALOG_H

#include <QStringList>
#include <QWidget>

class MainWindow;
class NetworkHelp;
class QTimer;
class QTableWidgetItem;
class Ui_NetworkDialog;
namespace Ui { class NetworkDialog; }

// Connection settings: device search, connect and disconnect, address change,
// the serial group, language buttons and the send intervals.
class NetworkDialog : public QWidget
{
    Q_OBJECT
public:
    explicit NetworkDialog(QWidget *parent = nullptr);
    ~NetworkDialog() override;

    void setMainWindow(MainWindow *window) { mMainWindow = window; }
    // A copy of the form record (its widget pointers).
    Ui_NetworkDialog getUi() const;
    void retranslateUi();
    void applyTimerInterval();
    QStringList localIPv4Addresses() const;
    void pollSerialPorts();

    // Gives every cell of the row an empty centred item; the editable columns
    // are those of a search (or only IP and MAC before any search).
    void createRowItems(int row, bool searchColumns);
    // First selected row of the device table, -1 when none.
    int selectedRow() const;

    QString mIp;
    QString mMac;
    QString mPort;
    int mCountdown = 0;
    QTimer *mCountdownTimer = nullptr;
    NetworkHelp *mHelp = nullptr;
    QStringList mMacList;

private slots:
    void on_ptn_refresh_clicked();
    void on_ptn_findDevice_clicked();
    void on_ptn_connectDevice_clicked();
    void on_ptn_disconnectDevice_clicked();
    void on_openButton_clicked();
    void upDatatimer();
    void on_changeIP_clicked();
    void on_pushButtonHelp_clicked();
    void on_Button_EN_clicked();
    void on_Button_RU_clicked();
    void on_Button_CN_clicked();
    void on_Button_ES_clicked();

private:
    void searchInterface(int entry);
    QString cellText(int row, int column) const;
    void setSearchControlsEnabled(bool enabled);
    void switchLanguage(int index);
    void warn(const QString &text);

    Ui::NetworkDialog *ui;
    MainWindow *mMainWindow = nullptr;
};

#endif
