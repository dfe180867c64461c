#include <QtTest>

#include "link/devicecommand.h"
#include "link/devicepacket.h"

// Bit-by-bit CRC-8 (poly 0x07, init 0, MSB first) to check the table-driven one.
static quint8 referenceCrc8(const QByteArray &bytes)
{
    quint8 crc = 0;
    for (char c : bytes) {
        crc ^= quint8(c);
        for (int i = 0; i < 8; ++i)
            crc = (crc & 0x80) ? quint8((crc << 1) ^ 0x07) : quint8(crc << 1);
    }
    return crc;
}

static QByteArray bytes(const char *hex)
{
    return QByteArray::fromHex(hex);
}

class TstPacket : public QObject
{
    Q_OBJECT
private slots:
    void crc8CheckValueAndTable()
    {
        QCOMPARE(calculateCrc8("123456789"), quint8(0xF4));
        QCOMPARE(calculateCrc8(QByteArray()), quint8(0));
        const quint8 head[8] = {0x00, 0x07, 0x0E, 0x09, 0x1C, 0x1B, 0x12, 0x15};
        for (int i = 0; i < 8; ++i)
            QCOMPARE(crc8Table[i], head[i]);
        for (int i = 0; i < 256; ++i)
            QCOMPARE(crc8Table[i], referenceCrc8(QByteArray(1, char(i))));
    }

    void crc16()
    {
        QCOMPARE(calculateCrc16("123456789"), quint16(0xB4C8));
        QCOMPARE(calculateCrc16(QByteArray(1, char(0x80))), quint16(0x1F41));
        QCOMPARE(calculateCrc16(QByteArray()), quint16(0));
    }

