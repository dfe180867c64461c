#include <QtTest>
#include <QAction>
#include <QPushButton>
#include <QSettings>

#include "dialoganswerer.h"
#include "panelfixture.h"
#include "Graphics/inputchannel.h"
#include "mainwindow.h"
#include "preset/myframe.h"

// The ten previews and the preset panel of a whole main window, offline, in a temporary working directory.
class TstPresets : public QObject
{
    Q_OBJECT
    std::unique_ptr<PanelFixture> f;

    MyFrame *frame(int n) const { return f->mw->mPresetFrames.at(n - 1); }
    void click(const char *name) { QTest::mouseClick(f->mw->findChild<QPushButton *>(name), Qt::LeftButton); }
    void saveInto(int n) { QTest::mouseClick(frame(n), Qt::LeftButton); click("presetSaveButton"); }
    // The pump's interval (0: stopped); stops it so the queue can be read.
    int stopPump() const
    {
        const int interval = f->mw->mSendTimer->isActive() ? f->mw->mSendTimer->interval() : 0;
        f->mw->mSendTimer->stop();
        return interval;
    }
    // The replay of the wall as it starts: windows in their quarters, layers 1..4.
    static QStringList startWallReplay()
    {
        QStringList texts = {"04100246"};
        for (int w = 0; w < 4; ++w) {
            texts << QString::asprintf("e%d%04x%04x07800438", w, w % 2 * 1920, w / 2 * 1080);
            for (QPair<int, int> field : {qMakePair(0x0B, 1024), {0x26, 136}, {0x27, 155}, {0x28, 177}, {0x2B, 1},
                                          {0x2D, w ^ 1}, {0x2A, 0}})
                texts << windowText(w, field.first, field.second);
        }
        return texts;
    }

private slots:
    void init() { f.reset(new PanelFixture); }
    void cleanup() { f.reset(); }

    void savedPresetsOutliveARestartUntilDeleted()
    {
        saveInto(3);
        QMap<QString, QString> expected = {
            {"Enable", "1"}, {"ArrayX[i]", "0_1920_0_1920"}, {"ArrayY[i]", "0_0_1080_1080"},
            {"ArrayHeight[i]", "1080_1080_1080_1080"}, {"ArrayWidth[i]", "1920_1920_1920_1920"},
            {"ArrayEable[i]", "1_1_1_1"}, {"ArrayLayer[i]", "1_2_3_4"}, {"ArrayLight[i]", "0_0_0_0"},
            {"ArrayInputSourceID[i]", "1_0_3_2"}, {"isColorSolid[i]", "0_0_0_0"}, {"splicModeRow", "1"},
            {"splicModeColumn", "1"}, {"spliceDivisorWidth", "32"}, {"spliceDivisorHeight", "27"}};
        for (int w = 0; w < 4; ++w)
            expected[QStringLiteral("ArrayRGB[%1][j]").arg(w)] = QStringLiteral("136_155_177");
        {
            QSettings file(QStringLiteral("preset.ini"), QSettings::IniFormat);
            QCOMPARE(file.childGroups(), QStringList({"3_Frame"}));
            file.beginGroup(QStringLiteral("3_Frame"));
            QCOMPARE(file.allKeys().size(), expected.size());
            for (auto it = expected.cbegin(); it != expected.cend(); ++it)
                QCOMPARE(file.value(it.key()).toString(), it.value());
        }
        // Windows 1 and 2 fill the upper half of the preview in their colours.
        const QImage shot = frame(3)->grab().toImage();
        QCOMPARE(shot.pixelColor(5, 35), QColor(200, 72, 185));
        QCOMPARE(shot.pixelColor(65, 35), QColor(249, 98, 167));
        f->window(1)->setPos(100, 200);
        click("presetSaveButton");
        MyFrame restarted(nullptr, 0, 0, 3);
        QVERIFY(restarted.mHistory.size() == 1 && restarted.mHistory.first() == frame(3)->mHistory.first());
        QCOMPARE(restarted.mHistory.first().x[0], 100);
        frame(3)->mDeleteAction->trigger();
        QVERIFY(!frame(3)->mHasData && frame(3)->mHistory.isEmpty());
        QVERIFY(!MyFrame(nullptr, 0, 0, 3).mHasData);
    }

