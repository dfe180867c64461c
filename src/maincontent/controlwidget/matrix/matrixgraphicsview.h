#ifndef MATRIXGRAPHICSVIEW_H
#define MATRIXGRAPHICSVIEW_H

#include <QColor>
#include <QGraphicsView>
#include <QRect>

// Paints a rectangle with curved corners and three plain rectangles straight
// onto its drawing area; no scene is involved.
class MatrixGraphicsView : public QGraphicsView
{
public:
    explicit MatrixGraphicsView(QWidget *parent = nullptr);

    // The fill of the curved rectangle and of rectangles 1 to 3.
    void setColors(const QColor &curved, const QColor &first, const QColor &second, const QColor &third);
    void setRects(const QRect &first, const QRect &second, const QRect &third);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Until they are set the view paints in these colours, and the three
    // rectangles are empty.
    QColor mColor1 = QColor(70, 130, 200);
    QColor mColor2 = QColor(80, 165, 110);
    QColor mColor3 = QColor(225, 150, 60);
    QColor mColor4 = QColor(140, 100, 190);
    QRect mRect1;
    QRect mRect2;
    QRect mRect3;
};

#endif
