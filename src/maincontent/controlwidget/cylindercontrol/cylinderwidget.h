#ifndef CYLINDERWIDGET_H
#define CYLINDERWIDGET_H

#include <QWidget>

class QLayout;
class QPushButton;

namespace Ui { class CylinderWidget; }

// Splice and rotation page: the mode buttons choose how the box splices its
// wall and lay out one button per screen in that shape; clicking a screen
// toggles its rotation. Commands go straight to the serial port.
class CylinderWidget : public QWidget
{
    Q_OBJECT
public:
    explicit CylinderWidget(QWidget *parent = nullptr);
    ~CylinderWidget() override;

    // Rotation of screens 1..4 as this page last sent it (1 on); the box is
    // never asked, so this starts at 0 whatever the box is doing.
    int mRotated[4];
    // Owned by the page: a mode that uses fewer screens detaches the rest,
    // and the next mode may place them again.
    QPushButton *mScreens[4];
    Ui::CylinderWidget *ui;

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

public slots:
    void rotatebtn1();
    void rotatebtn2();
    void rotatebtn3();
    void rotatebtn4();
    // Takes every item out of the layout; widgets are only detached, so the
    // caller keeps them.
    void deleteAllitemsOfLayout(QLayout *layout);
    void on_H2_clicked();
    void on_H3_clicked();
    void on_H4_clicked();
    void on_V2_clicked();
    void on_V3_clicked();
    void on_pushButton_clicked();
    void on_V4_clicked();
    void send(QString nub);

private:
    void placeSpliceMode(const char *button);
    void toggleRotation(int screen);
};

#endif
