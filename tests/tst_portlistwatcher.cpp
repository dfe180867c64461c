#include <QtTest>

#include "dialoganswerer.h"
#include "globals.h"
#include "link/portlistwatcher.h"
#include "mainwindow.h"
#include "networkdialog.h"
#include "ptypair.h"
#include "windowfixture.h"

#include <QComboBox>
#include <QMutex>
#include <QPushButton>
#include <QSemaphore>
#include <QSerialPort>
#include <QSet>
#include <QThread>
#include <QTimer>

namespace {
// A port list that changes under the lister's feet, as plugging a cable in
// changes the system's, and that notes which threads read it.
struct ChangingPorts {
    QMutex mutex;
    QStringList names;
    QSet<QThread *> readers;
    bool holdReads = false;
    QSemaphore held;     // reads waiting for the gate
    QSemaphore gate;

    void hold(bool on)
    {
        QMutexLocker lock(&mutex);
        holdReads = on;
        if (!on)
            gate.release(100);
    }

    void set(const QStringList &list)
    {
        QMutexLocker lock(&mutex);
        names = list;
    }

    QList<SerialPortEntry> read()
    {
        bool hold = false;
        QStringList list;
        {
            QMutexLocker lock(&mutex);
            readers.insert(QThread::currentThread());
            hold = holdReads;
            list = names;
        }
        if (hold) {
            held.release();
            gate.acquire();
        }
        QList<SerialPortEntry> entries;
        for (const QString &name : list)
            entries.append({name, QStringLiteral("test pty")});
        return entries;
    }
};

QStringList namesOf(const QList<SerialPortEntry> &entries)
{
    QStringList names;
    for (const SerialPortEntry &entry : entries)
        names << entry.name;
    return names;
}
} // namespace

// The one lister of serial ports: it reads away from the window and both
// one-second polls notice a change from its list.
class TstPortListWatcher : public QObject
{
    Q_OBJECT

    QTemporaryDir mDir;
    std::shared_ptr<ChangingPorts> mPorts;

    PortListWatcher *watcher() const { return PortListWatcher::getInstance(); }

    void installChangingPorts(const QStringList &names)
    {
        mPorts = std::make_shared<ChangingPorts>();
        mPorts->set(names);
        std::shared_ptr<ChangingPorts> ports = mPorts;
        setSerialPortLister([ports] { return ports->read(); });
    }

private slots:
    void initTestCase()
    {
        QVERIFY(mDir.isValid());
        QDir::setCurrent(mDir.path());
    }

    void cleanup()
    {
        if (mPorts)
            mPorts->hold(false);
        offerSerialPorts({});
        mPorts.reset();
        resetProgramState();
    }

    void changeIsReadAwayFromTheWindow()
    {
        installChangingPorts({"/dev/ttyTEST1"});
        QSignalSpy changed(watcher(), &PortListWatcher::portsChanged);
        {
            QMutexLocker lock(&mPorts->mutex);
            mPorts->readers.clear();
        }
        mPorts->set({"/dev/ttyTEST1", "/dev/ttyTEST2"});
        QTRY_COMPARE_WITH_TIMEOUT(changed.count(), 1, 5000);
        QCOMPARE(namesOf(changed.first().first().value<QList<SerialPortEntry>>()),
                 QStringList({"/dev/ttyTEST1", "/dev/ttyTEST2"}));
        QCOMPARE(namesOf(watcher()->latest()), QStringList({"/dev/ttyTEST1", "/dev/ttyTEST2"}));
        QMutexLocker lock(&mPorts->mutex);
        QVERIFY(!mPorts->readers.isEmpty());
        QVERIFY(!mPorts->readers.contains(QThread::currentThread()));
    }

    // A read that takes long holds up neither the window nor its polls.
    void slowReadBlocksNothing()
    {
        installChangingPorts({"/dev/ttyTEST1"});
        QSignalSpy changed(watcher(), &PortListWatcher::portsChanged);
        mPorts->hold(true);
        mPorts->set({"/dev/ttyTEST2"});
        watcher()->refreshNow();
        QTRY_VERIFY_WITH_TIMEOUT(mPorts->held.available() > 0, 5000);

        bool ticked = false;
        QTimer::singleShot(0, this, [&ticked] { ticked = true; });
        QTRY_VERIFY_WITH_TIMEOUT(ticked, 5000);
        QCOMPARE(namesOf(watcher()->latest()), QStringList({"/dev/ttyTEST1"}));
        QVERIFY(changed.isEmpty());

        mPorts->hold(false);
        QTRY_COMPARE_WITH_TIMEOUT(namesOf(watcher()->latest()), QStringList({"/dev/ttyTEST2"}), 5000);
        QCOMPARE(changed.count(), 1);
    }

    // A port that vanishes or appears while the serial link is up: the two
    // one-second polls notice it by themselves, the link closes and the
    // message shows once.
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
        installChangingPorts({pty.slavePath()});
        MainWindow *w = fixture.mw;
        auto *list = w->findChild<QComboBox *>(QStringLiteral("serialPortComboBox"));
        auto *dialogList = w->mNetworkDialog->findChild<QComboBox *>(QStringLiteral("serialPortComboBox"));
        QTRY_COMPARE_WITH_TIMEOUT(w->mSerialPortNames, QStringList({pty.slavePath()}), 5000);
        w->findChild<QPushButton *>(QStringLiteral("openButton"))->click();
        QSerialPort *port = SerialPortManager::getInstance()->serialPort();
        QVERIFY(port->isOpen());
        QVERIFY(g_serialConnected);

        // The main window's poll and the network dialog's.
        QList<QTimer *> polls;
        for (QObject *owner : {static_cast<QObject *>(w), static_cast<QObject *>(w->mNetworkDialog)})
            for (QTimer *timer : owner->findChildren<QTimer *>())
                if (timer->interval() == 1000 && timer->isActive())
                    polls << timer;
        QCOMPARE(polls.size(), 2);

        DialogAnswerer answerer;
        const QStringList now = vanishes ? QStringList() : QStringList({pty.slavePath(), "/dev/ttyTEST9"});
        mPorts->set(now);
        QTRY_VERIFY_WITH_TIMEOUT(!g_serialConnected, 5000);
        QVERIFY(!port->isOpen());
        QCOMPARE(list->count(), now.size());
        QCOMPARE(dialogList->count(), now.size());

        QList<std::shared_ptr<QSignalSpy>> spies;
        for (QTimer *poll : qAsConst(polls))
            spies << std::make_shared<QSignalSpy>(poll, &QTimer::timeout);
        for (const std::shared_ptr<QSignalSpy> &spy : qAsConst(spies))
            QTRY_VERIFY_WITH_TIMEOUT(spy->count() >= 2, 5000);
        QCOMPARE(answerer.texts(), QStringList({QStringLiteral("连接中断，请检查串口连接")}));
        port->close();
    }
};

QTEST_MAIN(TstPortListWatcher)
#include "tst_portlistwatcher.moc"
