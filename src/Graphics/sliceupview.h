#ifndef SLICEUPVIEW_H
#define SLICEUPVIEW_H

#include <QGraphicsView>

// Crop editor view.
class SliceUpView : public QGraphicsView
{
    Q_OBJECT
public:
    explicit SliceUpView(QWidget *parent = nullptr);
};

#endif
