#ifndef ERRORFORM_H
#define ERRORFORM_H

#include <QWidget>

class Ui_error;

// Fixed notice, in three Chinese lines, that the serial port cannot be opened.
// The serial code reports that failure through MyMessageBox; nothing shows this.
class error : public QWidget
{
    Q_OBJECT
public:
    explicit error(QWidget *parent = nullptr);
    ~error() override;

    Ui_error *ui = nullptr;
};

#endif
