#include <QtTest>

#include "link/windowstatus.h"

// Where the two roads read a window's state values each their own way.
class TstWindowStatus : public QObject
{
    Q_OBJECT

private slots:
    // One value read as the open flag and as the rotation code; rotation -1
    // leaves the window's own.
    void openAndRotationByRoad_data()
    {
        QTest::addColumn<bool>("udp");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("open");
        QTest::addColumn<int>("rotation");
        QTest::newRow("tcp 0") << false << 0 << false << 0;
        QTest::newRow("tcp 1") << false << 1 << true << 90;
        QTest::newRow("tcp 2") << false << 2 << false << 270;
        QTest::newRow("tcp 3") << false << 3 << false << -1;
        QTest::newRow("udp 0") << true << 0 << false << 0;
        QTest::newRow("udp 1") << true << 1 << true << 270;
        QTest::newRow("udp 2") << true << 2 << true << -1;
        QTest::newRow("udp 3") << true << 3 << true << 90;
    }
    void openAndRotationByRoad()
    {
        QFETCH(bool, udp);
        QFETCH(int, value);
        QVector<int> values(StatusIndex::Count);
        values[StatusIndex::Open] = values[StatusIndex::RotationCode] = value;
        const WindowStatus s = decodeWindowState(values, udp ? StateRoad::Udp : StateRoad::Tcp);
        QTEST(s.open, "open");
        QTEST(s.rotation, "rotation");
    }

    // Table entry i is 100 + i wide, i high; no signal gives the box's 3840 x 2160.
    void inputResolutionByRoad_data()
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
        QTest::newRow("udp 39") << true << 39 << 40 << none << box;
        QTest::newRow("tcp 5 listed") << false << 5 << 39 << listed << QSize(105, 5);
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
