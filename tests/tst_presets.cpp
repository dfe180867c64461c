#include <QtTest>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QSettings>

#include "dialoganswerer.h"
#include "panelfixture.h"
#include "Graphics/inputchannel.h"
#include "Graphics/resolutionratioscene.h"
#include "mainwindow.h"
#include "preset/myframe.h"

// The ten previews and the preset panel of a whole main window, offline, in a
// temporary working directory; the pump is stopped so the queue can be read.
class TstPresets : public QObject
{
    Q_OBJECT

    PanelFixture *f = nullptr;

    MyFrame *frame(int n) const { return f->mw->mPresetFrames.at(n - 1); }
    void click(const char *buttonName) { QTest::mouseClick(f->mw->findChild<QPushButton *>(buttonName), Qt::LeftButton); }
    void select(int n) { QTest::mouseClick(frame(n), Qt::LeftButton); }
    void saveInto(int n)
    {
        select(n);
        click("presetSaveButton");
    }
    QString fileValue(const QString &key) const
    {
        return QSettings(QStringLiteral("preset.ini"), QSettings::IniFormat).value(key).toString();
    }
    // An apply restarts the pump at its own pace; the tests read the queue.
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
        const char *geometry[4] = {"e00000000007800438", "e10780000007800438", "e20000043807800438",
                                   "e30780043807800438"};
        const int sources[4] = {1, 0, 3, 2};
        for (int w = 0; w < 4; ++w) {
            texts << geometry[w] << windowText(w, 0x0B, 1024) << windowText(w, 0x26, 136)
                  << windowText(w, 0x27, 155) << windowText(w, 0x28, 177) << windowText(w, 0x2B, 1)
                  << windowText(w, 0x2D, sources[w]) << windowText(w, 0x2A, 0);
        }
        return texts;
    }

