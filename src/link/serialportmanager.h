#ifndef SERIALPORTMANAGER_H
#define SERIALPORTMANAGER_H

#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <functional>

class QSerialPort;

// The program's one serial port, reached from every part of the program.
class SerialPortManager : public QObject
{
    Q_OBJECT
public:
    static SerialPortManager *getInstance();

    // Creates the port (once) and closes it when the application quits.
    void init();
    QSerialPort *serialPort() const { return mSerialPort; }
    void setSerialPort(QSerialPort *port) { mSerialPort = port; }
    // The box's line: 115200 baud, 8 data bits, no parity, one stop bit, no
    // flow control. Both roads that open the port set it through here.
    static void applyLineSettings(QSerialPort *port);

signals:
    void serialStatus(QString text);

private slots:
    void closeOnQuit();

private:
    SerialPortManager() = default;
    QSerialPort *mSerialPort = nullptr;
};

// One serial port as the port lists show it.
struct SerialPortEntry {
    QString name;
    QString description;
    QString text() const { return name + QLatin1Char(' ') + description; }
    bool operator==(const SerialPortEntry &other) const { return name == other.name && description == other.description; }
    bool operator!=(const SerialPortEntry &other) const { return !(*this == other); }
};
Q_DECLARE_METATYPE(SerialPortEntry)

// The ports the serial code offers. By default the platform's list; tests
// install their own (the platform does not list pseudo-terminals). Both
// functions may be called from any thread; a lister runs outside the lock.
using SerialPortLister = std::function<QList<SerialPortEntry>()>;
QList<SerialPortEntry> availableSerialPortEntries();
void setSerialPortLister(SerialPortLister lister); // empty lister restores the default
bool usesPlatformSerialPortLister();

#endif
