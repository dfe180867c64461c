#ifndef MATRIXBTN_H
#define MATRIXBTN_H

#include <QPoint>
#include <QPushButton>

// An input button of the split page: dragged onto the preview and released,
// it asks the page to put its input into the layout. Ids 1..4 are the inputs
// "HDMI 1" to "HDMI 4".
class matrixbtn : public QPushButton
{
    Q_OBJECT
public:
    matrixbtn(int id, QWidget *parent);

    // The serial road of the control pages; uses nothing of the button.
    void sendHex(QString nub);

    QPoint mPressPoint; // press position inside the button
    int mId;

signals:
    void changeUI1();
    void changeUI2();
    void changeUI3();
    void changeUI4();
    void gao(); // dragged over the preview
    void di();  // dragged elsewhere, and after every left release
    void colorChanged();
    void colordelete();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
};

#endif
