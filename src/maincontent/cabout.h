#ifndef CABOUT_H
#define CABOUT_H

#include <QWidget>

class Ui_Cabout;

// English-only About window; built by the title bar, never shown.
class Cabout : public QWidget
{
    Q_OBJECT
public:
    explicit Cabout(QWidget *parent = nullptr);
    ~Cabout() override;

    Ui_Cabout *ui = nullptr;

public slots:
    void on_pushButton_2_clicked();
};

#endif
