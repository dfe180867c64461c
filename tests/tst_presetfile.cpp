#include <QtTest>
#include <QSettings>
#include <QTemporaryDir>

#include "preset/presetfile.h"

// The preset store and the preview, without a window.
class TstPresetFile : public QObject
{
    Q_OBJECT

    QTemporaryDir mDir;
    int mFileNumber = 0;

    // Preset 3 as an earlier release wrote it (brackets escaped), under 1 x 2;
    // window 3 closed, window 4 in front.
    const QByteArray kOldGroup =
        "[3_Frame]\nEnable=1\nArrayX%5Bi%5D=0_1920_0_1920\nArrayY%5Bi%5D=0_0_1080_1080\n"
        "ArrayHeight%5Bi%5D=1080_1080_1080_1080\nArrayWidth%5Bi%5D=1920_1920_1920_1920\n"
        "ArrayEable%5Bi%5D=1_1_0_1\nArrayRGB%5B0%5D%5Bj%5D=136_155_177\nArrayRGB%5B1%5D%5Bj%5D=1_2_3\n"
        "ArrayRGB%5B2%5D%5Bj%5D=4_5_6\nArrayRGB%5B3%5D%5Bj%5D=7_8_9\nArrayLayer%5Bi%5D=4_3_2_1\n"
        "ArrayLight%5Bi%5D=0_-24_0_512\nArrayInputSourceID%5Bi%5D=1_2_4_2\nisColorSolid%5Bi%5D=0_0_1_0\n"
        "splicModeRow=1\nsplicModeColumn=2\nspliceDivisorWidth=32\nspliceDivisorHeight=13.5\n";

    // A new file every time: QSettings would take a rewritten file of the
    // same size within the same second for the one it has cached.
    bool read(const QByteArray &text, PresetSnapshot *s)
    {
        const QString path = mDir.filePath(QStringLiteral("preset%1.ini").arg(++mFileNumber));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(text);
        file.close();
        QSettings settings(path, QSettings::IniFormat);
        return PresetFile::read(settings, 3, s);
    }

private slots:
    void divisorTableCoversEverySelectableLayout()
    {
        const QMap<QString, QString> table = PresetFile::divisorTable();
        QCOMPARE(table.size(), 58);
        QCOMPARE(table.value("2x1"), QStringLiteral("16x13.5"));
        for (int rows = 1; rows <= 12; ++rows) {
            for (int columns = 1; rows * columns <= 18 && columns <= 12; ++columns)
                QVERIFY(table.contains(QStringLiteral("%1x%2").arg(rows).arg(columns)));
        }
    }

    // A damaged group never crashes the reader: it is empty, or a value that
    // is not a number reads as 0.
    void damagedFiles_data()
    {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<int>("firstX");   // -1: the preview stays empty
        QTest::newRow("intact") << QByteArray() << QByteArray() << 0;
        QTest::newRow("disabled") << QByteArray("Enable=1") << QByteArray("Enable=false") << -1;
        QTest::newRow("no Enable") << QByteArray("Enable=1\n") << QByteArray() << -1;
        QTest::newRow("short ArrayX") << QByteArray("X%5Bi%5D=0_1920_0_1920") << QByteArray("X%5Bi%5D=0_1920_0") << -1;
        QTest::newRow("short ArrayLayer") << QByteArray("4_3_2_1") << QByteArray("4_3") << -1;
        QTest::newRow("empty isColorSolid") << QByteArray("=0_0_1_0") << QByteArray("=") << -1;
        QTest::newRow("short colour") << QByteArray("4_5_6") << QByteArray("4_5") << -1;
        QTest::newRow("missing ArrayWidth") << QByteArray("ArrayWidth%5Bi%5D=1920_1920_1920_1920\n") << QByteArray() << -1;
        QTest::newRow("list with commas") << QByteArray("X%5Bi%5D=0_1920_0_1920") << QByteArray("X%5Bi%5D=0,1920,0,1920") << -1;
        QTest::newRow("zero divisor") << QByteArray("Width=32") << QByteArray("Width=0") << -1;
        QTest::newRow("negative divisor") << QByteArray("Height=13.5") << QByteArray("Height=-13.5") << -1;
        QTest::newRow("unreadable divisor") << QByteArray("Height=13.5") << QByteArray("Height=abc") << -1;
        QTest::newRow("missing divisor") << QByteArray("spliceDivisorWidth=32\n") << QByteArray() << -1;
        QTest::newRow("layout outside the table") << QByteArray("Row=1") << QByteArray("Row=10") << -1;
        QTest::newRow("non-numeric part") << QByteArray("X%5Bi%5D=0_") << QByteArray("X%5Bi%5D=zz_") << 0;
        QTest::newRow("extra parts") << QByteArray("X%5Bi%5D=0_1920_0_1920") << QByteArray("X%5Bi%5D=5_1920_0_1920_7") << 5;
        QTest::newRow("infinite height") << QByteArray("Height%5Bi%5D=1080_") << QByteArray("Height%5Bi%5D=inf_") << 0;
        static const char garbage[] = "\x00\xff[3_Frame\nEnable=1\n\xfe=\n[[";
        QTest::newRow("garbage") << kOldGroup << QByteArray(garbage, sizeof(garbage) - 1) << -1;
    }
    void damagedFiles()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(int, firstX);
        QVERIFY(kOldGroup.contains(from));
        PresetSnapshot s;
        s.x[0] = -1;   // a refused group leaves the snapshot alone
        QCOMPARE(read(QByteArray(kOldGroup).replace(from, to), &s), firstX >= 0);
        QCOMPARE(s.x[0], firstX);
        if (firstX >= 0)
            QVERIFY(s.luminance[1] == -24 && s.colour[3][0] == 7 && s.heightDivisor == 13.5);
    }

    void previewPaintsOpenWindowsBackToFront()
    {
        PresetSnapshot s;
        QVERIFY(read(kOldGroup, &s));
        const QVector<PreviewWindow> windows = PresetFile::previewWindows(s);
        QCOMPARE(windows.size(), 3);
        QCOMPARE(windows.at(0).window, 0);
        QCOMPARE(windows.at(2).window, 3);
        // No source shows as 5; a tiny window still gets a readable size.
        s.source[0] = 4;
        s.widths[0] = s.heights[0] = 10;
        QCOMPARE(PresetFile::previewWindows(s).at(0).label, QStringLiteral("5"));
        QCOMPARE(PresetFile::previewWindows(s).at(0).pointSize, 1);
        s.widthDivisor = 0;
        QVERIFY(PresetFile::previewWindows(s).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstPresetFile)
#include "tst_presetfile.moc"
