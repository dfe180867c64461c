#include <QtTest>

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QSlider>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolBox>

#include "dialoganswerer.h"
#include "globals.h"
#include "mainwindow.h"
#include "windowfixture.h"
#include "Graphics/inputchannel.h"
#include "Graphics/resolutionratioscene.h"
#include "Graphics/userview.h"
#include "link/devicepacket.h"
#include "maincontent/myslider.h"

// The splice grid with its canvas and zoom, the layout and output modes, the
// window level and the device buttons, driven through the main window's own
// widgets; the send timer is stopped so the queue holds what was sent.
class TstSpliceModes : public QObject
{
    Q_OBJECT

    WindowFixture *mFixture = nullptr;
    MainWindow *mMain = nullptr;

    // A widget of the main window's form by its object name.
    template <typename T>
    T *child(const char *name) const
    {
        T *widget = mMain->findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }

    QStringList texts() const { return QStringList(*mMain->mSendTexts); }
    void clearQueue()
    {
        mMain->mSendTexts->clear();
        mMain->mSendPackets->clear();
    }
    ResolutionRatioScene *scene() const { return child<UserView>("graphicsView")->mScenes.at(0); }
    InputChannel *window(int i) const { return scene()->mChannels.at(i); }
    qreal viewScale() const { return child<UserView>("graphicsView")->transform().m11(); }
    QRectF placeOf(int i) const { return QRectF(window(i)->pos(), window(i)->mRect.size()); }