    // The button (or a double click) drops what waits and slows the pump; Shift+digit applies behind it.
    void applyReplaysTheSnapshot()
    {
        saveInto(1);
        f->window(2)->setPos(0, 0);
        f->window(2)->closeChannel();
        f->mw->sendCommand(QStringLiteral("04140000"));
        click("presetApplyButton");
        QCOMPARE(f->takeTexts(), startWallReplay());
        QCOMPARE(stopPump(), 180);
        QCOMPARE(f->window(2)->pos(), QPointF(1920, 0));
        QVERIFY(f->window(2)->mOpen && f->window(2)->isVisible());
        f->mw->sendCommand(QStringLiteral("04140000"));
        QTest::keyClick(f->mw, '!');
        QCOMPARE(f->takeTexts(), QStringList({"04140000"}) + startWallReplay());
        QCOMPARE(stopPump(), 0);
        DialogAnswerer answerer;
        QTest::keyClick(f->mw, '#');
        QCOMPARE(f->mw->mSelectedPreset, 3);
        QCOMPARE(answerer.texts(), QStringList({"这个预览框还没有保存过数据"}));
        QVERIFY(f->takeTexts().isEmpty());
    }

    void aPresetAppliedUnderAnotherGridIsRescaled()
    {
        saveInto(1);   // 1 x 1: divisors 32 x 27; 1 x 2 is 32 x 13.5, half the height
        DialogAnswerer answerer;
        f->setWall(1, 2);
        click("selectSceneBtn");
        f->takeTexts();
        click("presetApplyButton");
        const QStringList texts = f->takeTexts();
        QCOMPARE(texts.size(), 33);
        for (int w = 0; w < 4; ++w)
            QCOMPARE(texts.at(1 + 8 * w), QString::asprintf("e%d%04x%04x0780021c", w, w % 2 * 1920, w / 2 * 540));
        stopPump();
    }

    void historyKeepsElevenAndStepsStopAtTheEnds()
    {
        saveInto(4);
        for (int k = 1; k < 12; ++k) {
            f->window(1)->setPos(10 * k, 0);
            click("presetSaveButton");
        }
        MyFrame *preset = frame(4);
        QCOMPARE(preset->mHistory.size(), 11);
        QCOMPARE(preset->mHistory.last().x[0], 10);   // the first save (x 0) is gone
        QVERIFY(!preset->presetNext());
        for (int k = 0; k < 10; ++k)
            click("presetPreButton");
        QVERIFY(!preset->presetPrevious());
        click("presetNextButton");
        QTest::mouseDClick(preset, Qt::LeftButton);   // applies the older snapshot shown
        QCOMPARE(stopPump(), 180);
        QCOMPARE(f->window(1)->pos().x(), 20.0);
    }

    void buttonsWithoutASelectionWarn()
    {
        DialogAnswerer answerer;
        for (const char *name : {"presetApplyButton", "presetSaveButton", "presetNextButton"})
            click(name);
        QCOMPARE(answerer.texts(), QStringList({"应用需要选择预览框", "保存需要选择预览框", "请选择预览框"}));
        QCOMPARE(stopPump(), 0);
    }

    // Layers out of order are replayed by layer, then window; values beyond a field are sent as 0 or ffff.
    void oddStoredValuesAreReplayedWellFormed()
    {
        f.reset();
        f.reset(new PanelFixture([]() {
            QSettings file(QStringLiteral("preset.ini"), QSettings::IniFormat);
            PresetSnapshot s;
            s.rows = s.columns = 1;
            s.widthDivisor = 32;
            s.heightDivisor = 27;
            s.luminance[0] = -9000;
            s.widths[1] = 1e9;
            std::copy_n(std::initializer_list<int>{2, 2, 0, 9}.begin(), 4, s.layer);
            PresetFile::write(file, 4, s);
        }));
        QTest::keyClick(f->mw, '$');
        const QStringList texts = f->takeTexts();
        QCOMPARE(QStringList({texts.value(0), texts.value(2), texts.value(9).mid(10, 4)}),
                 QStringList({"04104026", "000b0000", "ffff"}));
        QVERIFY(f->window(3)->mLayer == 1 && f->window(4)->mLayer == 4);
    }
};

QTEST_MAIN(TstPresets)
#include "tst_presets.moc"
