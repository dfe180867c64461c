#include <QtTest>
#include <QSettings>
#include <QTemporaryDir>

#include "preset/presetfile.h"

// The preset store and the preview and replay arithmetic, without a window.
class TstPresetFile : public QObject
{
    Q_OBJECT

    QTemporaryDir mDir;
    int mFileNumber = 0;

    // A new file for every case: QSettings would take a rewritten file of the
    // same size within the same second for the one it has cached.
    QString iniPath() const { return mDir.filePath(QStringLiteral("preset%1.ini").arg(mFileNumber)); }

    // A file with the given text, as an earlier release or a damaged disk left it.
    void writeFile(const QByteArray &text)
    {
        ++mFileNumber;
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }

    static PresetSnapshot sample()
    {
        PresetSnapshot s;
        const int x[4] = {0, 1920, 100, 2000};
        const int y[4] = {0, 0, 1080, 1200};
        const double widths[4] = {1920, 1920, 960.5, 1000};
        const double heights[4] = {1080, 1080, 540.25, 900};
        for (int i = 0; i < 4; ++i) {
            s.x[i] = x[i];
            s.y[i] = y[i];
            s.widths[i] = widths[i];
            s.heights[i] = heights[i];
            s.luminance[i] = -100 * i;
            s.layer[i] = 4 - i;
            s.colour[i][0] = 10 + i;
            s.colour[i][1] = 20 + i;
            s.colour[i][2] = 30 + i;
            s.open[i] = i != 2;
            s.source[i] = (i + 1) % 5;
            s.solid[i] = i == 1;
        }
        s.rows = 1;
        s.columns = 1;
        s.widthDivisor = 32;
        s.heightDivisor = 27;
        return s;
    }

    // The whole group as an earlier release wrote it (brackets escaped).
    static QByteArray oldReleaseGroup()
    {
        return "[3_Frame]\n"
               "Enable=1\n"
               "ArrayX%5Bi%5D=0_1920_0_1920\n"
               "ArrayY%5Bi%5D=0_0_1080_1080\n"
               "ArrayHeight%5Bi%5D=1080_1080_1080_1080\n"
               "ArrayWidth%5Bi%5D=1920_1920_1920_1920\n"
               "ArrayEable%5Bi%5D=1_1_0_1\n"
               "ArrayRGB%5B0%5D%5Bj%5D=136_155_177\n"
               "ArrayRGB%5B1%5D%5Bj%5D=1_2_3\n"
               "ArrayRGB%5B2%5D%5Bj%5D=4_5_6\n"
               "ArrayRGB%5B3%5D%5Bj%5D=7_8_9\n"
               "ArrayLayer%5Bi%5D=2_1_3_4\n"
               "ArrayLight%5Bi%5D=0_-24_0_512\n"
               "ArrayInputSourceID%5Bi%5D=1_0_4_2\n"
               "isColorSolid%5Bi%5D=0_0_1_0\n"
               "splicModeRow=1\n"
               "splicModeColumn=2\n"
               "spliceDivisorWidth=32\n"
               "spliceDivisorHeight=13.5\n";
    }

private slots:
    void divisorTableCoversEverySelectableLayout()
    {
        const QMap<QString, QString> table = PresetFile::divisorTable();
        QCOMPARE(table.size(), 58);
        QCOMPARE(table.value("1x1"), QStringLiteral("32x27"));
        QCOMPARE(table.value("1x2"), QStringLiteral("32x13.5"));
        QCOMPARE(table.value("1x18"), QStringLiteral("288x13.5"));
        QCOMPARE(table.value("2x1"), QStringLiteral("16x13.5"));
        QCOMPARE(table.value("3x1"), QStringLiteral("16x40.5"));
        QCOMPARE(table.value("18x1"), QStringLiteral("16x243"));
        QCOMPARE(table.value("4x4"), QStringLiteral("32x27"));
        QCOMPARE(table.value("9x2"), QStringLiteral("32x27"));
        // Every grid the splice selectors accept: at most 18 screens, at
        // most 12 in a row or a column.
        for (int rows = 1; rows <= 12; ++rows) {
            for (int columns = 1; rows * columns <= 18 && columns <= 12; ++columns) {
                const QString name = QStringLiteral("%1x%2").arg(rows).arg(columns);
                QVERIFY2(table.contains(name), qPrintable(name));
            }
        }
        double width = -1, height = -1;
        QVERIFY(!PresetFile::lookupDivisors(table, QStringLiteral("7x7"), &width, &height));
        QCOMPARE(width, -1.0);
        QVERIFY(PresetFile::lookupDivisors(table, QStringLiteral("3x1"), &width, &height));
        QCOMPARE(width, 16.0);
        QCOMPARE(height, 40.5);
    }

