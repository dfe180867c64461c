#include <QtTest>
#include <QAction>
#include <QStyleOptionSlider>

#include "dialoganswerer.h"
#include "paneltest.h"

#include "Graphics/inputchannel.h"
#include "Graphics/inputsourcebutton.h"
#include "Graphics/resolutionratioscene.h"
#include "Graphics/sliceupscene.h"
#include "Graphics/sliceupsizeitem.h"
#include "Graphics/sliceupview.h"
#include "Graphics/userview.h"
#include "globals.h"
#include "mainwindow.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QToolBox>

// The selected-window panel's edits, check boxes and sliders, and the
// commands they queue, driven with real key and mouse events.
class TstPanelEdits : public PanelTest
{
    Q_OBJECT

    // Handle of a slider in global coordinates.
    static QRect handleRect(QSlider *slider)
    {
        QStyleOptionSlider opt;
        opt.initFrom(slider);
        opt.orientation = slider->orientation();
        opt.minimum = slider->minimum();
        opt.maximum = slider->maximum();
        opt.sliderPosition = slider->sliderPosition();
        opt.sliderValue = slider->value();
        opt.upsideDown = false;
        opt.subControls = QStyle::SC_All;
        const QRect r = slider->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, slider);
        return QRect(slider->mapToGlobal(r.topLeft()), r.size());
    }

    // Moves the pointer as a user's hand does: the cursor and the event together.
    void moveMouse(const QPoint &global)
    {
        QCursor::setPos(global);
        QTest::mouseMove(f->mw->windowHandle(), f->mw->mapFromGlobal(global));
    }