    void vocabularyPackets_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("packet");
        // queries and maintenance
        QTest::newRow("global query") << QString(DeviceCommand::QueryGlobal) << bytes("0805000070");
        QTest::newRow("window 3 query") << DeviceCommand::windowQuery(3) << QByteArray();
        QTest::newRow("search") << QStringLiteral("08080000") << bytes("08080000E1");
        QTest::newRow("controller reset") << QString(DeviceCommand::ControllerReset) << bytes("080B00005C");
        QTest::newRow("lower case reset") << QStringLiteral("080b0000") << bytes("080B00005C");
        QTest::newRow("factory reset") << QString(DeviceCommand::FactoryReset) << QByteArray();
        QTest::newRow("query end") << QString(DeviceCommand::QueryEnd) << QByteArray();
        // system
        QTest::newRow("single screen") << QString(DeviceCommand::SingleScreen) << QByteArray();
        QTest::newRow("dhcp on") << QString(DeviceCommand::DhcpOn) << QByteArray();
        QTest::newRow("save all") << QString(DeviceCommand::SaveAll) << QByteArray();
        QTest::newRow("output mode") << DeviceCommand::outputModeCommand(1) << QByteArray();
        QTest::newRow("layer order") << DeviceCommand::layerOrderCommand({1, 0, 2, 3}) << QByteArray();
        // splice
        QTest::newRow("splice 2x3") << QStringLiteral("06010203") << QByteArray();
        // window
        QTest::newRow("open window 1") << DeviceCommand::windowCommand(0, DeviceCommand::Open, 1) << QByteArray();
        QTest::newRow("luminance") << DeviceCommand::windowCommand(1, DeviceCommand::Luminance, 1024) << QByteArray();
        // geometry and crop (nine bytes before the CRC)
        QTest::newRow("geometry") << DeviceCommand::geometryCommand(1, 0, 540, 1920, 1080) << QByteArray();
        QTest::newRow("crop") << DeviceCommand::cropCommand(3, 0, 0, 3840, 2160) << QByteArray();
    }

    void vocabularyPackets()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, packet);
        QVERIFY(!text.isEmpty());
        const QByteArray body = QByteArray::fromHex(text.toLatin1());
        const QByteArray built = hexToPacket(text);
        QCOMPARE(built.size(), body.size() + 1);
        QCOMPARE(built.left(body.size()), body);
        QCOMPARE(quint8(built.back()), referenceCrc8(body));
        if (!packet.isEmpty())
            QCOMPARE(built, packet);
    }

    void packetEdgeCases()
    {
        QCOMPARE(hexToPacket(QString()), QByteArray(1, '\0'));
        QCOMPARE(hexToPacket(QStringLiteral("zz")), QByteArray(1, '\0'));
        const QByteArray odd = hexToPacket(QStringLiteral("12345"));
        QCOMPARE(odd.left(3), bytes("012345"));
        QCOMPARE(odd.size(), 4);
        // a text that already carries its CRC gains a zero byte
        QCOMPARE(hexToPacket(QStringLiteral("0805000070")), bytes("080500007000"));
        QCOMPARE(hexToPacket(QStringLiteral("08 05-00:00")), bytes("0805000070"));
    }

    void commandTexts()
    {
        using namespace DeviceCommand;
        QCOMPARE(windowCommand(2, InputSource, 4), QStringLiteral("022d0004"));
        QCOMPARE(windowCommand(0, Open, 1), QStringLiteral("002b0001"));
        QCOMPARE(windowQuery(1), QStringLiteral("08010001"));
        QCOMPARE(geometryCommand(1, 0, 540, 1920, 1080), QStringLiteral("e10000021c07800438"));
        QCOMPARE(cropCommand(0, 1, 2, 3, 4), QStringLiteral("d00001000200030004"));
        QCOMPARE(layerOrderCommand({1, 0, 2, 3}), QStringLiteral("04102046"));
        QCOMPARE(layerOrderCommand({0, 1, 2, 3}), QStringLiteral("04100246"));
        QCOMPARE(outputModeCommand(3), QStringLiteral("04160003"));
        QCOMPARE(rotationCommands(1, 0), QStringList({"01330000", "01320000"}));
        QCOMPARE(rotationCommands(1, 90), QStringList({"01330000", "01320001"}));
        QCOMPARE(rotationCommands(1, 180), QStringList({"01330000"}));
        QCOMPARE(rotationCommands(1, 270), QStringList({"01330000", "01340001"}));
    }

    void outOfRangeValuesBuildNothing()
    {
        using namespace DeviceCommand;
        QVERIFY(windowCommand(0, Contrast, -1).isEmpty());
        QVERIFY(windowCommand(0, Contrast, 0x10000).isEmpty());
        QCOMPARE(windowCommand(0, Contrast, 0xFFFF), QStringLiteral("000affff"));
        QVERIFY(windowCommand(-1, Contrast, 1).isEmpty());
        QVERIFY(geometryCommand(0, -5, 0, 100, 100).isEmpty());
        QVERIFY(geometryCommand(4, 0, 0, 100, 100).isEmpty());
        QVERIFY(cropCommand(0, 0, 0, 70000, 100).isEmpty());
        QVERIFY(layerOrderCommand({0, 1, 2}).isEmpty());
        QVERIFY(layerOrderCommand({0, 1, 2, 4}).isEmpty());
        QVERIFY(rotationCommands(0, 45).isEmpty());
        QVERIFY(outputModeCommand(4).isEmpty());
    }

    void spliceTableFirstGeneration()
    {
        const QMap<QString, QString> table = DeviceCommand::spliceCommandTable(1, 1);
        QCOMPARE(table.size(), 23);
        QCOMPARE(table.value("1x1"), QStringLiteral("06010000"));
        QCOMPARE(table.value("1x9"), QStringLiteral("06010008"));
        QCOMPARE(table.value("2x1"), QStringLiteral("06010009"));
        QCOMPARE(table.value("2x2"), QStringLiteral("0601000A"));
        QCOMPARE(table.value("3x3"), QStringLiteral("0601000F"));
        QCOMPARE(table.value("9x1"), QStringLiteral("06010016"));
        QVERIFY(!table.contains("2x5"));
    }

    void spliceTableOtherGenerations()
    {
        for (int generation : {2, 3, 4, 5}) {
            const QMap<QString, QString> table = DeviceCommand::spliceCommandTable(generation, 1);
            QCOMPARE(table.size(), 58);
            QCOMPARE(table.value("2x3"), QStringLiteral("06010203"));
            QCOMPARE(table.value("1x12"), QStringLiteral("0601010C"));
            QCOMPARE(table.value("18x1"), QStringLiteral("06011201"));
            QCOMPARE(table.value("3x6"), QStringLiteral("06010306"));
            QVERIFY(!table.contains("3x7"));
        }
        QVERIFY(DeviceCommand::spliceCommandTable(5, -1).isEmpty());
    }

    void byteHelpers()
    {
        uchar buf[8] = {};
        writeUInt16(0x1234, buf);
        QCOMPARE(buf[0], uchar(0x34));
        QCOMPARE(buf[1], uchar(0x12));
        QCOMPARE(readInt16(buf), 0x1234);
        writeUInt16(-2, buf);
        QCOMPARE(readInt16(buf), -2);
        writeUInt32(0xA1B2C3D4u, buf);
        QCOMPARE(buf[0], uchar(0xD4));
        QCOMPARE(buf[3], uchar(0xA1));
        QCOMPARE(quint32(readInt32(buf)), 0xA1B2C3D4u);
        writeFloat(1.0f, buf);
        QCOMPARE(quint32(readInt32(buf)), 0x3F800000u);
        writeUInt8(0xFE, buf + 5);
        QCOMPARE(readUInt8(buf + 5), 0xFE);
        const uchar src[3] = {1, 2, 3};
        uchar dst[3] = {9, 9, 9};
        writeBytes(src, 0, dst);
        QCOMPARE(dst[0], uchar(9));
        QCOMPARE(writeBytes(src, 3, dst), dst);
        QCOMPARE(dst[2], uchar(3));
        QVERIFY(isHexText("zz1zz"));
        QVERIFY(!isHexText("xyz"));
        QVERIFY(!isHexText(QString()));
    }
};

QTEST_MAIN(TstPacket)
#include "tst_packet.moc"
