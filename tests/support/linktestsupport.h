#ifndef LINKTESTSUPPORT_H
#define LINKTESTSUPPORT_H

#include <QObject>
#include <QStringList>
#include <memory>

class MainWindow;

// A widget of a form, found by its object name (the names are the interface).
template <class T>
T *formChild(const QObject *owner, const char *name)
{
    return owner->findChild<T *>(QLatin1String(name));
}

// Puts every link flag and the status pair back to their start values.
void resetLinkFlags();

// Makes the serial code see exactly these ports (paths such as /dev/pts/3);
// an empty list offers none.
void offerSerialPorts(const QStringList &paths);

// A main window as the program builds it, with its link set up.
std::unique_ptr<MainWindow> makeLinkedMainWindow();

// Set-up shared by the link tests that need no ports: work in dirPath and
// offer no serial ports.
void enterPortlessLinkTest(const QString &dirPath);

// A main window made with every link flag back at its start value.
std::unique_ptr<MainWindow> makeFreshLinkedMainWindow();

#endif