private slots:
    void positionAndSizeOnSingleScreenWall()
    {
        // 1 x 1 wall on a 3840-wide canvas: the panel shows half the canvas.
        QCOMPARE(f->mw->positionScale(), 1);
        QCOMPARE(ui->ldt_Width->text(), QStringLiteral("960"));
        f->type(ui->ldt_PosX, "500");
        f->type(ui->ldt_PosY, "300");
        f->type(ui->ldt_Width, "800");
        f->type(ui->ldt_Heigh, "400");
        QCOMPARE(f->takeTexts(), QStringList({"000103e8", "00020258", "00030640", "00040320"}));
        InputChannel *w = f->window(1);
        QCOMPARE(w->pos(), QPointF(1000, 600));
        QCOMPARE(w->mRect.size(), QSizeF(1600, 800));

        // Window 2 is addressed by its own index.
        f->select(2);
        f->type(ui->ldt_PosY, "100");
        QCOMPARE(f->takeTexts(), QStringList({"010200c8"}));
    }

    void positionAndSizeOnMultiScreenWalls()
    {
        // 2 x 3 on 3840 x 2160: half a column per canvas pixel across, one row down.
        f->setWall(2, 3);
        f->select(1);
        QCOMPARE(ui->ldt_Width->text(), QStringLiteral("2880"));
        f->type(ui->ldt_PosX, "1500");
        f->type(ui->ldt_PosY, "300");
        f->type(ui->ldt_Width, "1500");
        f->type(ui->ldt_Heigh, "600");
        QCOMPARE(f->takeTexts(), QStringList({"000103e8", "0002012c", "000303e8", "00040258"}));
        QCOMPARE(f->window(1)->pos(), QPointF(1000, 300));
        QCOMPARE(f->window(1)->mRect.size(), QSizeF(1000, 600));

        // A canvas beyond 3840 x 2160 sends device pixels capped at 4K.
        f->setWall(4, 4, QRectF(0, 0, 7680, 4320));
        f->select(1);
        f->type(ui->ldt_PosX, "2000");
        f->type(ui->ldt_PosY, "2000");
        QCOMPARE(f->takeTexts(), QStringList({"000101f4", "000201f4"}));
        QCOMPARE(f->window(1)->pos(), QPointF(1000, 1000));
    }

    void positionXUsesTheSingleColumnTest()
    {
        // Two stored columns must not double the X sent on a 2 x 2 wall.
        f->setWall(2, 2);
        f->mw->mStoredColumnIndex = 1;
        f->select(1);
        f->type(ui->ldt_PosX, "1000");
        QCOMPARE(f->takeTexts(), QStringList({"000103e8"}));
        QCOMPARE(f->window(1)->x(), 1000.0);
        // A single column is single: doubled like the width.
        f->setWall(3, 1);
        f->select(1);
        f->type(ui->ldt_PosX, "200");
        f->type(ui->ldt_Width, "300");
        QCOMPARE(f->takeTexts(), QStringList({"00010190", "00030258"}));
    }

    void outputModeOneStretchesYAndHeight()
    {
        g_outputMode = 1;
        f->select(1);
        QCOMPARE(ui->ldt_Heigh->text(), QStringLiteral("600"));
        f->type(ui->ldt_PosY, "300");
        f->type(ui->ldt_Heigh, "450");
        QCOMPARE(f->takeTexts(), QStringList({"0002029a", "000403e8"}));
        QCOMPARE(f->window(1)->y(), 540.0);
        QCOMPARE(f->window(1)->mRect.height(), 810.0);
        f->select(1);
        QCOMPARE(ui->ldt_PosY->text(), QStringLiteral("300"));

        // Multi: a window at y 900 on two rows shows and sends 1000 lines.
        f->setWall(2, 2);
        f->select(1);
        f->type(ui->ldt_PosY, "900");
        QCOMPARE(f->takeTexts(), QStringList({"000203e8"}));
        QCOMPARE(f->window(1)->y(), 810.0);
        f->window(1)->setY(900);
        f->select(1);
        QCOMPARE(ui->ldt_PosY->text(), QStringLiteral("1000"));

        // Output modes 2 and 3 send without moving the drawing.
        g_outputMode = 2;
        f->setWall(1, 1);
        f->select(2);
        f->type(ui->ldt_PosY, "300");
        QCOMPARE(f->takeTexts(), QStringList({"01020258"}));
        QCOMPARE(f->window(2)->y(), 0.0);
    }

    void limitCheckRefusesPositionAndCrop()
    {
        DialogAnswerer answerer;
        f->type(ui->ldt_PosX, "3000");
        QTRY_COMPARE_WITH_TIMEOUT(answerer.seen.size(), 1, 2000);
        QCOMPARE(answerer.seen.at(0).title, QStringLiteral("错误"));
        QCOMPARE(answerer.seen.at(0).text, QStringLiteral("超出1920X1080分辨率"));
        QCOMPARE(ui->ldt_PosX->text(), QStringLiteral("0"));
        QCOMPARE(f->window(1)->x(), 0.0);

        // The crop edits pass the same gate.
        ui->ldt_PosY->setText("2000");
        f->type(ui->ldt_HorizontalStartLocation, "50");
        QTRY_COMPARE_WITH_TIMEOUT(answerer.seen.size(), 2, 2000);
        QCOMPARE(f->window(1)->mCropHStart, 0);

        g_outputMode = 1;
        f->setWall(2, 2);
        f->select(1);
        f->type(ui->ldt_Heigh, "2400");
        QTRY_COMPARE_WITH_TIMEOUT(answerer.seen.size(), 3, 2000);
        QCOMPARE(answerer.seen.at(2).text, QStringLiteral("超出3840X2400分辨率"));
        QVERIFY(f->takeTexts().isEmpty());
    }

    void positionNeedsALink()
    {
        g_offlineMode = false;
        DialogAnswerer answerer;
        f->type(ui->ldt_PosX, "10");
        QTRY_COMPARE_WITH_TIMEOUT(answerer.texts(), QStringList({"请先建立连接！"}), 2000);
        QVERIFY(f->takeTexts().isEmpty());
    }

    void cropEditsAndRefusals()
    {
        DialogAnswerer answerer;
        f->type(ui->ldt_HorizontalStartLocation, "100");
        f->type(ui->ldt_VerticalStartLocation, "200");
        f->type(ui->ldt_HorizontalEndLocation, "3000");
        f->type(ui->ldt_VerticalEndLocation, "2000");
        QCOMPARE(f->takeTexts(), QStringList({"00050064", "000600c8", "00070bb8", "000807d0"}));
        const InputChannel *w = f->window(1);
        QCOMPARE(QList<int>({w->mCropHStart, w->mCropVStart, w->mCropHEnd, w->mCropVEnd}),
                 QList<int>({100, 200, 3000, 2000}));
        QCOMPARE(cropItem()->pos(), QPointF(100, 200));
        QCOMPARE(cropItem()->mOuterRect.size(), QSizeF(3050, 1950));
        QVERIFY(answerer.seen.isEmpty());

        // A start at the end, an end at the start, an end past the picture.
        f->type(ui->ldt_HorizontalStartLocation, "3000");
        f->type(ui->ldt_VerticalEndLocation, "200");
        f->type(ui->ldt_HorizontalEndLocation, "3841");
        f->type(ui->ldt_VerticalEndLocation, "2161");
        QTRY_COMPARE_WITH_TIMEOUT(answerer.seen.size(), 4, 4000);
        QCOMPARE(answerer.texts(), QStringList({"起始位置不能大于结束位置！", "起始位置不能大于结束位置！",
                                                "结束位置不能大于输入源分辨率(3840x2160)！",
                                                "结束位置不能大于输入源分辨率(3840x2160) ！"}));
        QCOMPARE(answerer.titles(), QStringList({"错误", "错误", "错误", "错误"}));
        QCOMPARE(ui->ldt_HorizontalStartLocation->text(), QStringLiteral("100"));
        QCOMPARE(ui->ldt_VerticalEndLocation->text(), QStringLiteral("2000"));
        QCOMPARE(ui->ldt_HorizontalEndLocation->text(), QStringLiteral("3000"));
        QVERIFY(f->takeTexts().isEmpty());
        QCOMPARE(w->mCropHStart, 100);
    }

    void cropFollowsTheSourceSize()
    {
        // A 1920 x 1080 input: the editor's 3840 units are two source pixels.
        InputSourceButton *hdmi1 = f->mw->mInputSourceButtons.at(0);
        hdmi1->mSourceWidth = 1920;
        hdmi1->mSourceHeight = 1080;
        InputChannel *w = f->window(1);
        w->mInputSourceIndex = 0;
        w->mCropHEnd = 1920;
        w->mCropVEnd = 1080;
        f->select(1);
        QCOMPARE(ui->sliceUpView->mScene->mResolutionWidth, 1920);
        QCOMPARE(ui->sliceUpView->mScene->mResolutionHeight, 1080);
        QCOMPARE(cropItem()->mOuterRect.size(), QSizeF(3990, 2310));
        f->type(ui->ldt_HorizontalStartLocation, "480");
        QCOMPARE(f->takeTexts(), QStringList({"000501e0"}));
        QCOMPARE(cropItem()->x(), 960.0);
        QCOMPARE(cropItem()->mOuterRect.width(), 3030.0);

        DialogAnswerer answerer;
        f->type(ui->ldt_HorizontalEndLocation, "1921");
        QTRY_COMPARE_WITH_TIMEOUT(answerer.texts(), QStringList({"结束位置不能大于输入源分辨率(1920x1080)！"}), 2000);

        // The editor's report is scaled back to source pixels.
        cropItem()->emitSliceUpData(2, 960, 0, 3000, 2160);
        QCOMPARE(f->takeTexts(), QStringList({"000705dc"}));
        QCOMPARE(w->mCropHEnd, 1500);
    }

    void cropEditorReports()
    {
        SliceUpSizeItem *item = cropItem();
        item->emitSliceUpData(0, 100, 0, 3840, 2160);
        item->emitSliceUpData(1, 100, 200, 3840, 2160);
        item->emitSliceUpData(3, 100, 200, 3840, 2000);
        QCOMPARE(f->takeTexts(), QStringList({"00050064", "000600c8", "000807d0"}));
        // Mode 4 is a corner or a move: one geometry-style text for all four.
        f->select(2);
        QCOMPARE(item->mChannel, f->window(2));
        item->emitSliceUpData(4, 100, 200, 3000, 2000);
        QCOMPARE(f->takeTexts(), QStringList({"d1006400c80bb807d0"}));
        const InputChannel *w = f->window(2);
        QCOMPARE(QList<int>({w->mCropHStart, w->mCropVStart, w->mCropHEnd, w->mCropVEnd}),
                 QList<int>({100, 200, 3000, 2000}));
        QCOMPARE(ui->ldt_VerticalEndLocation->text(), QStringLiteral("2000"));
        item->emitSliceUpData(7, 1, 2, 3, 4);
        QVERIFY(f->takeTexts().isEmpty());
    }

    void pictureEditsSendCodeAndOffset()
    {
        // The deinterlace rows only take input while deinterlacing and pull-down are on.
        f->click(ui->cbx_deinterlace);
        f->click(ui->ckx_2p2PullDown);
        f->click(ui->ckx_2p3PullDown);
        f->takeTexts();
        struct Row { QLineEdit *edit; const char *typed; const char *sent; };
        const Row rows[] = {
            {ui->ldt_luminance, "0", "000b0400"},       {ui->ldt_contrastRatio, "399", "000a018f"},
            {ui->ldt_saturability, "7", "000e0007"},    {ui->ldt_colorTemperature, "1", "00100001"},
            {ui->ldt_hue, "-180", "000f0000"},          {ui->ldt_horizontalSharpness, "-10", "000c0000"},
            {ui->ldt_verticalSharpness, "10", "000d0014"}, {ui->ldt_blueCorrection, "4", "00230004"},
            {ui->ldt_greenCorrection, "3", "00240003"}, {ui->ldt_skinCorrection, "2", "00250002"},
            {ui->ldt_horizontalFiltration, "3", "00150003"}, {ui->ldt_verticalFiltration, "2", "00160002"},
            {ui->ldt_shadowFiltration, "1", "00170001"}, {ui->ldt_blockFiltration, "3", "00180003"},
            {ui->ldt_noiseProcessing, "2", "00190002"}, {ui->ldt_hairTreatment, "1", "001a0001"},
            {ui->ldt_sensitivity, "4", "00200004"},     {ui->ldt_diagonalCorrection, "3", "00210003"},
            {ui->ldt_2p2Timer, "15", "001d000f"},       {ui->ldt_2p3Timer, "9", "001f0009"},
            {ui->ldt_DeGrammaMode, "3", "00110003"},    {ui->ldt_PanelGammaMode, "2", "00120002"},
        };
        const InputChannel *w = f->window(1);
        for (int k = 0; k < 22; ++k) {
            f->waitSliderPause();
            f->type(rows[k].edit, rows[k].typed);
            const QStringList texts = f->takeTexts();
            QVERIFY2(!texts.isEmpty(), rows[k].typed);
            QCOMPARE(texts.last(), QString::fromLatin1(rows[k].sent));
            QCOMPARE(*w->mPictureValues.at(k), QString::fromLatin1(rows[k].typed).toInt());
        }
        QCOMPARE(ui->hSdr_hue->value(), -180);
        // Out of range is not accepted by the edit, so nothing is sent.
        f->type(ui->ldt_colorTemperature, "5");
        QVERIFY(f->takeTexts().isEmpty());
    }

    void sliderDragIsThrottledAndReleaseSendsTheEnd()
    {
        QSlider *slider = ui->hSdr_luminance;
        f->showPageOf(slider);
        const QRect handle = handleRect(slider);
        QPoint at = handle.center();
        QWindow *win = f->mw->windowHandle();
        QCursor::setPos(at);
        QTest::mousePress(win, Qt::LeftButton, {}, f->mw->mapFromGlobal(at));

        QElapsedTimer clock;
        clock.start();
        for (int n = 0; n < 4; ++n) {
            at += QPoint(6, 0);
            moveMouse(at);
        }
        const qint64 burst = clock.elapsed();
        QStringList texts = f->takeTexts();
        QVERIFY(!texts.isEmpty());
        QVERIFY(texts.first().startsWith("000b"));
        if (burst < 50)
            QCOMPARE(texts.size(), 1);
        QVERIFY(f->mw->mSliderPending || burst >= 50);
        QCOMPARE(f->mw->mSliderTimer->interval(), 60);

        // After the pause the next move goes out again.
        f->waitSliderPause();
        QVERIFY(clock.elapsed() >= 55);
        at += QPoint(6, 0);
        moveMouse(at);
        texts = f->takeTexts();
        QCOMPARE(texts.size(), 1);

        // The release sends the final value, pause or not.
        at += QPoint(6, 0);
        moveMouse(at);
        f->takeTexts();
        QTest::mouseRelease(win, Qt::LeftButton, {}, f->mw->mapFromGlobal(at));
        texts = f->takeTexts();
        QCOMPARE(texts, QStringList({windowText(0, 0x0b, slider->value() + 1024)}));
        QCOMPARE(ui->ldt_luminance->text(), QString::number(slider->value()));
        QCOMPARE(f->window(1)->mLuminance, slider->value());
        QVERIFY(slider->value() > 0);
        QVERIFY(!f->mw->mSliderPending);
    }

    void sliderJumpsToTheClickedPlace()
    {
        QSlider *slider = ui->hSdr_hue;
        f->showPageOf(slider);
        const QRect g = slider->geometry();
        const QPoint global = slider->mapToGlobal(QPoint(g.width() * 3 / 4, g.height() / 2));
        const int left = slider->mapToGlobal(QPoint(0, 0)).x();
        const int expected = -180 + int(double((global.x() - left) * 360) / g.width() + 0.5);
        QCursor::setPos(global);
        QTest::mouseClick(f->mw->windowHandle(), Qt::LeftButton, {}, f->mw->mapFromGlobal(global));
        QCOMPARE(slider->value(), expected);
        const QStringList texts = f->takeTexts();
        QVERIFY(!texts.isEmpty());
        QCOMPARE(texts.first(), windowText(0, 0x0f, expected + 180));

        // A key steps from where the slider is, wherever the pointer rests.
        f->waitSliderPause();
        QCursor::setPos(slider->mapToGlobal(QPoint(-200, g.height() / 2)));
        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_Right);
        QCOMPARE(slider->value(), expected + 1);
        QCOMPARE(f->takeTexts(), QStringList({windowText(0, 0x0f, expected + 181)}));
    }

    void showAndAudio()
    {
        f->click(ui->ckx_showWindow);
        QVERIFY(!f->window(1)->mOpen);
        QVERIFY(!f->window(1)->mShow);
        QStringList texts = f->takeTexts();
        QVERIFY(!texts.isEmpty());
        QCOMPARE(texts.last(), QStringLiteral("002b0000"));
        QVERIFY(!texts.contains("002b0001"));
        f->click(ui->ckx_showWindow);
        QVERIFY(f->window(1)->mOpen);
        texts = f->takeTexts();
        QCOMPARE(texts.last(), QStringLiteral("002b0001"));
        QVERIFY(!texts.contains("002b0000"));

        // Audio follows one window of the canvas: window 3 with HDMI 2.
        f->window(1)->mAudio = true;
        f->window(3)->mInputSourceIndex = 1;
        f->select(3);
        f->takeTexts();
        f->click(ui->ckx_enableAudio);
        QCOMPARE(f->takeTexts(), QStringList({"022e0001"}));
        QVERIFY(f->window(3)->mAudio);
        QVERIFY(!f->window(1)->mAudio);
        f->click(ui->ckx_enableAudio);
        QCOMPARE(f->takeTexts(), QStringList({"022e0004"}));
        QVERIFY(!f->window(3)->mAudio);
    }

    void freezeAndSolidColour()
    {
        f->select(2);
        f->takeTexts();
        f->click(ui->ckx_freezeWindow);
        QCOMPARE(f->takeTexts(), QStringList({"012c0001"}));
        QVERIFY(f->window(2)->mFreeze);
        QVERIFY(!ui->page1->isEnabled());
        QVERIFY(!ui->ckx_showWindow->isEnabled());
        QVERIFY(ui->ckx_freezeWindow->isEnabled());
        QVERIFY(ui->currentChannelCBox->isEnabled());
        QVERIFY(ui->ptn_FreezeAllWindow->isEnabled());
        QVERIFY(ui->inBtn_3->isEnabled());
        QVERIFY(!ui->ckx_solidColor->isEnabled());
        QCOMPARE(ui->ptn_FreezeAllWindow->text(), QStringLiteral("全部解冻"));
        f->click(ui->ckx_freezeWindow);
        QCOMPARE(f->takeTexts(), QStringList({"012c0000"}));
        QVERIFY(!f->window(2)->mFreeze);
        QVERIFY(ui->page1->isEnabled());
        QVERIFY(ui->ckx_solidColor->isEnabled());
        QCOMPARE(ui->ptn_FreezeAllWindow->text(), QStringLiteral("全部冻结"));

        // Solid colour keeps the source aside and sends no source command.
        InputChannel *w = f->window(2);
        w->mInputSourceIndex = 2;
        w->mSolidRed = 1;
        w->mSolidGreen = 2;
        w->mSolidBlue = 3;
        f->click(ui->ckx_solidColor);
        QCOMPARE(f->takeTexts(), QStringList({"012a0001"}));
        QCOMPARE(w->mInputSourceIndex, 4);
        QCOMPARE(w->mInputSourceID, 2);
        QCOMPARE(QList<int>({w->mRed, w->mGreen, w->mBlue}), QList<int>({1, 2, 3}));
        QVERIFY(ui->ldt_colorR->isEnabled());
        QCOMPARE(ui->ldt_colorG->text(), QStringLiteral("2"));
        QVERIFY(!ui->ckx_freezeWindow->isEnabled());

        f->type(ui->ldt_colorR, "255");
        QCOMPARE(f->takeTexts(), QStringList({"012600ff"}));
        QCOMPARE(w->mSolidRed, 255);

        // The palette sends red, green and blue with pauses between them.
        DialogAnswerer answerer;
        f->click(ui->btn_openColorPalette);
        QCOMPARE(f->takeTexts(), QStringList({"012600ff", "01270002", "01280003"}));
        QVERIFY(!answerer.seen.isEmpty());
        QCOMPARE(answerer.seen.at(0).className, QStringLiteral("QColorDialog"));

        f->click(ui->ckx_solidColor);
        QCOMPARE(f->takeTexts(), QStringList({"012a0000"}));
        QCOMPARE(w->mInputSourceIndex, 2);
        QCOMPARE(QList<int>({w->mRed, w->mGreen, w->mBlue}), QList<int>({136, 155, 177}));
        QVERIFY(!ui->ldt_colorR->isEnabled());
    }

    void mirrorsDeinterlacePullDownsAnd24Psf()
    {
        f->click(ui->ckx_horizontalMirrored);
        f->click(ui->ckx_vericalMirrored);
        f->click(ui->ckx_horizontalMirrored);
        QCOMPARE(f->takeTexts(), QStringList({"00130001", "00140001", "00130000"}));
        QVERIFY(!f->window(1)->mHMirror);
        QVERIFY(f->window(1)->mVMirror);

        QVERIFY(!ui->cbx_24PSFMode->isEnabled());
        f->click(ui->cbx_deinterlace);
        QCOMPARE(f->takeTexts(), QStringList({"001b0001"}));
        QVERIFY(ui->cbx_24PSFMode->isEnabled());
        QVERIFY(ui->ckx_2p2PullDown->isEnabled());
        QVERIFY(!ui->hSdr_2p2Timer->isEnabled());
        QVERIFY(!f->window(1)->mDeinterlace);

        f->click(ui->cbx_24PSFMode);
        QCOMPARE(f->takeTexts(), QStringList({"00220001"}));
        QVERIFY(f->window(1)->m24PSF);

        f->click(ui->ckx_2p2PullDown);
        f->click(ui->ckx_2p3PullDown);
        QCOMPARE(f->takeTexts(), QStringList({"001c0001", "001e0001"}));
        QVERIFY(ui->hSdr_2p2Timer->isEnabled());
        QVERIFY(ui->ldt_2p3Timer->isEnabled());
        f->click(ui->ckx_2p2PullDown);
        QCOMPARE(f->takeTexts(), QStringList({"001c0000"}));
        QVERIFY(!ui->ldt_2p2Timer->isEnabled());

        f->click(ui->cbx_deinterlace);
        QCOMPARE(f->takeTexts(), QStringList({"001b0000"}));
        QVERIFY(!ui->hSdr_2p3Timer->isEnabled());
        QVERIFY(!ui->ckx_2p3PullDown->isEnabled());
    }

    void freezeAllBothWays()
    {
        f->click(ui->ptn_FreezeAllWindow);
        QCOMPARE(f->takeTexts(), QStringList({"002c0001", "012c0001", "022c0001", "032c0001"}));
        for (int n = 1; n <= 4; ++n)
            QVERIFY(f->window(n)->mFreeze);
        QCOMPARE(ui->ptn_FreezeAllWindow->text(), QStringLiteral("全部解冻"));
        QVERIFY(ui->ckx_freezeWindow->isChecked());
        QVERIFY(!ui->page2->isEnabled());

        // With the selected window frozen every window thaws, frozen or not.
        f->window(3)->mFreeze = false;
        f->click(ui->ptn_FreezeAllWindow);
        QCOMPARE(f->takeTexts(), QStringList({"002c0000", "012c0000", "022c0000", "032c0000"}));
        for (int n = 1; n <= 4; ++n)
            QVERIFY(!f->window(n)->mFreeze);
        QCOMPARE(ui->ptn_FreezeAllWindow->text(), QStringLiteral("全部冻结"));
        QVERIFY(ui->page2->isEnabled());
    }
};

QTEST_MAIN(TstPanelEdits)
#include "tst_paneledits.moc"
