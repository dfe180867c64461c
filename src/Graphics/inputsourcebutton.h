#ifndef INPUTSOURCEBUTTON_H
#define INPUTSOURCEBUTTON_H

#include <QPushButton>
#include "inputsourceinformation.h"

// One of the four draggable, renamable input-source buttons.
class InputSourceButton : public QPushButton, public InputSourceInformation
{
    Q_OBJECT
public:
    explicit InputSourceButton(QWidget *parent = nullptr);

    int mInputWidth = 3840;     // input resolution of the source
    int mInputHeight = 2160;
    bool mDefaultCaption = true; // showing the default caption

signals:
    void releaseMouseLeft(int InputSourceQPoint, QPoint pos);
};

#endif
