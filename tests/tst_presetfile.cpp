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

    // A new file for every case: QSettings would take a rewritten file of the
    // same size within the same second for the one it has cached.
    QString writeFile(const QByteArray &text)
    {
        const QString path = mDir.filePath(QStringLiteral("preset%1.ini").arg(++mFileNumber));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(text);
        return path;
    }

    // Preset 3 as an earlier release wrote it (brackets escaped), under 1 x 2.
    static QByteArray oldReleaseGroup()
    {
        return "[3_Frame]\nEnable=1\nArrayX%5Bi%5D=0_1920_0_1920\nArrayY%5Bi%5D=0_0_1080_1080\n"
               "ArrayHeight%5Bi%5D=1080_1080_1080_1080\nArrayWidth%5Bi%5D=1920_1920_1920_1920\n"
               "ArrayEable%5Bi%5D=1_1_0_1\nArrayRGB%5B0%5D%5Bj%5D=136_155_177\nArrayRGB%5B1%5D%5Bj%5D=1_2_3\n"
               "ArrayRGB%5B2%5D%5Bj%5D=4_5_6\nArrayRGB%5B3%5D%5Bj%5D=7_8_9\nArrayLayer%5Bi%5D=4_3_2_1\n"
               "ArrayLight%5Bi%5D=0_-24_0_512\nArrayInputSourceID%5Bi%5D=1_2_4_2\nisColorSolid%5Bi%5D=0_0_1_0\n"
               "splicModeRow=1\nsplicModeColumn=2\nspliceDivisorWidth=32\nspliceDivisorHeight=13.5\n";
    }
    PresetSnapshot oldReleaseSnapshot()
    {
        QSettings settings(writeFile(oldReleaseGroup()), QSettings::IniFormat);
        PresetSnapshot s;
        if (!PresetFile::read(settings, 3, &s))
            qWarning("the earlier release's group did not load");
        return s;
    }

private slots:
    void divisorTableCoversEverySelectableLayout()
    {
        const QMap<QString, QString> table = PresetFile::divisorTable();
        QCOMPARE(table.size(), 58);
        QCOMPARE(table.value("1x18"), QStringLiteral("288x13.5"));
        QCOMPARE(table.value("2x1"), QStringLiteral("16x13.5"));
        QCOMPARE(table.value("3x1"), QStringLiteral("16x40.5"));
        QCOMPARE(table.value("9x2"), QStringLiteral("32x27"));
        // Every grid the splice selectors accept: at most 18 screens, at most
        // 12 in a row or a column.
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
        QTest::addColumn<bool>("loads");
        QTest::addColumn<int>("firstX");

        QTest::newRow("intact") << QByteArray() << QByteArray() << true << 0;
        QTest::newRow("disabled") << QByteArray("Enable=1") << QByteArray("Enable=false") << false << 0;
        QTest::newRow("no Enable") << QByteArray("Enable=1\n") << QByteArray() << false << 0;
        QTest::newRow("short ArrayX") << QByteArray("X%5Bi%5D=0_1920_0_1920") << QByteArray("X%5Bi%5D=0_1920_0") << false << 0;
        QTest::newRow("short ArrayLayer") << QByteArray("4_3_2_1") << QByteArray("4_3") << false << 0;
        QTest::newRow("empty isColorSolid") << QByteArray("=0_0_1_0") << QByteArray("=") << false << 0;
        QTest::newRow("short colour") << QByteArray("4_5_6") << QByteArray("4_5") << false << 0;
        QTest::newRow("missing ArrayWidth") << QByteArray("ArrayWidth%5Bi%5D=1920_1920_1920_1920\n") << QByteArray() << false << 0;
        QTest::newRow("list with commas") << QByteArray("X%5Bi%5D=0_1920_0_1920") << QByteArray("X%5Bi%5D=0,1920,0,1920") << false << 0;
        QTest::newRow("zero divisor") << QByteArray("Width=32") << QByteArray("Width=0") << false << 0;
        QTest::newRow("negative divisor") << QByteArray("Height=13.5") << QByteArray("Height=-13.5") << false << 0;
        QTest::newRow("unreadable divisor") << QByteArray("Height=13.5") << QByteArray("Height=abc") << false << 0;
        QTest::newRow("missing divisor") << QByteArray("spliceDivisorWidth=32\n") << QByteArray() << false << 0;
        QTest::newRow("layout outside the table") << QByteArray("Row=1") << QByteArray("Row=10") << false << 0;
        QTest::newRow("non-numeric part") << QByteArray("X%5Bi%5D=0_") << QByteArray("X%5Bi%5D=zz_") << true << 0;
        QTest::newRow("extra parts") << QByteArray("X%5Bi%5D=0_1920_0_1920") << QByteArray("X%5Bi%5D=5_1920_0_1920_7") << true << 5;
        QTest::newRow("infinite height") << QByteArray("Height%5Bi%5D=1080_") << QByteArray("Height%5Bi%5D=inf_") << true << 0;
        static const char garbage[] = "\x00\xff[3_Frame\nEnable=1\n\xfe=\n[[";
        QTest::newRow("garbage") << oldReleaseGroup() << QByteArray(garbage, sizeof(garbage) - 1) << false << 0;
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
        QSettings settings(writeFile(text), QSettings::IniFormat);
        PresetSnapshot s;
        s.x[0] = -1;
        QCOMPARE(PresetFile::read(settings, 3, &s), loads);
        QCOMPARE(s.x[0], loads ? firstX : -1);   // a refused group leaves the snapshot alone
        if (loads) {
            QVERIFY(s.heights[0] == 0.0 || s.heights[0] == 1080.0);
            QCOMPARE(s.luminance[1], -24);
            QCOMPARE(s.colour[3][0], 7);
            QCOMPARE(s.heightDivisor, 13.5);
        }
    }

    void previewPaintsOpenWindowsBackToFront()
    {
        PresetSnapshot s = oldReleaseSnapshot();   // window 4 in front, window 3 closed
        s.heightDivisor = 27;
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
        s.widths[0] = s.heights[0] = 10;
        QCOMPARE(PresetFile::previewWindows(s).at(0).label, QStringLiteral("5"));
        QCOMPARE(PresetFile::previewWindows(s).at(0).pointSize, 1);

        s.widthDivisor = 0;
        QVERIFY(PresetFile::previewWindows(s).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstPresetFile)
#include "tst_presetfile.moc"
