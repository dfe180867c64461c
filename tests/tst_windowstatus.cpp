#include <QtTest>

#include "link/windowstatus.h"

// Where the two roads read a window's state values each their own way.
class TstWindowStatus : public QObject
{
    Q_OBJECT

private slots:
    // One value read as the open flag and as the rotation code; rotation -1 leaves the window's own.
    void openAndRotationByRoad()
    {
        using Seen = QList<QPair<bool, int>>;   // open, rotation
        Seen got;
        for (StateRoad road : {StateRoad::Tcp, StateRoad::Udp})
            for (int value = 0; value < 4; ++value) {
                QVector<int> values(StatusIndex::Count);
                values[StatusIndex::Open] = values[StatusIndex::RotationCode] = value;
                const WindowStatus s = decodeWindowState(values, road);
                got.append({s.open, s.rotation});
            }
        const Seen tcp{{false, 0}, {true, 90}, {false, 270}, {false, -1}}, udp{{false, 0}, {true, 270}, {true, -1}, {true, 90}};
        QCOMPARE(got, tcp + udp);
    }

    // Table entry i is 100 + i wide, i high; no signal gives the box's 3840 x 2160.
    void inputResolutionByRoad_data()
    {
        QTest::addColumn<bool>("udp");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("tableSize");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QSize>("size");
        const int low = int(InputResolutionClass::TooLow), none = int(InputResolutionClass::NoSignal);
        const QSize box(3840, 2160);
        QTest::newRow("udp 5 too low") << true << 5 << 39 << low << QSize(106, 6);
        QTest::newRow("udp 0 too low, short table") << true << 0 << 5 << low << box;
        QTest::newRow("udp 39") << true << 39 << 40 << none << box;
        QTest::newRow("tcp 5 listed") << false << 5 << 39 << int(InputResolutionClass::Listed) << QSize(105, 5);
        QTest::newRow("tcp past the table") << false << 20 << 10 << none << box;
    }
    void inputResolutionByRoad()
    {
        QFETCH(bool, udp);
        QFETCH(int, code);
        QFETCH(int, tableSize);
        QVector<QSize> table;
        for (int i = 0; i < tableSize; ++i)
            table.append(QSize(100 + i, i));
        const InputResolution r = inputResolution(code, table, udp ? StateRoad::Udp : StateRoad::Tcp);
        QTEST(int(r.kind), "kind");
        QTEST(r.size, "size");
    }
};

QTEST_GUILESS_MAIN(TstWindowStatus)
#include "tst_windowstatus.moc"
