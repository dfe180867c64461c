#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QMainWindow>
#include <QMap>
#include <QSize>
#include <QStringList>
#include <QVector>
#include <QList>
#include <QByteArray>
#include <QColor>
#include <QHostAddress>

#include "link/statusframe.h"

class QLabel;
class QTimer;
class QTcpSocket;
class QUdpSocket;
class QSerialPort;
class QPushButton;
class QColorDialog;
class QKeyEvent;
class QSlider;
class QLineEdit;
struct InputSourceValues;
class QRectF;
class Ui_MainWindow;
class InputSourceButton;
class DragPushButton;
class NetworkDialog;
class CommunicationDialog;
class MyFrame;
class MySlider;
class InputChannel;
class ResolutionRatioScene;
struct GlobalStatus;
struct WindowStatus;
struct InputResolution;
enum class StateRoad;

namespace Ui { class MainWindow; }

// The program's only main window and the hub that connects every part.
// Its members are implemented in the source files of the folders that own
// them (link/ the device link, preset/ the panels); below they are grouped by
// the file that defines them.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // mainwindow.cpp: construction, event filter, communication dialog
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;
    Ui_MainWindow *getUi() const { return ui; }
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showCommunicationDialog();

    // mainwindow_status.cpp: status bar texts
    void initStatusTexts();
    QString statusLine(int code) const;
    void showStatusText(const QString &text);
    void updateStatusBar();
public slots:
    void bar2(QString string);
public:

    // mainwindow_language.cpp: language switch
    void switchLanguage(int index);
public slots:
    void changeLanguage(int index);
public:

    // mainwindow_toolbar.cpp: zoom tools, cursor modes, preset keys
    static float zoomScale(int value);
    void initZoomToolbar();
    void setEditMode();
    void setZoomMode();
    void zoomStepUp();
    void zoomStepDown();
    void applyZoomFromSlider();
public slots:
    void on_MyMessageButton_clicked();
protected:
    void keyPressEvent(QKeyEvent *event) override;
public:

    // link/mainwindow_commands.cpp: the way into the send queue, splice commands, DHCP
    // Stands for the window the panel's window list selects.
    static constexpr int SelectedWindow = 255;
    // The only way into the send queue; an empty text, which is how the
    // command builders refuse a value, never gets in.
    void sendCommand(const QString &hexText);
    void sendWindowCommand(int window, int code, int value);
    void initSpliceCommandTable();
public slots:
    void on_DHCPon_clicked();
    void on_DHCPoff_clicked();
public:

    // link/mainwindow_pump.cpp: send queue pump and link timers
    // Restarts the pump, and the wall view's drag pacing with it.
    void setSendInterval(int ms);
    void initTimers();
    void onSendTimer();
    void sendNextPacket();

    // link/mainwindow_sockets.cpp: TCP and UDP sockets
    void initNetwork();
    bool bindUdpSocket(const QHostAddress &local);

    // link/mainwindow_gate.cpp: connection gate and editing controls
    bool checkConnected();
    void enableControls();
    void disableControls();
    // The offline button and the editing controls as a link comes up or goes.
    void showLinkControls(bool linked);
    // Once the network link is closed every input counts as usable again.
    void clearUnsupportedInputs();
    void setEditingControlsEnabled(bool enabled);
    void setCurrentWindowsMovable(bool movable); // the four windows of the shown canvas
public slots:
    void langban();
    void WidgetControl();
    void on_testButton_clicked();
public:

    // link/mainwindow_serial.cpp: serial link
    void initSerialPort();
public slots:
    void showValidPort();
    void on_openButton_clicked();
    void readyReadSlot();
    void on_ptn_offLine_clicked();
public:

    // link/mainwindow_tcp.cpp: TCP link and status frames
    void onConnectTimeout();
    void onTcpConnected();
    void onUdpConnected();
    void onStartupQueryTimeout();
    void checkFirstRead();
    void onServerDisconnected();
    void onTcpReadyRead();
    void parsingLowerComputerStatusByTcp(const QByteArray &hexText);
    void applyGlobalStatus(const GlobalStatus &status);
    void applyWindowStatus(const WindowStatus &status);
    // The picture values and flags that both reads of a window apply alike.
    static void applyReadPicture(InputChannel *window, const WindowStatus &status);
