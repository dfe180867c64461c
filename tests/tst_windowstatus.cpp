#include <QtTest>

#include "link/windowstatus.h"

// A window's state values as both roads decode them: the TCP window frame and
// the UDP state records share one decoder and part only where the box does.
class TstWindowStatus : public QObject
{
    Q_OBJECT

    static QVector<int> values(std::initializer_list<QPair<int, int>> set)
    {
        QVector<int> v(StatusIndex::Count);
        for (const auto &p : set)
            v[p.first] = p.second;
        return v;
    }

private slots:
    void roadsReadRotationTheirOwnWay_data()
    {
        QTest::addColumn<bool>("udp");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("hMirror");
        QTest::addColumn<int>("vMirror");
        QTest::addColumn<int>("angle");
        for (bool udp : {false, true}) {
            const char *road = udp ? "udp " : "tcp ";
            QTest::newRow(QByteArray(road).append("0").constData()) << udp << 0 << 0 << 0 << 0;
            QTest::newRow(QByteArray(road).append("0 both mirrors").constData()) << udp << 0 << 1 << 1 << 180;
            QTest::newRow(QByteArray(road).append("0 one mirror").constData()) << udp << 0 << 1 << 0 << 0;
            QTest::newRow(QByteArray(road).append("7 keeps").constData()) << udp << 7 << 1 << 1 << -1;
        }
        QTest::newRow("tcp 1") << false << 1 << 0 << 0 << 90;
        QTest::newRow("tcp 2") << false << 2 << 0 << 0 << 270;
        QTest::newRow("tcp 3 keeps") << false << 3 << 0 << 0 << -1;
        QTest::newRow("udp 1") << true << 1 << 0 << 0 << 270;
        QTest::newRow("udp 2 keeps") << true << 2 << 0 << 0 << -1;
        QTest::newRow("udp 3") << true << 3 << 0 << 0 << 90;
    }
    void roadsReadRotationTheirOwnWay()
    {
        QFETCH(bool, udp);
        QFETCH(int, code);
        QFETCH(int, hMirror);
        QFETCH(int, vMirror);
        QFETCH(int, angle);
        const WindowStatus s = decodeWindowState(
            values({{StatusIndex::RotationCode, code}, {StatusIndex::HMirror, hMirror}, {StatusIndex::VMirror, vMirror}}),
            udp ? StateRoad::Udp : StateRoad::Tcp);
        QCOMPARE(s.rotation, angle);
        QCOMPARE(s.hMirror, hMirror != 0);
    }

    void roadsReadOpenTheirOwnWay_data()
    {
        QTest::addColumn<bool>("udp");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("open");
        QTest::newRow("tcp 1") << false << 1 << true;
        QTest::newRow("tcp 2") << false << 2 << false;
        QTest::newRow("tcp 0") << false << 0 << false;
        QTest::newRow("udp 1") << true << 1 << true;
        QTest::newRow("udp 2") << true << 2 << true;
        QTest::newRow("udp 0") << true << 0 << false;
    }
    void roadsReadOpenTheirOwnWay()
    {
        QFETCH(bool, udp);
        QFETCH(int, value);
        QFETCH(bool, open);
        QCOMPARE(decodeWindowState(values({{StatusIndex::Open, value}}), udp ? StateRoad::Udp : StateRoad::Tcp).open, open);
    }

    void recordsGiveTheValuesByKey()
    {
        // Missing keys read 0, keys past the window's values are no value of it.
        const QMap<int, QString> records = {{0x01, "0780"}, {0x0C, "0400"}, {0x10, "00b4"}, {0x27, "01ff"},
                                            {0x2A, "0001"}, {0x2D, "0002"}, {0x32, "0026"}, {0x40, "ffff"}};
        const QVector<int> v = stateValuesFromRecords(records);
        QCOMPARE(v.size(), StatusIndex::Count);
        const WindowStatus s = decodeWindowState(v, StateRoad::Udp);
        QCOMPARE(s.x, 1920);
        QCOMPARE(s.y, 0);
        QCOMPARE(s.luminance, 0);
        QCOMPARE(s.hue, 0);
        QCOMPARE(s.contrast, 0);
        QCOMPARE(s.red, 255);          // held at 255
        QCOMPARE(s.reportedSource, 2);
        QCOMPARE(s.source, 4);         // a solid colour fills the window
        QCOMPARE(s.resolutionCode, 38);
    }

    void sourceOutsideItsRangeNamesNothing()
    {
        for (StateRoad road : {StateRoad::Tcp, StateRoad::Udp}) {
            const WindowStatus s = decodeWindowState(values({{StatusIndex::Source, 5}}), road);
            QCOMPARE(s.reportedSource, -1);
            QCOMPARE(s.source, -1);
        }
    }

    void inputResolution_data()
    {
        QTest::addColumn<bool>("udp");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("tableSize");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QSize>("size");
        const int low = int(InputResolutionClass::TooLow);
        const int listed = int(InputResolutionClass::Listed);
        const int none = int(InputResolutionClass::NoSignal);
        const QSize box(3840, 2160);
        QTest::newRow("udp 5 too low") << true << 5 << 39 << low << QSize(106, 6);
        QTest::newRow("udp 0 too low, short table") << true << 0 << 5 << low << box;
        QTest::newRow("udp 6") << true << 6 << 39 << listed << QSize(106, 6);
        QTest::newRow("udp 38") << true << 38 << 39 << listed << QSize(138, 38);
        QTest::newRow("udp 39") << true << 39 << 40 << none << box;
        QTest::newRow("udp past the table") << true << 20 << 10 << none << box;
        QTest::newRow("tcp 5 listed") << false << 5 << 39 << listed << QSize(105, 5);
        QTest::newRow("tcp 38") << false << 38 << 39 << listed << QSize(138, 38);
        QTest::newRow("tcp 39") << false << 39 << 40 << none << box;
        QTest::newRow("tcp past the table") << false << 20 << 10 << none << box;
    }
    void inputResolution()
    {
        QFETCH(bool, udp);
        QFETCH(int, code);
        QFETCH(int, tableSize);
        QFETCH(int, kind);
        QFETCH(QSize, size);
        QVector<QSize> table;
        for (int i = 0; i < tableSize; ++i)
            table.append(QSize(100 + i, i));
        const InputResolution r = ::inputResolution(code, table, udp ? StateRoad::Udp : StateRoad::Tcp);
        QCOMPARE(int(r.kind), kind);
        QCOMPARE(r.size, size);
    }
};

QTEST_GUILESS_MAIN(TstWindowStatus)
#include "tst_windowstatus.moc"
