#include <QtTest>

#include "link/comchange.h"
#include "windowfixture.h"
#include "ptypair.h"

#include <QSerialPort>

// Ports coming and going are reported by name from the program's port list.
class TstComChange : public QObject
{
    Q_OBJECT

private slots:
    void cleanupTestCase() { offerSerialPorts({}); }

    void reportsPortsThatAppearAndVanish()
    {
        offerSerialPorts({"/dev/ttyUSB0"});
        ComChange filter(this);
        filter.setHwnd(WId(1));
        QSignalSpy spy(&filter, &ComChange::comStatus);

        offerSerialPorts({"/dev/ttyUSB0", "/dev/ttyUSB1"});
        QTRY_COMPARE_WITH_TIMEOUT(spy.size(), 1, 3000);
        offerSerialPorts({});
        QTRY_COMPARE_WITH_TIMEOUT(spy.size(), 3, 3000);
        // The port present from the start is no arrival.
        QList<QVariantList> expected({{"/dev/ttyUSB1", true}, {"/dev/ttyUSB0", false}, {"/dev/ttyUSB1", false}});
        QCOMPARE(QList<QVariantList>(spy), expected);
    }

    // A busy port or one that will not open is not offered; probing leaves
    // a free port closed.
    void openablePortsLeaveOutBusyAndMissingOnes()
    {
        PtyPair free;
        PtyPair busy;
        QSerialPort holder;
        holder.setPortName(busy.slavePath());
        QVERIFY(holder.open(QIODevice::ReadWrite));
        offerSerialPorts({busy.slavePath(), "/dev/no-such-tty", free.slavePath()});
        QCOMPARE(availableSerialPorts(), QStringList({free.slavePath()}));
        holder.close();
        QCOMPARE(availableSerialPorts(), QStringList({busy.slavePath(), free.slavePath()}));
    }
};

QTEST_MAIN(TstComChange)
#include "tst_comchange.moc"