    void setGeneration(int generation)
    {
        versionType = generation;
        mMain->initSpliceCommandTable();
    }
    void chooseGrid(int rows, int columns)
    {
        child<QComboBox>("rowCbx")->setCurrentText(QString::number(rows));
        child<QComboBox>("columnCbx")->setCurrentText(QString::number(columns));
    }
    // Chooses a grid and presses the apply button; message boxes are answered.
    void applyGrid(DialogAnswerer &answerer, int rows, int columns)
    {
        chooseGrid(rows, columns);
        QVERIFY(child<QPushButton>("selectSceneBtn")->isEnabled());
        QTest::mouseClick(child<QPushButton>("selectSceneBtn"), Qt::LeftButton);
        QVERIFY(!answerer.seen.isEmpty());
    }
    QStringList grid() const { return {child<QComboBox>("rowCbx")->currentText(), child<QComboBox>("columnCbx")->currentText()}; }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(translations);
    }

    void init()
    {
        mFixture = new WindowFixture;
        mMain = mFixture->mw;
        mMain->mSendTimer->stop();
        mMain->resize(1400, 900);
        mMain->show();
        QVERIFY(QTest::qWaitForWindowExposed(mMain));
        // The status tick has carried the zoom to the slider, as it has long
        // done in use: a later tick must not change the view behind a test.
        QTRY_COMPARE(mMain->mZoomSlider->value(), g_zoomStep);
        // Offline editing opens the gates without a box.
        child<QPushButton>("ptn_offLine")->click();
        QVERIFY(g_offlineMode);
        clearQueue();
    }

    void cleanup()
    {
        delete mFixture;
        mFixture = nullptr;
        mMain = nullptr;
    }

    // ------------------------------------------------------ splice grid --

    void startsAsOneScreen()
    {
        QCOMPARE(grid(), QStringList({"1", "1"}));
        QCOMPARE(mMain->mStoredRowIndex, 0);
        QCOMPARE(g_zoomStep, 51);
        QVERIFY(!child<QPushButton>("selectSceneBtn")->isEnabled());
    }

    void applyButtonFollowsTheCombos()
    {
        child<QComboBox>("rowCbx")->setCurrentIndex(1);
        QVERIFY(child<QPushButton>("selectSceneBtn")->isEnabled());
        child<QComboBox>("columnCbx")->setCurrentIndex(3);
        QVERIFY(child<QPushButton>("selectSceneBtn")->isEnabled());
        child<QComboBox>("rowCbx")->setCurrentIndex(0);
        QVERIFY(child<QPushButton>("selectSceneBtn")->isEnabled());
        child<QComboBox>("columnCbx")->setCurrentIndex(0);
        QVERIFY(!child<QPushButton>("selectSceneBtn")->isEnabled());
    }

    void spliceTwoByThree_data()
    {
        QTest::addColumn<int>("generation");
        QTest::addColumn<QString>("command");
        QTest::newRow("generation 5") << 5 << "06010203";
        QTest::newRow("generation 2, columns first") << 2 << "06010302";
        QTest::newRow("generation 1, numbered") << 1 << "0601000B";
    }

    void spliceTwoByThree()
    {
        QFETCH(int, generation);
        QFETCH(QString, command);
        setGeneration(generation);
        for (InputChannel *c : qAsConst(scene()->mChannels))
            c->mFirstRowRotated = true;
        child<UserView>("graphicsView")->mFirstRowActions.at(0)->setChecked(true);
        window(0)->setPos(100, 100);

        DialogAnswerer answerer;
        applyGrid(answerer, 2, 3);

        QCOMPARE(texts(), QStringList({"04150000", command}));
        QCOMPARE(mMain->mSendPackets->size(), 2);
        QCOMPARE(mMain->mSendPackets->at(1), hexToPacket(command));
        QCOMPARE(scene()->sceneRect(), QRectF(0, 0, 3840, 2160));
        QCOMPARE(scene()->mSceneRect, QRectF(0, 0, 3840, 2160));
        QCOMPARE(scene()->layoutName(), QStringLiteral("2x3"));
        QVERIFY(!scene()->mLayoutLines.isEmpty());
        QCOMPARE(g_zoomStep, 51);
        QCOMPARE(viewScale(), qreal(MainWindow::zoomScale(51)));
        QCOMPARE(mMain->mStoredRowIndex, 1);
        QCOMPARE(mMain->mStoredColumnIndex, 2);
        QVERIFY(!child<QPushButton>("selectSceneBtn")->isEnabled());
        // First-row rotation is switched off on the wall and in the menu.
        for (InputChannel *c : qAsConst(scene()->mChannels))
            QVERIFY(!c->mFirstRowRotated);
        QVERIFY(!child<UserView>("graphicsView")->mFirstRowActions.at(0)->isChecked());
        QVERIFY(child<UserView>("graphicsView")->mFirstRowActions.at(1)->isChecked());
        // The windows went back to their places.
        QCOMPARE(window(0)->pos(), QPointF(0, 0));

        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen.at(0).title, QStringLiteral("警告"));
        QCOMPARE(answerer.seen.at(0).text, QStringLiteral("拼接模式更新，请重新启动设备！"));
    }

    void spliceOneRowOfTwelve()
    {
        setGeneration(3);
        DialogAnswerer answerer;
        applyGrid(answerer, 1, 12);
        QCOMPARE(texts(), QStringList({"04150000", "0601010C"}));
        QCOMPARE(scene()->sceneRect(), QRectF(0, 0, 23040, 1080));
        QCOMPARE(scene()->layoutName(), QStringLiteral("1x12"));
        QCOMPARE(g_zoomStep, 21);
        QCOMPARE(viewScale(), qreal(MainWindow::zoomScale(21)));
        QCOMPARE(answerer.texts(), QStringList({"拼接模式更新，请重新启动设备！"}));
    }

    void refusedGridsPutTheCombosBack_data()
    {
        QTest::addColumn<int>("generation");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QString>("message");
        QTest::newRow("3x7, product over 18") << 5 << 3 << 7 << "行列的乘积不能大于18";
        QTest::newRow("13x1, over 12") << 5 << 13 << 1 << "行和列不能超过12";
        QTest::newRow("2x5, not in generation 1's table") << 1 << 2 << 5 << "设备不支持该拼接配置！";
    }

    void refusedGridsPutTheCombosBack()
    {
        QFETCH(int, generation);
        QFETCH(int, rows);
        QFETCH(int, columns);
        QFETCH(QString, message);
        // A two-digit layout first, so that the way back reads both digits.
        setGeneration(3);
        DialogAnswerer answerer;
        applyGrid(answerer, 1, 12);
        setGeneration(generation);
        clearQueue();
        answerer.clear();
        g_zoomStep = 30;

        applyGrid(answerer, rows, columns);
        QCOMPARE(texts(), QStringList());
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen.at(0).title, QStringLiteral("错误"));
        QCOMPARE(answerer.seen.at(0).text, message);
        QCOMPARE(grid(), QStringList({"1", "12"}));
        QCOMPARE(scene()->sceneRect(), QRectF(0, 0, 23040, 1080));
        QCOMPARE(scene()->layoutName(), QStringLiteral("1x12"));
        QCOMPARE(g_zoomStep, 30);
        // The refused grid counts as stored, so the combos offer the wall's again.
        QCOMPARE(mMain->mStoredRowIndex, rows - 1);
        QCOMPARE(mMain->mStoredColumnIndex, columns - 1);
        QVERIFY(child<QPushButton>("selectSceneBtn")->isEnabled());
    }

    void generationOneUsesItsNumberedTable()
    {
        setGeneration(1);
        DialogAnswerer answerer;
        applyGrid(answerer, 3, 3);
        QCOMPARE(texts(), QStringList({"04150000", "0601000F"}));
    }

    void wallSceneSizesAndSteps_data()
    {
        QTest::addColumn<int>("generation");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QSizeF>("size");
        QTest::addColumn<double>("scale");
        QTest::newRow("1x1") << 5 << 1 << 1 << QSizeF(3840, 2160) << 0.2;
        QTest::newRow("1x1 generation 4") << 4 << 1 << 1 << QSizeF(1920, 1080) << 0.2;
        QTest::newRow("2x2") << 5 << 2 << 2 << QSizeF(3840, 2160) << 0.2;
        QTest::newRow("2x1") << 5 << 2 << 1 << QSizeF(1920, 2160) << 0.24;
        QTest::newRow("3x4") << 5 << 3 << 4 << QSizeF(3840, 2160) << 0.105;
        QTest::newRow("4x3") << 5 << 4 << 3 << QSizeF(3840, 2160) << 0.125;
        QTest::newRow("1x3") << 5 << 1 << 3 << QSizeF(5760, 1080) << 0.14;
        QTest::newRow("3x1") << 5 << 3 << 1 << QSizeF(1920, 3240) << 0.16;
        QTest::newRow("5x3 row step only") << 5 << 5 << 3 << QSizeF(3840, 2160) << 0.105;
        QTest::newRow("1x6 column step only") << 5 << 1 << 6 << QSizeF(11520, 1080) << 0.072;
        QTest::newRow("6x6 both steps") << 5 << 6 << 6 << QSizeF(3840, 2160) << 0.088 * 0.072;
        QTest::newRow("12x1 no step") << 5 << 12 << 1 << QSizeF(1920, 12960) << 1.0;
    }

    void wallSceneSizesAndSteps()
    {
        QFETCH(int, generation);
        QFETCH(int, rows);
        QFETCH(int, columns);
        QFETCH(QSizeF, size);
        QFETCH(double, scale);
        versionType = generation;
        window(2)->closeChannel();
        chooseGrid(rows, columns);
        mMain->updateWallScene();
        QCOMPARE(scene()->sceneRect(), QRectF(QPointF(0, 0), size));
        QCOMPARE(scene()->layoutName(), QStringLiteral("1x1"));
        QVERIFY(qAbs(viewScale() - scale) < 1e-9);
        QVERIFY(window(2)->mOpen);
        QCOMPARE(texts(), QStringList());
    }

    void layoutZoomTable()
    {
        mMain->initLayoutZoomTable(0);
        const QMap<QString, QString> &table = mMain->mLayoutZoomTable;
        QCOMPARE(table.size(), 58);
        int rowsTimesColumnsAtMost18 = 0;
        for (int r = 1; r <= 18; ++r)
            for (int c = 1; c <= 18; ++c)
                if (r * c <= 18) {
                    ++rowsTimesColumnsAtMost18;
                    QVERIFY2(table.contains(QStringLiteral("%1x%2").arg(r).arg(c)), qPrintable(QString("%1x%2").arg(r).arg(c)));
                }
        QCOMPARE(rowsTimesColumnsAtMost18, 58);
        const QList<QPair<QString, QString>> values = {
            {"1x1", "51"}, {"1x2", "53"}, {"1x12", "21"}, {"1x18", "12"}, {"2x1", "51"}, {"10x1", "23"}, {"11x1", "22"},
            {"18x1", "9"}, {"2x2", "50"}, {"4x2", "50"}, {"2x3", "51"}, {"2x9", "51"}, {"9x2", "51"},
            {"4x4", "51"}, {"6x3", "51"}};
        for (const auto &v : values)
            QCOMPARE(table.value(v.first), v.second);
        QVERIFY(!table.contains("3x7"));
        mMain->initLayoutZoomTable(2);
        QCOMPARE(mMain->mLayoutZoomTable.value("1x1"), QStringLiteral("67"));
        QCOMPARE(mMain->mLayoutZoomTable.size(), 58);
        mMain->initLayoutZoomTable(1);
        QCOMPARE(mMain->mLayoutZoomTable.value("1x1"), QStringLiteral("51"));
    }

    void zoomScaleSteps()
    {
        QVERIFY(qAbs(MainWindow::zoomScale(51) - 0.19003) < 1e-5);
        QVERIFY(qAbs(MainWindow::zoomScale(9) - 0.02231) < 1e-5);
        QVERIFY(qAbs(MainWindow::zoomScale(67) - 0.39645) < 1e-5);

        mMain->initLayoutZoomTable(2);
        mMain->applyLayoutZoom(0, 0);
        QCOMPARE(g_zoomStep, 67);
        QCOMPARE(viewScale(), qreal(MainWindow::zoomScale(67)));
        mMain->applyLayoutZoom(17, 0);
        QCOMPARE(g_zoomStep, 9);
        QCOMPARE(viewScale(), qreal(MainWindow::zoomScale(9)));

        // The full-screen tool goes back to the grid's zoom after any zoom.
        mMain->mZoomSlider->setValue(80);
        QCOMPARE(g_zoomStep, 80);
        chooseGrid(1, 12);
        QTest::mouseClick(mMain->mFullScreenButton, Qt::LeftButton);
        QCOMPARE(g_zoomStep, 21);
        QCOMPARE(viewScale(), qreal(MainWindow::zoomScale(21)));
    }

    void unknownGridLeavesTheZoom()
    {
        g_zoomStep = 33;
        QTRY_COMPARE(mMain->mZoomSlider->value(), 33);
        child<UserView>("graphicsView")->resetTransform();
        DialogAnswerer answerer;
        mMain->applyLayoutZoom(2, 6);
        QCOMPARE(answerer.titles(), QStringList({"警告"}));
        QCOMPARE(answerer.texts(), QStringList({"意外的拼接配置，请联系开发人员做适配！"}));
        QCOMPARE(g_zoomStep, 33);
        QCOMPARE(viewScale(), qreal(1));
    }

    // ----------------------------------------------------- layout modes --

    void visibleLayoutModes_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QList<bool>>("open");
        QTest::addColumn<QList<QRectF>>("places");
        QTest::addColumn<int>("selected");
        const QRectF none;
        QTest::newRow("single screen") << "ptn_singleScreenModel" << "04040000"
            << QList<bool>{true, false, false, false}
            << QList<QRectF>{{0, 0, 3840, 2160}, none, none, none} << 0;
        QTest::newRow("four division") << "ptn_fourDivisionModel" << "04070000"
            << QList<bool>{true, true, true, true}
            << QList<QRectF>{{0, 0, 1920, 1080}, {1920, 0, 1920, 1080}, {0, 1080, 1920, 1080}, {1920, 1080, 1920, 1080}}
            << 2;
        QTest::newRow("one big, one small") << "ptn_twoDivisionModel_OBOS" << "04120000"
            << QList<bool>{true, true, false, false}
            << QList<QRectF>{{1920, 1080, 1920, 1080}, {0, 0, 3840, 2160}, none, none} << 0;
        QTest::newRow("left and right") << "ptn_twoScreenModel_leftRight" << "04050000"
            << QList<bool>{true, true, false, false}
            << QList<QRectF>{{0, 0, 1920, 2160}, {1920, 0, 1920, 2160}, none, none} << 0;
        QTest::newRow("up and down") << "ptn_twoDivisionModel_upDown" << "04060000"
            << QList<bool>{true, true, false, false}
            << QList<QRectF>{{0, 0, 3840, 1080}, {0, 1080, 3840, 1080}, none, none} << 0;
        QTest::newRow("one big, three small") << "ptn_fourDivisionModel_OBTS" << "04130000"
            << QList<bool>{true, true, true, true}
            << QList<QRectF>{{2560, 0, 1280, 720}, {2560, 720, 1280, 720}, {2560, 1440, 1280, 720}, {0, 0, 3840, 2160}}
            << 3;
    }

    void visibleLayoutModes()
    {
        QFETCH(QString, button);
        QFETCH(QString, command);
        QFETCH(QList<bool>, open);
        QFETCH(QList<QRectF>, places);
        QFETCH(int, selected);
        // Window 3 selected and stacked in a muddle: every mode restacks 1..4.
        mMain->changeUIBaseSelectChannel(3);
        scene()->setLayer(3, ResolutionRatioScene::LayerToTop);
        scene()->setLayer(0, ResolutionRatioScene::LayerToBottom);
        const QList<QRectF> before = {placeOf(0), placeOf(1), placeOf(2), placeOf(3)};
        clearQueue();

        DialogAnswerer answerer;
        child<QToolBox>("rightTBox")->setCurrentWidget(child<QWidget>("page3"));
        auto *mode = mMain->findChild<QPushButton *>(button);
        QVERIFY(mode && mode->isVisible() && mode->isEnabled());
        QTest::mouseClick(mode, Qt::LeftButton);

        QCOMPARE(texts(), QStringList({command, "04100246"}));
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen.at(0).className, QStringLiteral("WaitingWidget"));
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(window(i)->mOpen, open.at(i));
            QCOMPARE(window(i)->isVisible(), open.at(i));
            QCOMPARE(window(i)->mLayer, i + 1);
            QCOMPARE(window(i)->zValue(), qreal(4 - i));
            // A closed window keeps its place.
            QCOMPARE(placeOf(i), open.at(i) ? places.at(i) : before.at(i));
        }
        QCOMPARE(child<QComboBox>("currentChannelCBox")->currentIndex(), selected);
        QCOMPARE(child<QComboBox>("cbx_windowLevel")->currentIndex(), selected);
        if (selected != 2)
            QCOMPARE(scene()->focusItem(), static_cast<QGraphicsItem *>(window(selected)));
    }

    void hiddenLayoutModes()
    {
        child<QComboBox>("currentChannelCBox")->setCurrentIndex(2);
        mMain->on_ptn_overlayModel_clicked();
        QCOMPARE(texts(), QStringList({"04060000"}));
        QCOMPARE(placeOf(2), QRectF(0, 0, 3840, 2160));
        QCOMPARE(placeOf(0), QRectF(3120, 0, 720, 720));
        QCOMPARE(placeOf(1), QRectF(3120, 720, 720, 720));
        QCOMPARE(placeOf(3), QRectF(3120, 1440, 720, 720));
        QCOMPARE(window(2)->mLayer, 1);
        QCOMPARE(window(2)->mCropHEnd, 3840);
        QCOMPARE(window(0)->mCropVEnd, 720);
        QCOMPARE(child<QComboBox>("currentChannelCBox")->currentIndex(), 2);

        clearQueue();
        window(3)->closeChannel();
        mMain->on_ptn_openWindowModel_clicked();
        QCOMPARE(texts(), QStringList({"04050000"}));
        QCOMPARE(placeOf(1), QRectF(0, 0, 3120, 2160));
        QCOMPARE(placeOf(3), QRectF(3120, 1440, 720, 720));
        QVERIFY(window(3)->mOpen);
        QCOMPARE(child<QComboBox>("currentChannelCBox")->currentIndex(), 1);

        clearQueue();
        mMain->on_ptn_levelMode_clicked();
        QCOMPARE(texts(), QStringList({"04080000"}));
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(placeOf(i), QRectF(i * 768, i * 432, 1536, 864));
            QCOMPARE(window(i)->mLayer, i + 1);
        }
    }

    // ------------------------------------------------ output and level --

    void outputModeCombo()
    {
        child<QComboBox>("currentChannelCBox")->setCurrentIndex(1);
        child<QComboBox>("outputModeComBox")->setCurrentIndex(2);
        QCOMPARE(texts(), QStringList({"04160002"}));
        QCOMPARE(g_outputMode, 2);
        QCOMPARE(child<QComboBox>("currentChannelCBox")->currentIndex(), 3);
        clearQueue();
        child<QComboBox>("outputModeComBox")->setCurrentIndex(1);
        QCOMPARE(texts(), QStringList({"04160001"}));
        QCOMPARE(g_outputMode, 1);

        // The hidden 1200-line box sends its mode without touching the panel's.
        clearQueue();
        mMain->on_checkBox_clicked(true);
        mMain->on_checkBox_clicked(false);
        QCOMPARE(texts(), QStringList({"04160001", "04160000"}));
        QCOMPARE(g_outputMode, 1);
        QCOMPARE(child<QComboBox>("outputModeComBox")->currentIndex(), 1);
    }

    void windowLevel()
    {
        mMain->changeUIBaseSelectChannel(1);
        QCOMPARE(child<QComboBox>("cbx_windowLevel")->currentIndex(), 0);
        clearQueue();
        child<QComboBox>("cbx_windowLevel")->setCurrentIndex(2);
        QCOMPARE(window(0)->mLayer, 3);
        QCOMPARE(texts(), QStringList({"04102406"}));

        // Selecting another window moves the combo but not the windows.
        clearQueue();
        child<QComboBox>("currentChannelCBox")->setCurrentIndex(3);
        QCOMPARE(child<QComboBox>("cbx_windowLevel")->currentIndex(), 3);
        QCOMPARE(window(3)->mLayer, 4);
        QCOMPARE(texts(), QStringList());
        child<QComboBox>("cbx_windowLevel")->setCurrentIndex(0);
        QCOMPARE(window(3)->mLayer, 1);
        QCOMPARE(texts(), QStringList({"04106240"}));
    }

    // ---------------------------------------------------- device buttons --

    void pictureReset()
    {
        child<QToolBox>("rightTBox")->setCurrentWidget(child<QWidget>("page2"));
        mMain->changeUIBaseSelectChannel(2);
        InputChannel *w = window(1);
        w->mLuminance = 12;
        w->mContrast = 40;
        w->mSaturation = 3;
        w->mColorTemperature = 7;
        w->mHue = -20;
        w->mHSharpness = 5;
        w->mVSharpness = -5;
        w->mBlueCorrection = 2;
        mMain->changeUIBaseSelectChannel(2);
        QCOMPARE(child<QLineEdit>("ldt_contrastRatio")->text(), QStringLiteral("40"));
        clearQueue();

        DialogAnswerer answerer;
        answerer.setClassAnswer("WaitingWidget", DialogAnswerer::Leave);
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(child<QPushButton>("btn_page2Reset"), Qt::LeftButton);
        QVERIFY(clock.elapsed() >= 600);

        QCOMPARE(texts(), QStringList({"010b0400", "010a0064", "010e0064", "01100000", "010f00b4", "010c000a", "010d000a"}));
        QCOMPARE(answerer.seen.size(), 8);
        QCOMPARE(answerer.seen.at(0).text, QStringLiteral("确定要重置吗？"));
        for (int n = 1; n <= 7; ++n) {
            QCOMPARE(answerer.seen.at(n).className, QStringLiteral("WaitingWidget"));
            QCOMPARE(answerer.seen.at(n).text, QStringLiteral("请稍等(7/%1)").arg(n));
        }
        QCOMPARE(w->mLuminance, 0);
        QCOMPARE(w->mContrast, 100);
        QCOMPARE(w->mSaturation, 100);
        QCOMPARE(w->mColorTemperature, 0);
        QCOMPARE(w->mHue, 0);
        QCOMPARE(w->mHSharpness, 0);
        QCOMPARE(w->mVSharpness, 0);
        QCOMPARE(w->mBlueCorrection, 2);
        QCOMPARE(child<QLineEdit>("ldt_contrastRatio")->text(), QStringLiteral("100"));
        QCOMPARE(child<QSlider>("hSdr_luminance")->value(), 0);
        QCOMPARE(child<QSlider>("hSdr_hue")->value(), 0);

        // Cancel leaves everything as it is.
        w->mContrast = 40;
        clearQueue();
        answerer.clear();
        answerer.setAnswer(DialogAnswerer::Reject);
        QTest::mouseClick(child<QPushButton>("btn_page2Reset"), Qt::LeftButton);
        QCOMPARE(texts(), QStringList());
        QCOMPARE(w->mContrast, 40);
    }

    void saveAll()
    {
        g_languageIndex = 1;
        mMain->changeLanguage(1);
        DialogAnswerer answerer;   // closes the five-second busy box at once
        QTest::mouseClick(child<QPushButton>("ptn_saveAll"), Qt::LeftButton);
        QCOMPARE(texts(), QStringList({"04140000"}));
        QCOMPARE(answerer.seen.size(), 2);
        QCOMPARE(answerer.seen.at(0).className, QStringLiteral("WaitingWidget"));
        QCOMPARE(answerer.seen.at(0).text, QStringLiteral("waiting"));
        QCOMPARE(answerer.seen.at(1).title, QStringLiteral("Message"));
        QCOMPARE(answerer.seen.at(1).text, QStringLiteral("Saved successfully!"));
    }

    void factoryReset()
    {
        DialogAnswerer answerer;
        applyGrid(answerer, 2, 3);
        answerer.clear();
        clearQueue();

        // Cancel sends nothing.
        child<QToolBox>("rightTBox")->setCurrentWidget(child<QWidget>("page5"));
        answerer.setAnswer(DialogAnswerer::Reject);
        QTest::mouseClick(child<QPushButton>("ptn_factoryDataReset"), Qt::LeftButton);
        QCOMPARE(texts(), QStringList());
        QCOMPARE(grid(), QStringList({"2", "3"}));

        answerer.clear();
        answerer.setAnswer(DialogAnswerer::Accept);
        QTest::mouseClick(child<QPushButton>("ptn_factoryDataReset"), Qt::LeftButton);
        QCOMPARE(texts(), QStringList({"08070000"}));
        QCOMPARE(answerer.seen.size(), 3);
        QCOMPARE(answerer.seen.at(0).text, QStringLiteral("确定要重置吗？"));
        QCOMPARE(answerer.seen.at(1).className, QStringLiteral("WaitingWidget"));
        QCOMPARE(answerer.seen.at(1).text, QStringLiteral("waiting"));
        QCOMPARE(answerer.seen.at(2).title, QStringLiteral("消息"));
        QCOMPARE(answerer.seen.at(2).text, QStringLiteral("恢复成功，请手动重启设备！"));
        QCOMPARE(grid(), QStringList({"1", "1"}));
        QCOMPARE(scene()->sceneRect(), QRectF(0, 0, 3840, 2160));
        QCOMPARE(scene()->layoutName(), QStringLiteral("1x1"));
        QCOMPARE(viewScale(), 0.2);
        // The applied grid and the zoom stay: the apply button offers 2x3 again.
        QCOMPARE(mMain->mStoredRowIndex, 1);
        QCOMPARE(mMain->mStoredColumnIndex, 2);
        QCOMPARE(g_zoomStep, 51);
        QVERIFY(child<QPushButton>("selectSceneBtn")->isEnabled());
    }

    void controllerReset()
    {
        mMain->on_pushButtonReset103_clicked();
        QCOMPARE(texts(), QStringList({"080B0000"}));
        QCOMPARE(mMain->mSendPackets->at(0), QByteArray::fromHex("080B00005C"));
    }
};

QTEST_MAIN(TstSpliceModes)
#include "tst_splicemodes.moc"
