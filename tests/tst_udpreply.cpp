#include <QtTest>

#include "link/devicestate.h"
#include "link/netaddress.h"
#include "link/udpreply.h"

// The UDP answers of the box and the decisions of the device read, without windows.
class TstUdpReply : public QObject
{
    Q_OBJECT
private slots:
    void discoveryReplyFillsTheRowTexts()
    {
        const QByteArray reply("IP:192.0.2.7/MAC:0.17.34.51.68.85/Port:23/Beta:1.4.5/DHCP:false/"
                               "Callback:10.77.0.1/Type:HD-1\0garbage", 98);
        DiscoveryRow row;
        QVERIFY(parseDiscoveryReply(reply, &row));
        QCOMPARE(row.cells(4), QStringList({"5", "192.0.2.7", "00-11-22-33-44-55", "23", "1.4.5", "UDP",
                                             "10.77.0.1", "HD-1"}));
        QVERIFY(!row.dhcp);

        QVERIFY(parseDiscoveryReply("IP:1.2.3.4/DHCP:is true/MAC:255.5.0.1.2.3/Extra:x/IP:5.6.7.8", &row));
        QVERIFY(row.dhcp);
        QCOMPARE(row.protocol, QString("DHCP"));
        QCOMPARE(row.mac, QString("FF-05-00-01-02-03"));
        QCOMPARE(row.ip, QString("5.6.7.8"));
        QCOMPARE(row.port, QString());
    }

    void malformedDiscoveryRepliesFillNothing()
    {
        DiscoveryRow row;
        QVERIFY(!parseDiscoveryReply("IP:1.2.3.4/Port:23/", &row));
        QVERIFY(!parseDiscoveryReply("IP:1.2.3.4//Port:23", &row));
        QVERIFY(!parseDiscoveryReply("IP:1.2.3.4/Port:23:24", &row));
        QVERIFY(!parseDiscoveryReply("IP", &row));
        QCOMPARE(macTextFromDecimal("x.1"), QString("00-01"));
    }

    void statusRecords()
    {
        const QByteArray header = QByteArray::fromHex("08010300");
        const QByteArray three = QByteArray::fromHex("013a00102f" "023a01ff2f" "2b3a00012f");
        StatusRecords r = parseStatusRecords(header + three);
        QVERIFY(!r.malformed);
        QCOMPARE(r.records.size(), 3);
        QCOMPARE(r.records.at(1), qMakePair(2, QString("01ff")));
        QCOMPARE(r.records.at(2).first, 0x2B);

        r = parseStatusRecords(header + three + QByteArray::fromHex("abcd"));
        QCOMPARE(r.records.size(), 3);

        r = parseStatusRecords(header + QByteArray::fromHex("083a00022f"));
        QCOMPARE(r.records, (QList<QPair<int, QString>>{{8, "0002"}}));

        // A broken separator keeps what came before and drops the rest.
        r = parseStatusRecords(header + QByteArray::fromHex("013a00102f" "02ff01ff2f" "2b3a00012f"));
        QVERIFY(r.malformed);
        QCOMPARE(r.records.size(), 1);
        r = parseStatusRecords(header + QByteArray::fromHex("013a0010ff"));
        QVERIFY(r.malformed);
        QVERIFY(r.records.isEmpty());

        r = parseStatusRecords(header + QByteArray::fromHex("013a0010"));
        QVERIFY(!r.malformed);
        QVERIFY(r.records.isEmpty());
    }

    // Boundaries the end-to-end tests do not reach.
    void versionBoundaries()
    {
        QCOMPARE(versionTypeFromText("1.3.99"), 1);
        QCOMPARE(versionTypeFromText("2.4.7"), 3);
        QCOMPARE(versionTypeFromText("2.4.9"), 4);
        QCOMPARE(versionTypeFromText("2.5.0"), 5);
        QCOMPARE(versionTypeFromText("a.b.c"), 1);
        QCOMPARE(versionTypeFromText(""), 0);
    }

    void layerAndGrid()
    {
        QCOMPARE(layerFromStackText("13a7", 2), 1);
        QCOMPARE(layerFromStackText("0098", 2), 0);
        QCOMPARE(layerFromStackText("", 0), 0);
        QCOMPARE(layerFromStackText("02", 3), 0);

        int rows = 0, cols = 0;
        QVERIFY(spliceGridFromKey6("0203", &rows, &cols));
        QCOMPARE(rows, 2);
        QCOMPARE(cols, 3);
        QVERIFY(!spliceGridFromKey6("", &rows, &cols));
    }

    void addressChangeTexts()
    {
        QList<int> v;
        QVERIFY(parseMacForChange("00-11-22-3a-FE-0", &v));
        QCOMPARE(macChangeHex(v), QString("f70011223afe00"));
        QVERIFY(!parseIpForChange("10.77.-1.9", &v));
        QCOMPARE(broadcastOf("10.77.0.1"), QString("10.77.0.255"));
    }
};

QTEST_MAIN(TstUdpReply)
#include "tst_udpreply.moc"