private slots:
    void init() { f = new PanelFixture; }
    void cleanup()
    {
        delete f;
        f = nullptr;
    }

    void saveWritesTheWallIntoItsGroupAndPaintsIt()
    {
        saveInto(3);
        QCOMPARE(f->mw->mSelectedPreset, 3);
        const QMap<QString, QString> expected = {
            {"Enable", "1"}, {"ArrayX[i]", "0_1920_0_1920"}, {"ArrayY[i]", "0_0_1080_1080"},
            {"ArrayHeight[i]", "1080_1080_1080_1080"}, {"ArrayWidth[i]", "1920_1920_1920_1920"},
            {"ArrayEable[i]", "1_1_1_1"}, {"ArrayRGB[0][j]", "136_155_177"}, {"ArrayRGB[1][j]", "136_155_177"},
            {"ArrayRGB[2][j]", "136_155_177"}, {"ArrayRGB[3][j]", "136_155_177"}, {"ArrayLayer[i]", "1_2_3_4"},
            {"ArrayLight[i]", "0_0_0_0"}, {"ArrayInputSourceID[i]", "1_0_3_2"}, {"isColorSolid[i]", "0_0_0_0"},
            {"splicModeRow", "1"}, {"splicModeColumn", "1"}, {"spliceDivisorWidth", "32"},
            {"spliceDivisorHeight", "27"}};
        QSettings file(QStringLiteral("preset.ini"), QSettings::IniFormat);
        QCOMPARE(file.childGroups(), QStringList({"3_Frame"}));
        file.beginGroup(QStringLiteral("3_Frame"));
        QCOMPARE(file.allKeys().size(), expected.size());
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            QCOMPARE(file.value(it.key()).toString(), it.value());

        // Windows 1 and 2 fill the upper half of the preview in their colours.
        const QImage shot = frame(3)->grab().toImage();
        QCOMPARE(shot.pixelColor(5, 35), QColor(200, 72, 185));
        QCOMPARE(shot.pixelColor(65, 35), QColor(249, 98, 167));
    }

    void theNewestSnapshotIsBackAtTheNextStart()
    {
        saveInto(2);
        f->window(1)->setPos(100, 200);
        click("presetSaveButton");
        const PresetSnapshot newest = frame(2)->mHistory.first();
        QFile file(QStringLiteral("preset.ini"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.contains("ArrayX%5Bi%5D=100_1920_0_1920"));

        delete f;
        f = new PanelFixture([&text]() {
            QFile copy(QStringLiteral("preset.ini"));
            if (copy.open(QIODevice::WriteOnly))
                copy.write(text);
        });
        QVERIFY(!frame(1)->mHasData);
        QCOMPARE(frame(2)->mHistory.size(), 1);
        QVERIFY(frame(2)->mHistory.first() == newest);
    }

    void applyReplaysTheSnapshotAtTheSlowerPace()
    {
        saveInto(1);
        f->window(2)->setPos(0, 0);
        f->window(2)->closeChannel();
        f->window(4)->mLuminance = 500;
        f->mw->sendCommand(QStringLiteral("04140000"));   // waiting: dropped by the apply
        click("presetApplyButton");
        QCOMPARE(f->takeTexts(), startWallReplay());
        QCOMPARE(stopPump(), 180);
        QCOMPARE(f->window(2)->pos(), QPointF(1920, 0));
        QVERIFY(f->window(2)->mOpen && f->window(2)->isVisible());
        QCOMPARE(f->window(4)->mLuminance, 0);
    }

    void aPresetAppliedUnderAnotherGridIsRescaled()
    {
        saveInto(1);   // 1 x 1: divisors 32 x 27
        DialogAnswerer answerer;
        f->setWall(1, 2);
        click("selectSceneBtn");
        QCOMPARE(f->scene()->layoutName(), QStringLiteral("1x2"));   // 32 x 13.5: half the height
        f->takeTexts();
        click("presetApplyButton");
        const QStringList texts = f->takeTexts();
        QCOMPARE(texts.size(), 33);
        QCOMPARE(texts.at(1), QStringLiteral("e0000000000780021c"));
        QCOMPARE(texts.at(9), QStringLiteral("e1078000000780021c"));
        QCOMPARE(texts.at(17), QStringLiteral("e20000021c0780021c"));
        QCOMPARE(texts.at(25), QStringLiteral("e30780021c0780021c"));
        stopPump();
    }

    void historyKeepsElevenAndStepsStopAtTheEnds()
    {
        QVERIFY(!frame(9)->presetPrevious());
        QVERIFY(!frame(9)->presetNext());
        select(4);
        for (int k = 0; k < 12; ++k) {
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
        QCOMPARE(preset->mRecodingID, 10);
        click("presetNextButton");

        // A double click (a press, then the double-click event) applies the
        // older snapshot shown; the file keeps the newest.
        select(1);
        QTest::mouseClick(frame(4), Qt::LeftButton);
        QTest::mouseDClick(frame(4), Qt::LeftButton);
        QCOMPARE(f->mw->mSelectedPreset, 4);
        QCOMPARE(stopPump(), 180);
        QCOMPARE(f->window(1)->pos().x(), 20.0);
        QVERIFY(fileValue("4_Frame/ArrayX[i]").startsWith(QLatin1String("110_")));
    }

    void deleteEmptiesThePreviewForGood()
    {
        saveInto(6);
        frame(6)->mDeleteAction->trigger();
        QVERIFY(!frame(6)->mHasData);
        QVERIFY(frame(6)->mHistory.isEmpty());
        QCOMPARE(fileValue("6_Frame/Enable"), QStringLiteral("false"));
        QCOMPARE(fileValue("6_Frame/ArrayX[i]"), QStringLiteral("0_1920_0_1920"));
        MyFrame restarted(nullptr, 0, 0, 6);
        QVERIFY(!restarted.mHasData);
    }

    void panelMessages_data()
    {
        QTest::addColumn<int>("selected");   // 0: none
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("text");
        QTest::newRow("apply, none selected") << 0 << "presetApplyButton" << "应用需要选择预览框";
        QTest::newRow("save, none selected") << 0 << "presetSaveButton" << "保存需要选择预览框";
        QTest::newRow("previous, none selected") << 0 << "presetPreButton" << "请选择预览框";
        QTest::newRow("next, none selected") << 0 << "presetNextButton" << "请选择预览框";
        QTest::newRow("apply an empty preview") << 5 << "presetApplyButton" << "这个预览框还没有保存过数据";
    }
    void panelMessages()
    {
        QFETCH(int, selected);
        QFETCH(QString, button);
        if (selected)
            select(selected);
        f->mw->sendCommand(QStringLiteral("04140000"));
        DialogAnswerer answerer;
        click(qPrintable(button));
        QCOMPARE(answerer.titles(), QStringList({"警告"}));
        QTEST(answerer.texts().value(0), "text");
        // Only an apply with a selection has emptied the queue and slowed the pump.
        QCOMPARE(f->takeTexts().size(), selected ? 0 : 1);
        QCOMPARE(stopPump(), selected ? 180 : 0);
    }

    void presetKeysApplyBehindWhatIsWaiting()
    {
        saveInto(5);
        select(1);
        f->mw->sendCommand(QStringLiteral("04140000"));
        QTest::keyClick(f->mw, '%');
        QCOMPARE(f->mw->mSelectedPreset, 5);
        QCOMPARE(f->takeTexts(), QStringList({"04140000"}) + startWallReplay());
        QCOMPARE(stopPump(), 0);

        DialogAnswerer answerer;
        QTest::keyClick(f->mw, '#');
        QCOMPARE(f->mw->mSelectedPreset, 3);
        QCOMPARE(answerer.texts(), QStringList({"这个预览框还没有保存过数据"}));
        QVERIFY(f->takeTexts().isEmpty());
    }

    void rightPressSelectsAndTheMenuFollowsTheLanguage()
    {
        QTest::mouseClick(frame(8), Qt::RightButton);
        QCOMPARE(f->mw->mSelectedPreset, 8);
        f->mw->changeLanguage(2);
        QStringList texts;
        for (const QAction *action : frame(8)->mMenu->actions())
            texts << action->text();
        f->mw->changeLanguage(0);
        QCOMPARE(texts, QStringList({"применять", "Спасать", "удалить", "отменить", "повторить"}));
    }

    void damagedOrOddPresetsNeverReachTheBox()
    {
        delete f;
        f = new PanelFixture([]() {
            QSettings file(QStringLiteral("preset.ini"), QSettings::IniFormat);
            PresetSnapshot s;
            s.rows = s.columns = 1;
            s.widthDivisor = 32;
            s.heightDivisor = 27;
            s.luminance[0] = -9000;
            s.widths[1] = 1e9;
            PresetFile::write(file, 5, s);
            file.setValue(QStringLiteral("5_Frame/ArrayLayer[i]"), QStringLiteral("1_2"));
            const int layers[4] = {2, 2, 0, 9};
            std::copy(layers, layers + 4, s.layer);
            PresetFile::write(file, 4, s);
        });
        QVERIFY(!frame(5)->mHasData);

        // Layers out of order are replayed front to back by layer, then window.
        QTest::keyClick(f->mw, '$');
        const QStringList texts = f->takeTexts();
        QCOMPARE(texts.value(0), QStringLiteral("04104026"));
        QCOMPARE(texts.value(2), QStringLiteral("000b0000"));   // values beyond the field: 0 or ffff
        QCOMPARE(texts.value(9).mid(10, 4), QStringLiteral("ffff"));
        QCOMPARE(f->window(3)->mLayer, 1);
        QCOMPARE(f->window(1)->mLayer, 2);
        QCOMPARE(f->window(4)->mLayer, 4);

        // A snapshot without usable divisors counts as empty.
        PresetSnapshot broken = frame(4)->mHistory.first();
        broken.heightDivisor = 0;
        frame(4)->mHistory.prepend(broken);
        DialogAnswerer answerer;
        QTest::keyClick(f->mw, '$');
        QCOMPARE(answerer.texts(), QStringList({"这个预览框还没有保存过数据"}));
        QVERIFY(f->takeTexts().isEmpty());
    }
};

QTEST_MAIN(TstPresets)
#include "tst_presets.moc"
