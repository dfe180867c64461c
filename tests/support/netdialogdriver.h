#ifndef NETDIALOGDRIVER_H
#define NETDIALOGDRIVER_H

#include <QObject>
#include <QString>

class MainWindow;
class NetworkDialog;
class QPushButton;
class QTableWidget;

// Works the network dialog of a main window as a user does: clicks its
// buttons and rows, reads its table.
class NetDialogDriver
{
public:
    explicit NetDialogDriver(MainWindow *window);

    NetworkDialog *dialog() const;
    QTableWidget *table() const;
    QPushButton *button(const char *name) const;
    void click(const char *name) const;
    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString &text) const;
    void selectRow(int row) const;
    // Searches until the first row is filled, ends the search and lets the
    // interface steps it scheduled run out.
    bool quickSearch() const;

private:
    MainWindow *mWindow;
};

#endif
