#ifndef MATRIX_H
#define MATRIX_H

#include <QWidget>

class QGroupBox;
class QPushButton;
class matrixbtn;

namespace Ui { class matrix; }

// Split page: nine layout buttons, a preview that draws the chosen layout as
// up to four windows with their input's picture, and four input buttons the
// user drags onto the preview. Commands go straight to the serial port.
class matrix : public QWidget
{
    Q_OBJECT
public:
    explicit matrix(QWidget *parent = nullptr);
    ~matrix() override;

    int mLayoutMode = 0; // SplitLayouts::Mode of the chosen layout
    int mPreviewX = 225;
    int mPreviewY = 230;
    int mPreviewHeight = 180;
    int mPreviewWidth = 320;
    QGroupBox *mDropFrame; // a drop counts only with the cursor inside it
    Ui::matrix *ui;
    matrixbtn *mInputButton1;
    matrixbtn *mInputButton2;
    matrixbtn *mInputButton3;
    matrixbtn *mInputButton4;
    matrixbtn *mSender; // never shown; owned by the page
    QPushButton *mWindowButton1;
    QPushButton *mWindowButton2;
    QPushButton *mWindowButton3;
    QPushButton *mWindowButton4;

public slots:
    void matrixlang();
    void backcolor();
    void on_fg1_clicked();
    void on_fg2x2_clicked();
    void on_fg1x2_clicked();
    void on_fg2x1_clicked();
    void changeUI1();
    void changeUI2();
    void changeUI3();
    void changeUI4();
    void gao();
    void di();
    void on_fg1x4_clicked();
    void on_fg4x1_clicked();
    void on_fg1x2_2_clicked();
    void on_fg2x1_2_clicked();
    void on_pushButton_clicked();

protected:
    // Carries an input's partner along in the pair modes.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPushButton *window(int index) const;   // 0..3
    matrixbtn *inputButton(int index) const; // 0..3
    QPushButton *layoutButton(const char *name) const;
    void chooseLayout(const char *button);
    void dropInput(int input);
    void putInputsHome();
};

#endif
