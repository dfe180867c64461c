#ifndef NETDIALOGDRIVER_H
#define NETDIALOGDRIVER_H

#include <QObject>
#include <QString>

class MainWindow;
class NetworkDialog;
class QPushButton;
class QTableWidget;
class QWidget;

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

    // A widget of the main window's form by its object name.
    template <typename T> T *mainWidget(const char *name) const;

private:
    QWidget *mainChild(const char *name) const;
    MainWindow *mWindow;
};

template <typename T> T *NetDialogDriver::mainWidget(const char *name) const
{
    return qobject_cast<T *>(mainChild(name));
}

#endif
