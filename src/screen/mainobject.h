#ifndef MAINOBJECT_H
#define MAINOBJECT_H

#include <QObject>
#include <QPointer>

class MainWindow;

// Start-up: language, translation, splash screen, main window, fade-in.
class MainObject : public QObject
{
    Q_OBJECT
public:
    explicit MainObject(QObject *parent = nullptr);
    ~MainObject() override;

    void startUp();

    // Guarded: the title bar's close button deletes the window itself.
    QPointer<MainWindow> mMainWindow;
};

#endif
