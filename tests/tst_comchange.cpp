#include <QtTest>

#include "link/comchange.h"
#include "windowfixture.h"
#include "ptypair.h"

#include <QSerialPort>

using Report = QPair<QString, bool>;

static QList<Report> reports(const QSignalSpy &spy)
{
    QList<Report> out;
    for (const QList<QVariant> &args : spy)
        out << Report(args.at(0).toString(), args.at(1).toBool());
    return out;
}

// Ports coming and going are reported by name from the program's port list.
class TstComChange : public QObject
{
    Q_OBJECT

private slots:
    void init() { offerSerialPorts({"/dev/ttyUSB0"}); }
    void cleanupTestCase() { offerSerialPorts({}); }

    void reportsPortsThatAppearAndVanish()
    {
        ComChange filter(this);
        filter.setHwnd(WId(1));
        QSignalSpy spy(&filter, &ComChange::comStatus);

        offerSerialPorts({"/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyACM0"});
        QTRY_COMPARE_WITH_TIMEOUT(spy.size(), 2, 3000);
        offerSerialPorts({"/dev/ttyACM0"});
        QTRY_COMPARE_WITH_TIMEOUT(spy.size(), 4, 3000);
        // The port present from the start is no arrival.
        QCOMPARE(reports(spy), QList<Report>({{"/dev/ttyUSB1", true}, {"/dev/ttyACM0", true},
                                              {"/dev/ttyUSB0", false}, {"/dev/ttyUSB1", false}}));
    }

    void nothingIsReportedBeforeAWindowIsNamed()
    {
        ComChange filter(this);
        QSignalSpy spy(&filter, &ComChange::comStatus);
        offerSerialPorts({"/dev/ttyUSB0", "/dev/ttyUSB1"});
        // Known but unreported until now: naming the window reports no backlog.
        filter.setHwnd(WId(1));
        offerSerialPorts({"/dev/ttyUSB1"});
        QTRY_COMPARE_WITH_TIMEOUT(spy.size(), 1, 3000);
        QCOMPARE(reports(spy), QList<Report>({{"/dev/ttyUSB0", false}}));
    }

    void theProgramHasOneFilter()
    {
        QVERIFY(ComChange::getInstance());
        QCOMPARE(ComChange::getInstance(), ComChange::getInstance());
        QCOMPARE(ComChange::getInstance()->thread(), qApp->thread());
    }

    void openablePortsLeaveOutBusyAndMissingOnes()
    {
        PtyPair free;
        PtyPair busy;
        QVERIFY(free.isValid() && busy.isValid());
        QSerialPort holder;
        holder.setPortName(busy.slavePath());
        QVERIFY(holder.open(QIODevice::ReadWrite));
        offerSerialPorts({busy.slavePath(), "/dev/no-such-tty", free.slavePath()});
        QCOMPARE(availableSerialPorts(), QStringList({free.slavePath()}));
        // Probing leaves the free port as it found it: closed and openable.
        holder.close();
        QCOMPARE(availableSerialPorts(), QStringList({busy.slavePath(), free.slavePath()}));
    }
};

QTEST_MAIN(TstComChange)
#include "tst_comchange.moc"
