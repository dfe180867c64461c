#ifndef INPUTSOURCEBUTTONEDITLINE_H
#define INPUTSOURCEBUTTONEDITLINE_H

#include <QLineEdit>

// The rename field of an input-source button, shown over it while the user
// types a caption. A right click, Return/Enter or losing the focus confirms.
class InputSourceButtonEditLine : public QLineEdit
{
    Q_OBJECT
public:
    explicit InputSourceButtonEditLine(QWidget *parent = nullptr);

    // Stores the parent button's caption (enable) or just marks it unused.
    void saveButtonSettings(bool enable);

    int mEditing = 0;   // 1 while the user is typing a caption

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void confirmCaption();
};

#endif
