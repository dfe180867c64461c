#ifndef USERVIEW_H
#define USERVIEW_H

#include <QGraphicsView>
#include <QHash>
#include <QList>
#include <QPoint>
#include <QPointer>
#include <QPointF>

class MainWindow;
class ResolutionRatioScene;
class InputChannel;
class TransferController;
class SetItemAttribute;
class QAction;
class QMenu;
class QTimer;
class QRubberBand;

// The interactive wall view: shows one of four output canvases, lets the user
// edit its four windows with the mouse, the keys and two context menus, and
// turns every edit into window commands for the main window's send queue.
class UserView : public QGraphicsView
{
    Q_OBJECT
public:
    explicit UserView(QWidget *parent = nullptr);
    ~UserView() override;

    void setMainWindow(MainWindow *mainWindow);
    void sendCommand(const QString &hexText);
    // The drag pacing; the main window keeps it in step with its pump.
    void setTickInterval(int ms);
    void retranslateMenus();
    void setCursorMode(int mode);

    bool channelAt(QPoint viewPos);
    void openWindow(int index);
    void closeWindow(int index);
    int openWindowAt(QPoint globalPos);
    void handleKey(int key, int step);
    void scaleChannel(int op, int step);
    void onLayerAction(int k);
    void onSendXYPos(int index, int sendModeIndex);
    void stepPosition();

    // Prepares the menu a context request at pos shows (check marks, current
    // window) and returns it, or null when nothing is to be shown.
    QMenu *prepareContextMenu(QPoint pos);
    void showContextMenu(QPoint pos);

    ResolutionRatioScene *currentScene() const;
    InputChannel *currentChannel() const;

    // The four-language menu table: row, language column 0..3.
    static const QString &menuText(int row, int language);
    // Layer-order command: "0410" and one digit per layer, front first.
    static QString layerOrderText(const ResolutionRatioScene *scene);

    int mCurrentSceneIndex = 0;
    QList<ResolutionRatioScene *> mScenes;
    int mCurrentChannelIndex = -1;
    float mScaleFactor = 0.2f;
    QMenu *mOpenWindowMenu = nullptr;
    QList<QAction *> mOpenWindowActions;
    QMenu *mContextMenu = nullptr;
    QList<QAction *> mWindowActions;      // discard input source, close, property
    QMenu *mInputSourceMenu = nullptr;
    QList<QAction *> mInputSourceActions;
    QMenu *mLayerMenu = nullptr;
    QList<QAction *> mLayerActions;
    QPointer<SetItemAttribute> mAttributeDialog;   // last opened by the property entry
    QPoint mMenuPos;
    TransferController *mTransferController = nullptr;
    QTimer *mXYPosTimer = nullptr;
    bool mXYPosBusy = false;
    QMenu *mAudioMenu = nullptr;
    QList<QAction *> mAudioActions;
    QMenu *mVideoGenMenu = nullptr;
    QList<QAction *> mVideoGenActions;
    QMenu *mRotationMenu = nullptr;
    QList<QAction *> mRotationActions;
    QMenu *mAdaptiveFillMenu = nullptr;
    QList<QAction *> mAdaptiveFillActions;
    QMenu *mFirstRowMenu = nullptr;
    QList<QAction *> mFirstRowActions;
    QTimer *mKeyTimer = nullptr;
    bool mKeyBusy = false;
    QTimer *mStepTimer = nullptr;
    bool mMaySend = true;
    QTimer *mSendTickTimer = nullptr;
    QTimer *mInputTimer = nullptr;
    MainWindow *mMainWindow = nullptr;
    QPoint mRubberBandOrigin;
    QRubberBand *mRubberBand = nullptr;
    QPoint mPanOrigin;

signals:
    void changeRightMenuInfo();
    void changeRightMenuInfoWithIndex(int currentChannelIndex);
    void changeInputSourceInfo(int currentItemIndex, int mInputSourceIndex);
    void readInfo(QString info);

public slots:
    void handleData();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void init();
    void createOpenWindowMenu();
    void createContextMenu();
    void onOpenWindowAction(int index);
    void onDiscardInputSource();
    void onCloseWindowAction();
    void onPropertyAction();
    void onInputSourceAction(int source);
    void onAudioAction(int n);
    void onVideoGenAction(int n);
    void onRotationAction(int n);
    void onAdaptiveFillAction(int n);
    void onFirstRowAction(int n);
    void stepRotation(InputChannel *channel, int index);
    // Wakes the drag ticker for a window whose edit has begun.
    void onEditStarted(InputChannel *channel);
    void zoomToRubberBand();
    void applyZoomStep();
    void sendGeometry(InputChannel *channel, int index, int x, int y, int w, int h);
    // Notes the text as the window's last sent geometry and queues it.
    void sendGeometryText(InputChannel *channel, const QString &text);
    QString deviceGeometryText(InputChannel *channel, int index) const;
    bool checkedIndex(int index) const;

    // Last geometry text queued per window, so that a release can queue the
    // final position when the pacing swallowed it.
    QHash<const InputChannel *, QString> mLastGeometry;
};

#endif
