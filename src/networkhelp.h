#ifndef NETWORKHELP_H
#define NETWORKHELP_H

#include <QWidget>

namespace Ui { class NetworkHelp; }

// Help page of the network dialog: hints on changing a box's address and on
// choosing the PC's network interface.
class NetworkHelp : public QWidget
{
    Q_OBJECT
public:
    explicit NetworkHelp(QWidget *parent = nullptr);
    ~NetworkHelp() override;

    void retranslateUi();

private:
    Ui::NetworkHelp *ui;
};

#endif
