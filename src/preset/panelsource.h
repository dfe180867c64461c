// A window's source picture and crop editor, shared by the panel's display and edits.
#ifndef PANELSOURCE_H
#define PANELSOURCE_H

#include <QList>

#include "Graphics/inputchannel.h"
#include "Graphics/inputsourcebutton.h"
#include "Graphics/sliceupscene.h"
#include "Graphics/sliceupview.h"
#include "Graphics/wallgeometry.h"
#include "ui_mainwindow.h"

class SliceUpSizeItem;

namespace PanelSource {

constexpr int kCropMargin = 150;   // handle room of the crop editor, both sides together

// Source picture of a window: the input button's size for HDMI 1..4, else a
// whole 4K picture. Scales turn crop-editor units into source pixels.
struct SourcePicture {
    int width = WallGeometry::DeviceWidth;
    int height = WallGeometry::DeviceHeight;
    double hs = 1.0;
    float vs = 1.0f;
    bool known = false;
};

inline SourcePicture sourcePicture(const QList<InputSourceButton *> &buttons, const InputChannel *window)
{
    SourcePicture picture;
    const int source = window->mInputSourceIndex;
    if (source >= 0 && source <= 3 && source < buttons.size()) {
        const InputSourceButton *button = buttons.at(source);
        picture.width = button->mSourceWidth;
        picture.height = button->mSourceHeight;
        picture.hs = picture.width / double(WallGeometry::DeviceWidth);
        picture.vs = float(picture.height / double(WallGeometry::DeviceHeight));
        picture.known = true;
    }
    return picture;
}

inline SliceUpSizeItem *cropItem(Ui_MainWindow *ui)
{
    SliceUpScene *scene = ui->sliceUpView->mScene;
    return scene ? scene->mSizeItem : nullptr;
}

} // namespace PanelSource

#endif
