#ifndef SLICEUPVIEW_H
#define SLICEUPVIEW_H

#include <QGraphicsView>

class SliceUpScene;

// Crop editor: a small view over the selected window's input picture with
// a crop rectangle moved and resized by its handles.
class SliceUpView : public QGraphicsView
{
    Q_OBJECT
public:
    explicit SliceUpView(QWidget *parent = nullptr);
    ~SliceUpView() override;

    void init();

    SliceUpScene *mScene = nullptr;   // ours, kept for the view's life
};

#endif
