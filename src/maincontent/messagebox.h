#ifndef MESSAGEBOXFORM_H
#define MESSAGEBOXFORM_H

#include <QWidget>

class Ui_messagebox;

// Fixed notice, in one Chinese block, that the serial port cannot be opened.
// The serial code reports that failure through MyMessageBox; nothing shows this.
class messagebox : public QWidget
{
    Q_OBJECT
public:
    explicit messagebox(QWidget *parent = nullptr);
    ~messagebox() override;

    Ui_messagebox *ui = nullptr;
};

#endif
