#include <QtTest>

#include "fakeboxtcp.h"
#include "link/statusframe.h"

// The TCP status frames taken apart without a window: the box's frames are
// built by the stand-in box from its state and must come back field by field.
class TstStatusFrame : public QObject
{
    Q_OBJECT

    static StatusFrameRead parse(const QByteArray &bytes) { return parseStatusFrame(bytes.toHex()); }

    FakeBoxState state;
    FakeBoxTcp box{&state};   // only its frame builders; it does not listen

private slots:
    void init()
    {
        state = FakeBoxState();
        box.deviceValue = 7;
        box.mode = 0;
        box.flag = 0;
        box.columnsHighByte = 0;
    }

    void hexTextAndWords()
    {
        // "zz" is no number and is skipped; a lone last digit is no pair.
        QCOMPARE(StatusFrame::bytesFromHexText("aAzz01f"), QByteArray::fromHex("aa01"));
        QCOMPARE(StatusFrame::bytesFromHexText("-1+2 3"), QByteArray());
        QCOMPARE(StatusFrame::wordsFromBytes(QByteArray::fromHex("aabb01")), QVector<quint16>{0xAABB});
        QVERIFY(StatusFrame::wordsFromBytes(QByteArray::fromHex("aa")).isEmpty());
    }

    void globalFrame()
    {
        box.deviceValue = 513;
        box.mode = 2;
        box.flag = 1;
        state.setGrid(2, 3);
        box.columnsHighByte = 1;                     // word 8 = 0x0103
        state.global[7] = 0x6420;                    // window 1 at the back .. window 4 in front
        QCOMPARE(FakeBoxTcp::layerOrderWord(state), quint16(0x6420));

        const StatusFrameRead r = parse(box.globalFrame());
        QCOMPARE(r.kind, StatusFrameRead::Global);
        QCOMPARE(r.global.deviceValue, 513);
        QCOMPARE(r.global.mode, 2);
        QVERIFY(r.global.flag);
        QCOMPARE(r.global.rows, 2);
        QCOMPARE(r.global.columns, 3);
        QVERIFY(r.global.gridValid());
        for (int w = 0; w < 4; ++w)
            QCOMPARE(r.global.layerOfWindow(w), 4 - w);
    }

    void layerOrderNamesOnlyEvenNibbles()
    {
        GlobalStatus g;
        g.layerOrder = 0x1357;        // odd values name no window
        for (int w = 0; w < 4; ++w)
            QCOMPARE(g.layerOfWindow(w), 0);
        g.layerOrder = 0x0000;        // every layer names window 1: the front one wins
        QCOMPARE(g.layerOfWindow(0), 1);
        QCOMPARE(g.layerOfWindow(1), 0);
    }

