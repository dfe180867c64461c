#include "maincontent/controlwidget/cylindercontrol/splicemodes.h"

#include "maincontent/controlwidget/controlpagecommand.h"

QString rotationCommand(int screen, bool on)
{
    // One bit per screen, so the box could take several at once.
    return ControlPageCommand::withCheck(ControlPageCommand::Rotation, quint8(1 << screen), on ? 1 : 0);
}
