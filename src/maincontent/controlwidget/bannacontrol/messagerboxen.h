#ifndef MESSAGERBOXEN_H
#define MESSAGERBOXEN_H

#include <QWidget>

class Ui_messagerboxen;

// Fixed notice, in English, that the serial port cannot be opened.
// The serial code reports that failure through MyMessageBox; nothing shows this.
class messagerboxen : public QWidget
{
    Q_OBJECT
public:
    explicit messagerboxen(QWidget *parent = nullptr);
    ~messagerboxen() override;

    Ui_messagerboxen *ui = nullptr;
};

#endif