    void gridOutOfRange_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        QTest::addColumn<bool>("valid");
        QTest::newRow("1x18") << 1 << 18 << true;
        QTest::newRow("0 rows") << 0 << 2 << false;
        QTest::newRow("0 columns") << 2 << 0 << false;
        QTest::newRow("19 rows") << 19 << 1 << false;
        QTest::newRow("255 columns") << 1 << 255 << false;
    }
    void gridOutOfRange()
    {
        QFETCH(int, rows);
        QFETCH(int, columns);
        QFETCH(bool, valid);
        state.setGrid(rows, columns);
        QCOMPARE(parse(box.globalFrame()).global.gridValid(), valid);
    }

    void windowFrameEveryField()
    {
        // Give every state index a value of its own so a shifted word shows.
        for (int i = 1; i <= 0x32; ++i)
            state.windows[2][i] = quint16(2000 + i);
        state.windows[2][0x14] = 1;   // mirrors
        state.windows[2][0x15] = 0;
        state.windows[2][0x2A] = 0;   // no solid colour
        state.windows[2][0x2B] = 1;
        state.windows[2][0x2D] = 2;
        state.windows[2][0x31] = 1;

        const StatusFrameRead r = parse(box.windowFrame(3));
        QCOMPARE(r.kind, StatusFrameRead::Window);
        const WindowStatus &w = r.window;
        QCOMPARE(w.channel, 3);
        QCOMPARE(QVector<int>({w.x, w.y, w.width, w.height}), QVector<int>({2001, 2002, 2003, 2004}));
        QCOMPARE(QVector<int>({w.cropHStart, w.cropVStart, w.cropHEnd, w.cropVEnd}),
                 QVector<int>({2006, 2007, 2008, 2009}));
        QCOMPARE(w.contrast, 2011);
        QCOMPARE(w.luminance, 2012 - 1024);
        QCOMPARE(w.hSharpness, 2013 - 10);
        QCOMPARE(w.vSharpness, 2014 - 10);
        QCOMPARE(w.saturation, 2015);
        QCOMPARE(w.hue, 2016 - 180);
        QCOMPARE(w.colorTemperature, 2017);
        QCOMPARE(w.deGamma, 2018);
        QCOMPARE(w.panelGamma, 2019);
        QVERIFY(w.hMirror);
        QVERIFY(!w.vMirror);
        QCOMPARE(QVector<int>({w.hFiltration, w.vFiltration, w.shadow, w.block, w.noise, w.hair}),
                 QVector<int>({2022, 2023, 2024, 2025, 2026, 2027}));
        QVERIFY(w.deinterlace && w.pullDown22 && w.pullDown23 && w.psf24);
        QCOMPARE(w.pullDown22Timer, 2030);
        QCOMPARE(w.pullDown23Timer, 2032);
        QCOMPARE(w.sensitivity, 2033);
        QCOMPARE(w.diagonal, 2034);
        QCOMPARE(QVector<int>({w.blueCorrection, w.greenCorrection, w.skinCorrection}),
                 QVector<int>({2036, 2037, 2038}));
        // Colours are 0..255: larger words are held at 255.
        QCOMPARE(QVector<int>({w.red, w.green, w.blue}), QVector<int>({255, 255, 255}));
        QVERIFY(!w.solidColor);
        QVERIFY(w.open);
        QVERIFY(w.freeze);
        QCOMPARE(w.source, 2);
        QCOMPARE(w.reportedSource, 2);
        QVERIFY(w.audio);
        QCOMPARE(w.rotation, 90);
        QCOMPARE(w.resolutionCode, 2050);
    }

    void solidColourHidesTheSource()
    {
        state.windows[0][0x2A] = 1;
        state.windows[0][0x2D] = 3;
        state.windows[0][0x2B] = 2;   // only 1 means open
        const WindowStatus w = parse(box.windowFrame(1)).window;
        QVERIFY(w.solidColor);
        QCOMPARE(w.source, 4);
        QCOMPARE(w.reportedSource, 3);
        QVERIFY(!w.open);
    }

    void rotation_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("hMirror");
        QTest::addColumn<int>("vMirror");
        QTest::addColumn<int>("angle");
        QTest::newRow("0") << 0 << 0 << 0 << 0;
        QTest::newRow("0, both mirrors") << 0 << 1 << 1 << 180;
        QTest::newRow("0, one mirror") << 0 << 1 << 0 << 0;
        QTest::newRow("0, mirrors 2") << 0 << 2 << 1 << 0;
        QTest::newRow("1") << 1 << 1 << 1 << 90;
        QTest::newRow("2") << 2 << 0 << 0 << 270;
        QTest::newRow("3 keeps") << 3 << 0 << 0 << -1;
    }
    void rotation()
    {
        QFETCH(int, code);
        QFETCH(int, hMirror);
        QFETCH(int, vMirror);
        QFETCH(int, angle);
        state.windows[1][0x31] = code;
        state.windows[1][0x14] = hMirror;
        state.windows[1][0x15] = vMirror;
        const WindowStatus w = parse(box.windowFrame(2)).window;
        QCOMPARE(w.rotation, angle);
        QCOMPARE(w.hMirror, hMirror != 0);
    }

    // The stream cutter where a broken-off answer or a stray byte could hide
    // the frames behind it: rows give what arrives and the kinds cut from it.
    void streamCutsWhatFollowsBrokenBytes_data()
    {
        FakeBoxState state;
        FakeBoxTcp box(&state);
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("kinds");   // G global, W window, in order
        const QByteArray global = box.globalFrame();
        const QByteArray window = box.windowFrame(2);
        for (int globals = 1; globals <= 4; ++globals) {
            const int cut = StatusFrame::WindowFrameBytes - globals * StatusFrame::GlobalFrameBytes;
            QTest::addRow("%d bytes of a window, %d global", cut, globals)
                    << window.left(cut) + global.repeated(globals) << QString(globals, QLatin1Char('G'));
        }
        const QByteArray stray(1, char(0xAA));
        QTest::newRow("stray AA, global") << stray + global << "G";
        QTest::newRow("stray AA, window") << stray + window << "W";
        QTest::newRow("window, stray AA, global") << window + stray + global << "WG";
        QTest::newRow("window 5, window") << QByteArray(window).replace(2, 2, QByteArray::fromHex("0005")) + window
                                          << "W";
    }
    void streamCutsWhatFollowsBrokenBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, kinds);
        StatusFrameStream stream;
        QString cut;
        for (const QByteArray &frame : stream.feed(bytes))
            cut += QLatin1Char(frame.size() == StatusFrame::GlobalFrameBytes ? 'G' : 'W');
        QCOMPARE(cut, kinds);
        QCOMPARE(stream.buffered(), 0);
    }

    void droppedReads_data()
    {
        FakeBoxState state;
        FakeBoxTcp box(&state);
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray global = box.globalFrame();
        const QByteArray window = box.windowFrame(1);
        QByteArray wrongHead = window;
        wrongHead[0] = char(0xAB);
        QByteArray wrongTail = global;
        wrongTail[global.size() - 1] = char(0xBA);
        QByteArray longer = global;
        longer.insert(2, QByteArray(2, '\0'));
        QVector<quint16> empty{0xAAAA, 0xBBBB};

        QTest::newRow("nothing") << QByteArray();
        QTest::newRow("one byte") << QByteArray(1, char(0xAA));
        QTest::newRow("wrong head") << wrongHead;
        QTest::newRow("wrong tail") << wrongTail;
        QTest::newRow("12 words") << longer;
        QTest::newRow("head and tail only") << FakeBoxTcp::frame(empty);
        QTest::newRow("two frames") << global + window;
        QTest::newRow("half a frame") << window.left(54);
        QTest::newRow("rest of a frame") << window.mid(54);
        QTest::newRow("window 0") << QByteArray(window).replace(2, 2, QByteArray::fromHex("0000"));
        QTest::newRow("window 5") << QByteArray(window).replace(2, 2, QByteArray::fromHex("0005"));
        QTest::newRow("window 256+1") << QByteArray(window).replace(2, 2, QByteArray::fromHex("0101"));
    }
    void droppedReads()
    {
        QFETCH(QByteArray, bytes);
        QCOMPARE(parse(bytes).kind, StatusFrameRead::Dropped);
    }
};

QTEST_MAIN(TstStatusFrame)
#include "tst_statusframe.moc"
