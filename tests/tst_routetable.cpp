#include <QtTest>

#include "link/routetable.h"

// The route-table layer that gates a TCP connect: it runs a real child
// process, so the tests swap in small commands of their own.
class TstRouteTable : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { RouteTable::setCommand(QString(), QStringList()); }

    void addressesInOrderOfFirstAppearance()
    {
        const QString table = QStringLiteral(
            "default via 192.0.2.1 dev eth0\n"
            "192.0.2.0/24 dev eth0 proto kernel scope link src 192.0.2.2\n"
            "10.77.0.0/24 dev pc0 src 10.77.0.1 metric 1.2.3\n"
            "Gateway: 192.0.2.1 version 1.2.3.4.5\n");
        QCOMPARE(RouteTable::ipv4Addresses(table),
                 QStringList({"192.0.2.1", "192.0.2.0", "192.0.2.2", "10.77.0.0", "10.77.0.1", "1.2.3.4"}));
        QVERIFY(RouteTable::ipv4Addresses(QStringLiteral("fe80::1 dev eth0 1.2.3")).isEmpty());
    }

    void outputOfTheCommandUpToTheFirstNul()
    {
        RouteTable::setCommand(QStringLiteral("printf"), {QStringLiteral("10.0.0.1 a\\00010.0.0.2")});
        QCOMPARE(RouteTable::text(), QStringLiteral("10.0.0.1 a"));
    }

    void failingOrSilentCommandGivesNoAddress()
    {
        RouteTable::setCommand(QStringLiteral("true"), {});
        QVERIFY(RouteTable::ipv4Addresses(RouteTable::text()).isEmpty());
        RouteTable::setCommand(QStringLiteral("/nonexistent/route-command"), {});
        QVERIFY(RouteTable::text().isEmpty());
    }

    void hangingCommandIsCutOff()
    {
        RouteTable::setCommand(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("echo 10.0.0.1; exec sleep 20")});
        QElapsedTimer clock;
        clock.start();
        QVERIFY(RouteTable::text(300).isEmpty());
        QVERIFY(clock.elapsed() < 3000);
    }

    void systemTableIsRead()
    {
        // The real command runs and finishes; whether it lists an address
        // depends on the machine.
        QElapsedTimer clock;
        clock.start();
        RouteTable::text();
        QVERIFY(clock.elapsed() < 3500);
    }
};

QTEST_GUILESS_MAIN(TstRouteTable)
#include "tst_routetable.moc"
