#ifndef FRAMECONTROL_H
#define FRAMECONTROL_H

#include <QFrame>

// A plain frame with a type of its own, for style sheets to select by class.
class FrameControl : public QFrame
{
    Q_OBJECT
public:
    explicit FrameControl(QWidget *parent = nullptr);
};

#endif
