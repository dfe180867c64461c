#include "framecontrol.h"

FrameControl::FrameControl(QWidget *parent) : QFrame(parent, Qt::WindowFlags())
{
}