    void coordinateDivisor_data()
    {
        QTest::addColumn<bool>("gridChosen");
        QTest::addColumn<double>("canvasWidth");
        QTest::addColumn<int>("divisor");
        QTest::newRow("4K canvas") << false << 3840.0 << 1;
        QTest::newRow("1920 single screen") << false << 1920.0 << 2;
        QTest::newRow("grid chosen") << true << 1920.0 << 1;
        QTest::newRow("canvas wider than 4K") << false << 7680.0 << 1;
        QTest::newRow("empty canvas") << false << 0.0 << 1;
    }
    void coordinateDivisor()
    {
        QFETCH(bool, gridChosen);
        QFETCH(double, canvasWidth);
        QFETCH(int, divisor);
        QCOMPARE(PresetFile::coordinateDivisor(gridChosen, canvasWidth), divisor);
    }

    void aSnapshotRoundTripsThroughTheFile()
    {
        const PresetSnapshot saved = sample();
        {
            QSettings settings(iniPath(), QSettings::IniFormat);
            PresetFile::write(settings, 7, saved);
        }
        QSettings settings(iniPath(), QSettings::IniFormat);
        PresetSnapshot read;
        QVERIFY(PresetFile::read(settings, 7, &read));
        QVERIFY(read == saved);
        QVERIFY(!PresetFile::read(settings, 6, &read));
    }

    void aFileOfAnEarlierReleaseLoads()
    {
        writeFile(oldReleaseGroup());
        QSettings settings(iniPath(), QSettings::IniFormat);
        PresetSnapshot s;
        QVERIFY(PresetFile::read(settings, 3, &s));
        QCOMPARE(s.x[1], 1920);
        QCOMPARE(s.open[2], false);
        QCOMPARE(s.colour[3][0], 7);
        QCOMPARE(s.luminance[1], -24);
        QCOMPARE(s.solid[2], true);
        QCOMPARE(s.columns, 2);
        QCOMPARE(s.heightDivisor, 13.5);
    }

