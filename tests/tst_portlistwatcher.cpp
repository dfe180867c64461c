#include <QtTest>
#include <QComboBox>
#include <QPushButton>
#include <QSerialPort>

#include "dialoganswerer.h"
#include "globals.h"
#include "link/portlistwatcher.h"
#include "mainwindow.h"
#include "networkdialog.h"
#include "ptypair.h"
#include "windowfixture.h"

namespace {
// A port list that changes as plugging a cable in changes the system's. It notes reads on the GUI
// thread since the last change and can hold the others at a gate, as a slow system would.
struct ChangingPorts {
    QMutex mutex;
    QStringList names;
    bool hold = false;
    std::atomic<bool> readOnGuiThread{false};
    QSemaphore held, gate;
    void set(const QStringList &list, bool holding)
    {
        QMutexLocker lock(&mutex);
        names = list, hold = holding, readOnGuiThread = false;
    }
    QList<SerialPortEntry> read()
    {
        QMutexLocker lock(&mutex);
        const bool onGuiThread = QThread::currentThread() == qApp->thread();
        readOnGuiThread = readOnGuiThread || onGuiThread;
        QList<SerialPortEntry> entries;
        for (const QString &name : names)
            entries.append({name, QStringLiteral("test pty")});
        if (hold && !onGuiThread) {
            lock.unlock();
            held.release();
            gate.acquire();
        }
        return entries;
    }
};
} // namespace

// The one lister of serial ports reads away from the window, and both one-second polls notice a
// change from its list.
class TstPortListWatcher : public QObject
{
    Q_OBJECT

    std::shared_ptr<ChangingPorts> mPorts;
private slots:
    void init() { mPorts = std::make_shared<ChangingPorts>(); }
    void cleanup() { mPorts->set({}, false), mPorts->gate.release(100), offerSerialPorts({}), resetProgramState(); }

    // A port vanishes or appears while the serial link is up. A slow read of the new list holds up
    // neither the window nor its two one-second polls; once it is in, both polls notice it by
    // themselves, the link closes and the message shows once.
    void portChangeEndsTheSerialLink_data()
    {
        QTest::addColumn<bool>("vanishes");
        QTest::newRow("port vanishes") << true;
        QTest::newRow("port appears") << false;
    }
    void portChangeEndsTheSerialLink()
    {
        QFETCH(bool, vanishes);
        PtyPair pty;
        QVERIFY(pty.isValid());
        WindowFixture fixture;
        MainWindow *w = fixture.mw;
        mPorts->set({pty.slavePath()}, false);
        setSerialPortLister([ports = mPorts] { return ports->read(); });
        QTRY_COMPARE_WITH_TIMEOUT(w->mSerialPortNames, QStringList({pty.slavePath()}), 5000);
        w->findChild<QPushButton *>(QStringLiteral("openButton"))->click();
        QSerialPort *port = SerialPortManager::getInstance()->serialPort();
        QVERIFY(port->isOpen() && g_serialConnected);

        const QList<QObject *> owners{w, w->mNetworkDialog};   // each runs one poll
        std::vector<std::unique_ptr<QSignalSpy>> ticks;
        for (QObject *owner : owners)
            for (QTimer *timer : owner->findChildren<QTimer *>())
                if (timer->interval() == 1000 && timer->isActive())
                    ticks.emplace_back(new QSignalSpy(timer, &QTimer::timeout));
        QCOMPARE(int(ticks.size()), 2);

        DialogAnswerer answerer;
        const QStringList now = vanishes ? QStringList() : QStringList({pty.slavePath(), "/dev/ttyTEST9"});
        mPorts->set(now, true);
        QTRY_VERIFY_WITH_TIMEOUT(mPorts->held.available() > 0, 5000);
        ticks[0]->clear(), ticks[1]->clear();
        QTRY_VERIFY_WITH_TIMEOUT(ticks[0]->count() >= 2 && ticks[1]->count() >= 2, 5000);
        QCOMPARE(PortListWatcher::getInstance()->latest().size(), 1);
        QVERIFY(port->isOpen() && g_serialConnected && !mPorts->readOnGuiThread);

        mPorts->set(now, false);
        mPorts->gate.release(100);
        QTRY_VERIFY_WITH_TIMEOUT(!g_serialConnected, 5000);
        QVERIFY(!port->isOpen());
        for (QObject *owner : owners)
            QCOMPARE(owner->findChild<QComboBox *>(QStringLiteral("serialPortComboBox"))->count(), now.size());
        QCOMPARE(answerer.texts(), QStringList({QStringLiteral("连接中断，请检查串口连接")}));
    }
};

QTEST_MAIN(TstPortListWatcher)
#include "tst_portlistwatcher.moc"
