#ifndef INPUTSOURCEBUTTON_H
#define INPUTSOURCEBUTTON_H

#include <QPoint>
#include <QPushButton>
#include "inputsourceinformation.h"

class InputSourceButtonEditLine;
class QMouseEvent;

// One of the four draggable, renamable input-source buttons. Dragging it and
// letting go emits releaseMouseLeft and puts it back home; a right click
// opens an edit line over it for a caption of the user's own.
class InputSourceButton : public QPushButton, public InputSourceInformation
{
    Q_OBJECT
public:
    explicit InputSourceButton(QWidget *parent = nullptr);

    void setHomePos(int x, int y);
    // Applies the caption stored for this button's number in
    // "./inputSourceButton.ini", if the user's caption is enabled there.
    void loadSavedCaption();

    // The caption file beside the program and its keys, one group per button.
    static const QString kSettingsFile;
    static QString settingsKey(int number, const QString &name);

    int mSourceWidth = 3840;    // input resolution of the source; a drop
    int mSourceHeight = 2160;   // gives the window's crop this end
    InputSourceButtonEditLine *mEditLine = nullptr;
    int mDefaultCaption = 1;    // 1 default caption shown, 0 the user's caption
    QPoint mLastPos;            // global mouse position during a drag
    bool mDragging = false;
    QPoint mHomePos;            // where the button returns after a drag

signals:
    void releaseMouseLeft(int InputSourceQPoint, QPoint pos);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
};

#endif
