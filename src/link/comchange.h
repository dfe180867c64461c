#ifndef COMCHANGE_H
#define COMCHANGE_H

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QStringList>
#include <qwindowdefs.h>

struct SerialPortEntry;

// Reports serial ports that appear or vanish, by name: comStatus(name, true)
// on arrival, (name, false) on removal. Nothing is reported until setHwnd()
// names the window that counts. On Windows the reports come from the
// system's device-change messages to that window; elsewhere, where no such
// messages exist, from the changes of the program's serial-port list.
class ComChange : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT
public:
    explicit ComChange(QObject *parent = nullptr);
    ~ComChange() override;

    static ComChange *getInstance();

    void setHwnd(WId hwnd);
    bool nativeEventFilter(const QByteArray &eventType, void *message, long *result) override;

signals:
    void comStatus(QString name, bool flag);

private:
    WId mHwnd = 0;
#ifndef Q_OS_WIN
    void followPortList(const QList<SerialPortEntry> &ports);
    QStringList mKnownPorts;
#endif
};

// Names of the listed serial ports that can be opened read-write right now;
// ports that are busy (also with this program) or gone are left out.
QStringList availableSerialPorts();

#endif
