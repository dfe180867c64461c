#ifndef FRAMEWIDGET_H
#define FRAMEWIDGET_H

#include <QPoint>
#include <QWidget>

class DragPushButton;
class QAction;
class QPushButton;

namespace Ui { class FrameWidget; }

// The routing page: four input buttons beside a 2 x 2 grid of outputs. An
// input reaches an output by dragging its button there, by clicking the input
// and then the output, or through the page's context menu; each way sends the
// routing command at once and marks the output with the input's digit. The
// marks show what was sent, not what the box reports.
class FrameWidget : public QWidget
{
    Q_OBJECT
public:
    explicit FrameWidget(QWidget *parent = nullptr);
    ~FrameWidget() override;

    Ui::FrameWidget *ui;
    QAction *mActions[4];              // menu entries for inputs 1..4
    DragPushButton *mInputButtons[4];  // ids 0..3, inputs 1..4
    QPoint mMenuPoint;                 // last right press on the page
    int mSelectedInput = 0;            // input 1..4 of the last click; 0 none

public slots:
    void slot_action1();
    void slot_action2();
    void slot_action3();
    void slot_action4();
    void pushbtn1();
    void pushbtn2();
    void pushbtn3();
    void lang2();
    void pushbtn4();
    void gao1();
    void gao2();
    void gao3();
    void gao4();
    void di();
    void changeUI1();
    void changeUI2();
    void changeUI3();
    void changeUI4();
    void changeUI5();
    void changeUI6();
    void changeUI7();
    void changeUI8();
    void changeUI9();
    void changeUI10();
    void changeUI11();
    void changeUI12();
    void changeUI13();
    void changeUI14();
    void changeUI15();
    void changeUI16();
    void showPushBtn(int id);
    void on_label3_clicked();
    void on_label4_clicked();

public:
    // Not a slot: an output button has no link to activate, and the form's
    // connection by name would warn about it on every page built.
    void on_label2_linkActivated(QString link);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QPushButton *output(int output) const; // label1..label4 for outputs 1..4
    int outputOf(const QObject *object) const;
    // Sends "output shows input" and marks the output with the input's digit.
    void route(int output, int input);
    void markOutput(int output, int input);
    void routeFromMenu(int input);
    // Drop slot n of the sixteen: input (n - 1) / 4 + 1 reached output (n - 1) % 4 + 1.
    void markDrop(int slot);
    void hover(int output);
};

#endif
