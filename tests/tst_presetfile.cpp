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

    // Preset 3 as an earlier release wrote it (brackets escaped), under 1 x 2; window 3 closed, window 4 in front.
    const QByteArray kOldGroup =
        "[3_Frame]\nEnable=1\nArrayX%5Bi%5D=0_1920_0_1920\nArrayY%5Bi%5D=0_0_1080_1080\n"
        "ArrayHeight%5Bi%5D=1080_1080_1080_1080\nArrayWidth%5Bi%5D=1920_1920_1920_1920\n"
        "ArrayEable%5Bi%5D=1_1_0_1\nArrayRGB%5B0%5D%5Bj%5D=136_155_177\nArrayRGB%5B1%5D%5Bj%5D=1_2_3\n"
        "ArrayRGB%5B2%5D%5Bj%5D=4_5_6\nArrayRGB%5B3%5D%5Bj%5D=7_8_9\nArrayLayer%5Bi%5D=4_3_2_1\n"
        "ArrayLight%5Bi%5D=0_-24_0_512\nArrayInputSourceID%5Bi%5D=1_2_4_2\nisColorSolid%5Bi%5D=0_0_1_0\n"
        "splicModeRow=1\nsplicModeColumn=2\nspliceDivisorWidth=32\nspliceDivisorHeight=13.5\n";

    // A new file each time: QSettings takes a same-size file rewritten within a second for its cached one.
    bool read(const QByteArray &text, PresetSnapshot *s)
    {
        QFile file(mDir.filePath(QStringLiteral("preset%1.ini").arg(++mFileNumber)));
        if (file.open(QIODevice::WriteOnly))
            file.write(text);
        file.close();
        QSettings settings(file.fileName(), QSettings::IniFormat);
        return PresetFile::read(settings, 3, s);
    }

private slots:
    void divisorTableCoversEverySelectableLayout()
    {
        const QMap<QString, QString> table = PresetFile::divisorTable();
        QCOMPARE(table.size(), 58);
        QCOMPARE(table.value("2x1"), QStringLiteral("16x13.5"));
        for (int rows = 1; rows <= 12; ++rows)
            for (int columns = 1; rows * columns <= 18 && columns <= 12; ++columns)
                QVERIFY(table.contains(QStringLiteral("%1x%2").arg(rows).arg(columns)));
    }

    // A damaged group never crashes the reader: it is empty, or a value that is not a number reads as 0.
    void damagedFiles_data()
    {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<int>("firstX");   // -1: the preview stays empty
        auto row = [](const char *name, const QByteArray &from, const QByteArray &to, int firstX = -1) {
            QTest::newRow(name) << from << to << firstX;
        };
        static const char garbage[] = "\x00\xff[3_Frame\nEnable=1\n\xfe=\n[[";
        row("intact", {}, {}, 0);
        row("disabled", "Enable=1", "Enable=false");
        for (const char *line : {"Enable=1\n", "ArrayWidth%5Bi%5D=1920_1920_1920_1920\n", "spliceDivisorWidth=32\n"})
            row(qPrintable(QStringLiteral("missing ") + line), line, {});
        for (const char *list : {"X%5Bi%5D=0_1920_0", "X%5Bi%5D=0,1920,0,1920"})
            row(list, "X%5Bi%5D=0_1920_0_1920", list);
        row("short ArrayLayer", "4_3_2_1", "4_3");
        row("empty isColorSolid", "=0_0_1_0", "=");
        row("short colour", "4_5_6", "4_5");
        row("zero divisor", "Width=32", "Width=0");
        for (const char *height : {"Height=-13.5", "Height=abc"})
            row(height, "Height=13.5", height);
        row("layout outside the table", "Row=1", "Row=10");
        row("non-numeric part", "X%5Bi%5D=0_", "X%5Bi%5D=zz_", 0);
        row("extra parts", "X%5Bi%5D=0_1920_0_1920", "X%5Bi%5D=5_1920_0_1920_7", 5);
        row("infinite height", "Height%5Bi%5D=1080_", "Height%5Bi%5D=inf_", 0);
        row("garbage", kOldGroup, QByteArray(garbage, sizeof(garbage) - 1));
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

    // Open windows back to front; no source shows as 5; a tiny window still gets a readable size.
    void previewPaintsOpenWindowsBackToFront()
    {
        PresetSnapshot s;
        QVERIFY(read(kOldGroup, &s));
        const QVector<PreviewWindow> windows = PresetFile::previewWindows(s);
        QVERIFY(windows.size() == 3 && windows.at(0).window == 0 && windows.at(2).window == 3);
        s.source[0] = 4;
        s.widths[0] = s.heights[0] = 10;
        const PreviewWindow tiny = PresetFile::previewWindows(s).at(0);
        QVERIFY(tiny.label == QStringLiteral("5") && tiny.pointSize == 1);
        s.widthDivisor = 0;
        QVERIFY(PresetFile::previewWindows(s).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstPresetFile)
#include "tst_presetfile.moc"
