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
// Its members are implemented in the source files of the folders that own them:
//   mainwindow.cpp, mainwindow_status.cpp, mainwindow_language.cpp,
//   mainwindow_toolbar.cpp         - frame, status bar, language, zoom, keys
//   link/mainwindow_*.cpp           - device link, protocol and device reads
//   preset/mainwindow_*.cpp         - panels, modes and presets
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    bool eventFilter(QObject *watched, QEvent *event) override;

    // ---- frame (mainwindow_status.cpp, mainwindow_toolbar.cpp) ----
    void initStatusTexts();
    QString statusLine(int code) const;
    void showStatusText(const QString &text);
    void updateStatusBar();
    static float zoomScale(int value);
    void initZoomToolbar();
    void setEditMode();
    void setZoomMode();
    void zoomStepUp();
    void zoomStepDown();
    void applyZoomFromSlider();
    void fillComboBoxes();
    bool checkResolutionLimit();
    void onWindowRotated(int rotated);
    void onChangeInputSourceInfo(int currentItemIndex, int mInputSourceIndex);
    void sliderCursorLambda(QSlider *slider);
    void ctorLambdaStopTimer();
    void switchLanguage(int index);
    void showCommunicationDialog();
    void connectCropEditor();

    // ---- device link (link/) ----
    // Stands for the window the panel's window list selects.
    static constexpr int SelectedWindow = 255;
    // The only way into the send queue; an empty text, which is how the
    // command builders refuse a value, never gets in.
    void sendCommand(const QString &hexText);
    void sendWindowCommand(int window, int code, int value);
    // Restarts the pump, and the wall view's drag pacing with it.
    void setSendInterval(int ms);
    void initSpliceCommandTable();
    void applyCommandText(QString text);
    void applyWindowCommand(int target, int code, int value);
    void initTimers();
    void onSendTimer();
    void sendNextPacket();
    void initNetwork();
    bool bindUdpSocket(const QHostAddress &local);
    void initSerialPort();
    bool checkConnected();
    void enableControls();
    void disableControls();
    // The offline button and the editing controls as a link comes up or goes.
    void showLinkControls(bool linked);
    // Once the network link is closed every input counts as usable again.
    void clearUnsupportedInputs();
    void setEditingControlsEnabled(bool enabled);
    void setCurrentWindowsMovable(bool movable); // the four windows of the shown canvas
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
    void connectDevice(bool dhcp);
    // The UDP read of the whole device state shared by connect and refresh.
    bool readDeviceState(const QHostAddress &local, const QString &deviceIp, quint16 port, const QString &failText);
    void applyGlobalReply();
    void applyWindowReply(int window, const QMap<int, QString> &reply);
    // Looks the code up for the road and keeps the size on that input-source button.
    InputResolution applyInputResolution(int button, int code, StateRoad road);
    void fileStatusRecords(const QByteArray &datagram);

    // ---- panels, modes and presets (preset/) ----
    void initLayoutZoomTable(int k);
    void initInputSources();
    void loadInputSourceCaptions();
    void onInputSourceDropped(InputSourceButton *button, int inputSourceIndex, QPoint pos);
    void openWindowAt(InputSourceButton *button, int source, QPoint globalPos);
    void assignInputSource(int index, InputSourceButton *button, int source);
    void initAttributeControls();
    void hideUnsupportedControls();
    int positionScale();
    void moveWindowToLevel(int window, int level);
    void onPaletteColorSelected(const QColor &color);
    void onCurrentChannelChanged(int index);
    void onViewRightMenuInfo();
    void onViewRightMenuInfoWithIndex(int currentChannelIndex);
    void onSceneRightMenuInfo();
    void onWindowLevelChanged(int index);
    void sendImageParameter(int index, int value);
    // selected-window panel (preset/mainwindow_panel.cpp)
    InputChannel *panelWindow(int index) const;     // window of the current canvas
    void fillPanel(int index, InputChannel *window);
    void showWindowGeometry(const InputChannel *window);   // X, Y, width, height edits
    InputChannel *selectedWindow() const;
    int selectedIndex() const;
    ResolutionRatioScene *panelScene() const;
    QPair<int, int> wallGrid() const;               // rows, columns
    QPair<float, float> panelRatios(const QRectF &sceneRect) const;
    QVector<QPair<QSlider *, QLineEdit *>> pictureControls() const;
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
    void updateWallScene();
    void applyLayoutZoom(int rowIndex, int columnIndex);
    void applyLayoutZoomFromUi();
    void applySpliceRowsColumns();
    void initPresetFrames();
    void applyPresetByNumber(int index);
    bool presetFrameEvent(QObject *watched, QEvent *event);   // true when consumed

    Ui_MainWindow *getUi() const { return ui; }

signals:
    void mainsignals();
    void color();
    void tabbar();
    void readInfo(QString info);

public slots:
    void bar2(QString string);
    void showValidPort();
    void langban();
    void WidgetControl();
    void on_openButton_clicked();
    void on_connect_clicked();
    void on_checkBox_clicked(bool checked);
    void readyReadSlot();
    void on_rowCbx_currentIndexChanged(int index);
    void on_btn_openColorPalette_clicked();
    void changeUIBaseSelectChannel(int ChannelID);
    void on_ptn_singleScreenModel_clicked();
    void on_ptn_openWindowModel_clicked();
    void on_ptn_overlayModel_clicked();
    void on_ptn_fourDivisionModel_clicked();
    void on_ptn_levelMode_clicked();
    void on_DHCPon_clicked();
    void on_DHCPoff_clicked();
    void on_ptn_factoryDataReset_clicked();
    void on_btn_page2Reset_clicked();
    void on_ckx_freezeAllWindows_stateChanged(int arg1);
    void on_ptn_FreezeAllWindow_clicked();
    void on_ptn_twoDivisionModel_OBOS_clicked();
    void on_ptn_twoScreenModel_leftRight_clicked();
    void on_ptn_twoDivisionModel_upDown_clicked();
    void on_ptn_fourDivisionModel_OBTS_clicked();
    void changeSliceInfo(int mode, int HStart, int VStart, int HEnd, int VEnd);
    void on_ptn_saveAll_clicked();
    void on_ptn_offLine_clicked();
    void on_ptn_refresh_clicked();
    void on_columnCbx_currentIndexChanged(int index);
    void on_NetConnectBtn_clicked();
    void parsingLowerComputerStatusByUdp();
    void changeLanguage(int index);
    void on_testButton_clicked();
    void on_pushButtonReset103_clicked();
    void on_MyMessageButton_clicked();
    void on_presetApplyButton_clicked();
    void on_presetSaveButton_clicked();
    void on_presetPreButton_clicked();
    void on_presetNextButton_clicked();
    void on_outputModeComBox_currentIndexChanged(int index);

protected:
    void keyPressEvent(QKeyEvent *event) override;

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
