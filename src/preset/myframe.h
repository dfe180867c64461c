#ifndef MYFRAME_H
#define MYFRAME_H

#include <QColor>
#include <QFrame>
#include <QList>
#include <QMap>
#include <QString>

#include "preset/presetfile.h"

class MainWindow;
class QAction;
class QMenu;
class UserView;

// One of the ten preset previews: keeps a short history of snapshots of the
// wall's first canvas, paints the one it shows, stores the newest in its
// group of "./preset.ini" and replays a snapshot to the wall and the box.
class MyFrame : public QFrame
{
    Q_OBJECT
public:
    // Placed at row and column of the preview grid; id is the preset number 1..10.
    MyFrame(QWidget *parent, int row, int col, int id);

    int coordinateDivisor() const;
    void savePreset(UserView *view);
    bool writePresetFile();
    bool readPresetFile();
    // Applies the shown snapshot; false when there is none to apply.
    bool loadPreset(UserView *view = nullptr, MainWindow *mainWindow = nullptr);
    bool buildPresetCommands(UserView *view, MainWindow *mainWindow);
    void initContextMenu();
    void retranslateMenu();
    void setNormalStyle();
    void setSelectedStyle();

    // The snapshot painted and applied, or null when the preview is empty.
    const PresetSnapshot *shownSnapshot() const;

    static const QString &menuText(int row, int language);

public slots:
    void savePreset();
    void applyPreset();
    bool presetPrevious();
    bool presetNext();
    void deletePreset();

protected:
    void paintEvent(QPaintEvent *event) override;

public:
    int mFrameHeight = PresetFile::PreviewHeight;
    int mFrameWidth = PresetFile::PreviewWidth;
    MainWindow *mMainWindow = nullptr;
    QList<PresetSnapshot> mHistory;      // newest first, at most PresetFile::HistoryLimit
    bool mHasData = false;
    PresetSnapshot mWorkingCopy;         // newest snapshot saved or read: what the file holds
    QMap<QString, QString> mDivisorTable;
    double mDivisorHeight = 0;           // divisors of the layout of the last lookup or read
    double mDivisorWidth = 0;
    QColor mFillColours[4];
    int mID = 0;
    int mRecodingID = 0;                 // index in mHistory of the shown snapshot
    QMenu *mMenu = nullptr;
    QAction *mApplyAction = nullptr;
    QAction *mDeleteAction = nullptr;
    QAction *mSaveAction = nullptr;
    QAction *mPreviousAction = nullptr;
    QAction *mNextAction = nullptr;

private:
    UserView *wallView(UserView *view) const;
    void lookupDivisors(const QString &layoutName);
    void addToHistory(const PresetSnapshot &snapshot);
    void setLook(const QString &styleSheet, qreal shadowBlur);
};

#endif
