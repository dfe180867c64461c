#include "sliceupview.h"

#include "sliceupscene.h"

SliceUpView::SliceUpView(QWidget *parent)
    : QGraphicsView(parent)
{
    init();
}

SliceUpView::~SliceUpView()
{
    // The scene has no parent; it lives exactly as long as the view.
    setScene(nullptr);
    delete mScene;
}

void SliceUpView::init()
{
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing
                   | QPainter::SmoothPixmapTransform);
    setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
    setResizeAnchor(QGraphicsView::AnchorUnderMouse);
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setDragMode(QGraphicsView::RubberBandDrag);
    setContextMenuPolicy(Qt::CustomContextMenu);
    scale(0.038f, 0.038f);

    mScene = new SliceUpScene(QRectF(0, 0, 3990, 2310), nullptr);
    setScene(mScene);
}