public slots:
    void on_connect_clicked();
public:

    // link/mainwindow_udp.cpp: UDP road and device state read
    void connectDevice(bool dhcp);
    // The UDP read of the whole device state shared by connect and refresh.
    bool readDeviceState(const QHostAddress &local, const QString &deviceIp, quint16 port, const QString &failText);
    void applyGlobalReply();
    void applyWindowReply(int window, const QMap<int, QString> &reply);
    // Looks the code up for the road and keeps the size on that input-source button.
    InputResolution applyInputResolution(int button, int code, StateRoad road);
    void fileStatusRecords(const QByteArray &datagram);
public slots:
    void on_ptn_refresh_clicked();
    void on_NetConnectBtn_clicked();
    void parsingLowerComputerStatusByUdp();
public:

    // link/mainwindow_loopback.cpp: loop-back applier
    void applyCommandText(QString text);
    void applyWindowCommand(int target, int code, int value);

    // preset/mainwindow_inputs.cpp: input-source buttons and their drop
    void initInputSources();
    void loadInputSourceCaptions();
    void onInputSourceDropped(InputSourceButton *button, int inputSourceIndex, QPoint pos);
    void openWindowAt(InputSourceButton *button, int source, QPoint globalPos);
    void assignInputSource(int index, InputSourceButton *button, int source);
    InputChannel *panelWindow(int index) const;     // window of the current canvas

    // preset/mainwindow_splice.cpp: splice grid and wall zoom
    void fillComboBoxes();
    void initLayoutZoomTable(int k);
    void updateWallScene();
    void applyLayoutZoom(int rowIndex, int columnIndex);
    void applyLayoutZoomFromUi();
    void applySpliceRowsColumns();
public slots:
    void on_rowCbx_currentIndexChanged(int index);
    void on_columnCbx_currentIndexChanged(int index);
public:

    // preset/mainwindow_modes.cpp: layout modes and device-wide buttons
    void onWindowLevelChanged(int index);
public slots:
    void on_checkBox_clicked(bool checked);
    void on_ptn_singleScreenModel_clicked();
    void on_ptn_openWindowModel_clicked();
    void on_ptn_overlayModel_clicked();
    void on_ptn_fourDivisionModel_clicked();
    void on_ptn_levelMode_clicked();
    void on_ptn_factoryDataReset_clicked();
    void on_btn_page2Reset_clicked();
    void on_ptn_twoDivisionModel_OBOS_clicked();
    void on_ptn_twoScreenModel_leftRight_clicked();
    void on_ptn_twoDivisionModel_upDown_clicked();
    void on_ptn_fourDivisionModel_OBTS_clicked();
    void on_ptn_saveAll_clicked();
    void on_pushButtonReset103_clicked();
    void on_outputModeComBox_currentIndexChanged(int index);
public:

    // preset/mainwindow_paneldisplay.cpp: selected-window panel, display
    void onWindowRotated(int rotated);
    void onChangeInputSourceInfo(int currentItemIndex, int mInputSourceIndex);
    void connectCropEditor();
    void initAttributeControls();
    void hideUnsupportedControls();
    int positionScale();
    void moveWindowToLevel(int window, int level);
    void onCurrentChannelChanged(int index);
    void onViewRightMenuInfo();
    void onViewRightMenuInfoWithIndex(int currentChannelIndex);
    void onSceneRightMenuInfo();
    void fillPanel(int index, InputChannel *window);
    void showWindowGeometry(const InputChannel *window);   // X, Y, width, height edits
    InputChannel *selectedWindow() const;
    int selectedIndex() const;
    ResolutionRatioScene *panelScene() const;
    QPair<int, int> wallGrid() const;               // rows, columns
    QVector<QPair<QSlider *, QLineEdit *>> pictureControls() const;
public slots:
    void changeUIBaseSelectChannel(int ChannelID);
