#ifndef NETWORKDIALOG_H
#define NETWORKDIALOG_H

#include <QSet>
#include <QStringList>
#include <QWidget>

#include "link/udpreply.h"

class MainWindow;
class NetworkHelp;
class QTimer;
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
    void retranslateUi();
    void applyTimerInterval();
    QStringList localIPv4Addresses() const;
    void pollSerialPorts();

    // What the user chose here: the device of the selected row (all empty
    // when none is selected), the serial port of the port list (its text, and
    // its index, -1 for none), and this PC's address for a search.
    DiscoveryRow selectedDevice() const;
    QString serialPortText() const;
    int serialPortIndex() const;
    QString localAddress() const;

    // The serial group mirrors the main form's port list and open button.
    void setSerialPortTexts(const QStringList &texts);
    void setOpenButtonText(const QString &text);
    // Room between the address-change and connect buttons; longer captions
    // leave less.
    void setButtonSpacing(int width);

    // Lists a search answer in the next row; a box's repeats add no row, and
    // a search lists at most MaxSearchRows answers.
    void addSearchAnswer(const QByteArray &datagram);
    static constexpr int MaxSearchRows = 1000;

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
    int mNextSearchRow = 1;   // the row the next search answer fills
    // What this search listed, from the IP column on: one look-up per answer
    // however long the table, against a host that floods distinct answers.
    QSet<QString> mListedAnswers;
    bool mSearchFullNoted = false;

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