    // A damaged group never crashes the reader: it is empty, or a value that
    // is not a number reads as 0.
    void damagedFiles_data()
    {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<bool>("loads");
        QTest::addColumn<int>("firstX");   // when it loads

        QTest::newRow("intact") << QByteArray() << QByteArray() << true << 0;
        QTest::newRow("disabled") << QByteArray("Enable=1") << QByteArray("Enable=false") << false << 0;
        QTest::newRow("no Enable") << QByteArray("Enable=1\n") << QByteArray() << false << 0;
        QTest::newRow("short ArrayX") << QByteArray("ArrayX%5Bi%5D=0_1920_0_1920") << QByteArray("ArrayX%5Bi%5D=0_1920_0") << false << 0;
        QTest::newRow("short ArrayLayer") << QByteArray("ArrayLayer%5Bi%5D=2_1_3_4") << QByteArray("ArrayLayer%5Bi%5D=2_1") << false << 0;
        QTest::newRow("short isColorSolid") << QByteArray("isColorSolid%5Bi%5D=0_0_1_0") << QByteArray("isColorSolid%5Bi%5D=") << false << 0;
        QTest::newRow("short colour") << QByteArray("ArrayRGB%5B2%5D%5Bj%5D=4_5_6") << QByteArray("ArrayRGB%5B2%5D%5Bj%5D=4_5") << false << 0;
        QTest::newRow("missing ArrayWidth") << QByteArray("ArrayWidth%5Bi%5D=1920_1920_1920_1920\n") << QByteArray() << false << 0;
        QTest::newRow("list written with commas") << QByteArray("ArrayX%5Bi%5D=0_1920_0_1920") << QByteArray("ArrayX%5Bi%5D=0,1920,0,1920") << false << 0;
        QTest::newRow("zero divisor") << QByteArray("spliceDivisorWidth=32") << QByteArray("spliceDivisorWidth=0") << false << 0;
        QTest::newRow("negative divisor") << QByteArray("spliceDivisorHeight=13.5") << QByteArray("spliceDivisorHeight=-13.5") << false << 0;
        QTest::newRow("unreadable divisor") << QByteArray("spliceDivisorHeight=13.5") << QByteArray("spliceDivisorHeight=abc") << false << 0;
        QTest::newRow("missing divisor") << QByteArray("spliceDivisorWidth=32\n") << QByteArray() << false << 0;
        QTest::newRow("layout outside the table") << QByteArray("splicModeRow=1") << QByteArray("splicModeRow=10") << false << 0;
        QTest::newRow("non-numeric part") << QByteArray("ArrayX%5Bi%5D=0_") << QByteArray("ArrayX%5Bi%5D=zz_") << true << 0;
        QTest::newRow("extra parts") << QByteArray("ArrayX%5Bi%5D=0_1920_0_1920") << QByteArray("ArrayX%5Bi%5D=5_1920_0_1920_77") << true << 5;
        QTest::newRow("infinite height") << QByteArray("ArrayHeight%5Bi%5D=1080_") << QByteArray("ArrayHeight%5Bi%5D=inf_") << true << 0;
    }
    void damagedFiles()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(bool, loads);
        QFETCH(int, firstX);
        QByteArray text = oldReleaseGroup();
        if (!from.isEmpty()) {
            QVERIFY(text.contains(from));
            text.replace(from, to);
        }
        writeFile(text);
        QSettings settings(iniPath(), QSettings::IniFormat);
        PresetSnapshot s;
        s.x[0] = -1;
        QCOMPARE(PresetFile::read(settings, 3, &s), loads);
        if (loads) {
            QCOMPARE(s.x[0], firstX);
            QCOMPARE(s.heights[0], QTest::currentDataTag() == QByteArray("infinite height") ? 0.0 : 1080.0);
        } else {
            QCOMPARE(s.x[0], -1);   // untouched
        }
    }

    void garbageIsNoPreset()
    {
        static const char garbage[] = "\x00\xff[3_Frame\nEnable=1\n\xfe=\n[[";
        writeFile(QByteArray(garbage, sizeof(garbage) - 1));
        QSettings settings(iniPath(), QSettings::IniFormat);
        PresetSnapshot s;
        for (int n = 1; n <= 10; ++n)
            QVERIFY(!PresetFile::read(settings, n, &s));
    }

    void previewPaintsOpenWindowsBackToFront()
    {
        PresetSnapshot s = sample();   // layers 4, 3, 2, 1: window 4 in front; window 3 closed
        const QVector<PreviewWindow> windows = PresetFile::previewWindows(s);
        QCOMPARE(windows.size(), 3);
        QCOMPARE(windows.at(0).window, 0);
        QCOMPARE(windows.at(2).window, 3);
        // 1920 x 1080 at (1920, 0) over 32 x 27 is 60 x 40 at (60, 0).
        QCOMPARE(windows.at(1).rect, QRect(60, 0, 60, 40));
        QCOMPARE(windows.at(1).pointSize, 20);
        QCOMPARE(windows.at(1).baseline, QPoint(83, 29));
        QCOMPARE(windows.at(1).label, QStringLiteral("3"));
        // No source shows as 5; a tiny window still gets a readable size.
        s.source[0] = 4;
        s.widths[0] = 10;
        s.heights[0] = 10;
        QCOMPARE(PresetFile::previewWindows(s).at(0).label, QStringLiteral("5"));
        QCOMPARE(PresetFile::previewWindows(s).at(0).pointSize, 1);
    }

    void unusableSnapshotPaintsNothing_data()
    {
        QTest::addColumn<double>("widthDivisor");
        QTest::addColumn<int>("rows");
        QTest::newRow("zero divisor") << 0.0 << 1;
        QTest::newRow("negative divisor") << -32.0 << 1;
        QTest::newRow("layout outside the table") << 32.0 << 0;
    }
    void unusableSnapshotPaintsNothing()
    {
        QFETCH(double, widthDivisor);
        QFETCH(int, rows);
        PresetSnapshot s = sample();
        s.widthDivisor = widthDivisor;
        s.rows = rows;
        QVERIFY(!PresetFile::isUsable(s));
        QVERIFY(PresetFile::previewWindows(s).isEmpty());
    }

    void layersOutOfOrderAreOrderedByLayerThenWindow_data()
    {
        QTest::addColumn<QVector<int>>("layers");
        QTest::addColumn<QVector<int>>("frontToBack");
        QTest::newRow("a permutation") << QVector<int>{3, 1, 4, 2} << QVector<int>{1, 3, 0, 2};
        QTest::newRow("ties and gaps") << QVector<int>{2, 2, 0, 9} << QVector<int>{2, 0, 1, 3};
        QTest::newRow("all zero") << QVector<int>{0, 0, 0, 0} << QVector<int>{0, 1, 2, 3};
    }
    void layersOutOfOrderAreOrderedByLayerThenWindow()
    {
        QFETCH(QVector<int>, layers);
        QFETCH(QVector<int>, frontToBack);
        PresetSnapshot s;
        for (int i = 0; i < 4; ++i)
            s.layer[i] = layers.at(i);
        QCOMPARE(PresetFile::windowsFrontToBack(s), frontToBack);
    }

    void replayValuesStayWithinTheField_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("luminance");
        QTest::addColumn<int>("red");
        QTest::addColumn<QString>("geometry");
        QTest::addColumn<QString>("luminanceText");
        QTest::addColumn<QString>("redText");
        QTest::newRow("below zero") << -50.0 << -5000 << -1 << "e00000000000000000" << "000b0000" << "00260000";
        QTest::newRow("above FFFF") << 1e9 << 70000 << 70000 << "e0ffff000000000000" << "000bffff" << "0026ffff";
        QTest::newRow("not a number") << qQNaN() << 0 << 0 << "e00000000000000000" << "000b0400" << "00260000";
    }
    void replayValuesStayWithinTheField()
    {
        QFETCH(double, x);
        QFETCH(int, luminance);
        QFETCH(int, red);
        PresetWindowState first;
        first.x = x;
        first.luminance = luminance;
        first.red = red;
        const QVector<PresetWindowState> windows = {first, PresetWindowState(), PresetWindowState(), PresetWindowState()};
        const QStringList texts = PresetFile::replayCommands({0, 1, 2, 3}, windows);
        QTEST(texts.at(1), "geometry");
        QTEST(texts.at(2), "luminanceText");
        QTEST(texts.at(3), "redText");
    }
};

QTEST_GUILESS_MAIN(TstPresetFile)
#include "tst_presetfile.moc"
