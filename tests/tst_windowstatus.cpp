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
        const Seen tcp{{false, 0}, {true, 90}, {false, 270}, {false, -1}};
        const Seen udp{{false, 0}, {true, 270}, {true, -1}, {true, 90}};
        QCOMPARE(got, tcp + udp);
    }

    // Table entry i is 100 + i wide, i high; no signal gives the box's 3840 x 2160.
    void inputResolutionByRoad()
    {
        using C = InputResolutionClass;
        const QSize box(3840, 2160);
        const struct { StateRoad road; int code, tableSize; C kind; QSize size; } rows[] = {
            {StateRoad::Udp, 5, 39, C::TooLow, {106, 6}}, {StateRoad::Udp, 0, 5, C::TooLow, box},   // short table
            {StateRoad::Udp, 39, 40, C::NoSignal, box}, {StateRoad::Tcp, 5, 39, C::Listed, {105, 5}},
            {StateRoad::Tcp, 20, 10, C::NoSignal, box}};   // past the table
        for (const auto &row : rows) {
            QVector<QSize> table;
            for (int i = 0; i < row.tableSize; ++i)
                table.append(QSize(100 + i, i));
            const InputResolution r = inputResolution(row.code, table, row.road);
            QCOMPARE(qMakePair(row.code, qMakePair(int(r.kind), r.size)),
                     qMakePair(row.code, qMakePair(int(row.kind), row.size)));
        }
    }
};

QTEST_GUILESS_MAIN(TstWindowStatus)
#include "tst_windowstatus.moc"