public:

    // preset/mainwindow_paneledits.cpp: selected-window panel, edits
    bool checkResolutionLimit();
    void sliderCursorLambda(QSlider *slider);
    void ctorLambdaStopTimer();
    void onPaletteColorSelected(const QColor &color);
    void sendImageParameter(int index, int value);
    QPair<float, float> panelRatios(const QRectF &sceneRect) const;
    void onPosXOrWidthEdited(bool width);
    void onPosYOrHeightEdited(bool height);
    void onCropEdited(int code);
    void onColorEdited(int code);
    void onShowWindowChanged(int state);
    void onAudioChanged(int state);
    void onFreezeChanged(int state);
    void enableFrozenWindowControls();
    void onSolidColorChanged(int state);
    void onFlagBoxChanged(bool InputSourceValues::*flag, int code, int state);
    void onDeinterlaceChanged(int state);
    void onPullDownChanged(int code, int state);
    void onImageSliderValueChanged(int index, int value);
    void onImageEditFinished(int index);
    void onImageSliderReleased(int index);
public slots:
    void on_btn_openColorPalette_clicked();
    void on_ckx_freezeAllWindows_stateChanged(int arg1);
    void on_ptn_FreezeAllWindow_clicked();
    void changeSliceInfo(int mode, int HStart, int VStart, int HEnd, int VEnd);
public:

    // preset/mainwindow_presets.cpp: preset panel
    void initPresetFrames();
    void applyPresetByNumber(int index);
    bool presetFrameEvent(QObject *watched, QEvent *event);   // true when consumed
public slots:
    void on_presetApplyButton_clicked();
    void on_presetSaveButton_clicked();
    void on_presetPreButton_clicked();
    void on_presetNextButton_clicked();

signals:
    void mainsignals();
    void color();
    void tabbar();
    void readInfo(QString info);

public:
    // Members, in the order the window keeps them.
    QLabel *mStatusLabel = nullptr;
    QStringList mSerialPortTexts;
    QMap<QString, QString> mSpliceCommands;
    QVector<QSize> mInputResolutions;
    Ui_MainWindow *ui = nullptr;
    QTimer *mSerialHandshakeTimer = nullptr;
    QTimer *mConnectTimer = nullptr;
    QStringList mSerialPortNames;
    QTcpSocket *mTcpSocket = nullptr;
    QUdpSocket *mUdpSocket = nullptr;
    QSerialPort *mSerialPort = nullptr;
    // A draggable input button made with the serial set-up, never shown or used.
    DragPushButton *mDragPushButton = nullptr;
    QList<InputSourceButton *> mInputSourceButtons;
    int mCurrentSceneIndex = 0;
    NetworkDialog *mNetworkDialog = nullptr;
    bool mSliderPending = false;
    QTimer *mSliderTimer = nullptr;
    int mPanelFillDepth = 0;    // > 0 while the panel shows a window: controls send nothing
    QTimer *mQueryTimer = nullptr;
    int mQueryStep = 0;
    int mInitialChannelIndex = 0;
    bool mReadOk = false;
    CommunicationDialog *mCommunicationDialog = nullptr;
    int mStoredRowIndex = 0;
    int mStoredColumnIndex = 0;
    QString mDeviceIp;
    bool mDiscoveryMode = false;
    QMap<int, QString> mReplyMapA;
    QMap<int, QString> mReplyMapB;
    QMap<int, QString> mReplyMapC;
    QMap<int, QString> mReplyMapGlobal;
    QList<MyFrame *> mPresetFrames;
    int mSelectedPreset = -1;
    int ReplyState = 0;
    QHostAddress mReadDeviceAddress;   // a device read files records from this sender only
    bool mMalformedWarned = false;     // one warning of a malformed answer per device read
    StatusFrameStream mTcpFrames;      // TCP bytes not yet forming a whole frame
    QTimer *mSendTimer = nullptr;
    QList<QByteArray> *mSendPackets = nullptr;
    QList<QString> *mSendTexts = nullptr;
    QString mStatusText[100][4];
    QMap<QString, QString> mLayoutZoomTable;
    QTimer *mStatusTimer = nullptr;
    MySlider *mZoomSlider = nullptr;
    QPushButton *mFullScreenButton = nullptr;
    QPushButton *mSelectModeButton = nullptr;
    QPushButton *mZoomModeButton = nullptr;
    QPushButton *mZoomInButton = nullptr;
    QPushButton *mZoomOutButton = nullptr;
    QLabel *mVersionLabel = nullptr;
    QColorDialog *mColorDialog = nullptr;

    // Preset recalls asked for from the keyboard, for tests to observe.
    int mPresetKeyCount = 0;
    int mLastPresetKey = -1;
};

#endif
