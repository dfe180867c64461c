#ifndef WINDOWFIXTURE_H
#define WINDOWFIXTURE_H

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>

class MainWindow;
class QTemporaryDir;

// Puts every program-wide value back to the value the program starts with:
// the g_* globals, the network holder's device and session, the route
// command, the busy box size, the drag start and the serial port lister.
void resetProgramState();

// A whole main window as the program builds it, made after
// resetProgramState() in a temporary working directory, so it finds no INI
// file a test did not write. Going, it deletes the window, resets the
// program-wide values again and returns to the directory it found.
class WindowFixture
{
public:
    // beforeWindow runs in the working directory before the window is built.
    explicit WindowFixture(const std::function<void()> &beforeWindow = {});
    virtual ~WindowFixture();
    WindowFixture(const WindowFixture &) = delete;
    WindowFixture &operator=(const WindowFixture &) = delete;

    QString dirPath() const;
    // A second start of the program in the same directory: the window is
    // deleted and built again, the program-wide values are left as they are.
    void rebuildWindow();

    // Null once a test has closed or deleted the window itself.
    QPointer<MainWindow> mw;

private:
    QTemporaryDir *mDir = nullptr;
    QString mOldDir;
};

// A widget of a form, found by its object name (the names are the interface).
template <class T>
T *formChild(const QObject *owner, const char *name)
{
    return owner->findChild<T *>(QLatin1String(name));
}

// Makes the serial code see exactly these ports (paths such as /dev/pts/3);
// an empty list offers none.
void offerSerialPorts(const QStringList &paths);

#endif
