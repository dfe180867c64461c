#include <QtTest>
#include <QAction>

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

// What the selected-window panel shows of the window the user selects,
// and that showing it sends nothing.
class TstPanelDisplay : public PanelTest
{
    Q_OBJECT
private slots:
    void panelRefillsFromTheClickedWindow()
    {
        InputChannel *w = f->window(3);
        w->mCropHStart = 10;
        w->mCropVStart = 20;
        w->mCropHEnd = 1000;
        w->mCropVEnd = 900;
        w->mContrast = 250;
        w->mHue = -20;
        w->mRed = 7;
        w->mHMirror = true;
        w->m24PSF = true;
        w->mDeinterlace = true;
        w->mAudioOff = true;
        w->mAudioAllOutputs = false;
        w->mVideoGen = false;
        g_windowInputSupported[2] = 0;

        // Click inside window 3 (bottom-left quarter) on the wall drawing.
        UserView *view = ui->graphicsView;
        const QPoint inView = view->mapFromScene(QPointF(900, 1600));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, inView);
        QCOMPARE(ui->currentChannelCBox->currentIndex(), 2);
        QCOMPARE(ui->ldt_PosY->text(), QStringLiteral("540"));
        QCOMPARE(ui->ldt_Width->text(), QStringLiteral("960"));
        QCOMPARE(ui->ldt_HorizontalStartLocation->text(), QStringLiteral("10"));
        QCOMPARE(ui->ldt_VerticalEndLocation->text(), QStringLiteral("900"));
        QCOMPARE(cropItem()->pos(), QPointF(10, 20));
        QCOMPARE(cropItem()->mOuterRect.size(), QSizeF(1140, 1030));
        QCOMPARE(cropItem()->mChannel, w);
        QCOMPARE(ui->ldt_contrastRatio->text(), QStringLiteral("250"));
        QCOMPARE(ui->hSdr_hue->value(), -20);
        QCOMPARE(ui->ldt_colorR->text(), QStringLiteral("7"));
        QCOMPARE(ui->cbx_windowLevel->currentIndex(), w->mLayer - 1);
        QVERIFY(ui->ckx_horizontalMirrored->isChecked());
        QVERIFY(ui->cbx_24PSFMode->isChecked());
        QVERIFY(ui->hSdr_sensitivity->isEnabled());
        QVERIFY(view->mAudioActions.at(2)->isChecked());
        QVERIFY(!view->mAudioActions.at(0)->isChecked());
        QVERIFY(view->mVideoGenActions.at(1)->isChecked());
        QVERIFY(!ui->label_sliceImage->isHidden());

        const QPoint inWindow1 = view->mapFromScene(QPointF(300, 300));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, inWindow1);
        QCOMPARE(ui->currentChannelCBox->currentIndex(), 0);
        QVERIFY(ui->label_sliceImage->isHidden());
        QVERIFY(!ui->hSdr_sensitivity->isEnabled());

        // The channel combo selects too.
        ui->currentChannelCBox->setFocus();
        QTest::keyClick(ui->currentChannelCBox, Qt::Key_Down);
        QCOMPARE(ui->ldt_PosX->text(), QStringLiteral("960"));
        QCOMPARE(cropItem()->mChannel, f->window(2));
    }

    void refillingThePanelSendsNothing()
    {
        // Every kind of state a box can report, values beyond the sliders included.
        InputChannel *w = f->window(3);
        w->mDeinterlace = true;
        w->m24PSF = true;
        w->mPullDown22 = true;
        w->mPullDown23 = true;
        w->mHMirror = true;
        w->mAudio = true;
        w->mLuminance = 5000;
        w->mContrast = -7;
        w->mHue = 999;
        f->window(2)->mSolidColor = true;
        f->window(4)->mFreeze = true;
        f->window(4)->mSolidColor = true;
        f->mw->moveWindowToLevel(2, 0);
        f->takeTexts();

        for (int n : {3, 1, 2, 4, 3, 2, 1})
            f->select(n);
        ui->currentChannelCBox->setCurrentIndex(2);
        ui->currentChannelCBox->setCurrentIndex(3);
        ui->currentChannelCBox->setCurrentIndex(0);
        QCOMPARE(f->takeTexts(), QStringList());
        // A slider clamps what it cannot show; the box is not told.
        f->select(3);
        QCOMPARE(ui->hSdr_luminance->value(), 1024);
        QVERIFY(!f->mw->mSliderPending);
        QCOMPARE(f->takeTexts(), QStringList());

        // An edit that holds the focus while a frozen window disables its
        // page loses the focus inside the fill: that is no edit either.
        f->select(1);
        f->mw->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f->mw));
        for (QLineEdit *edit : {ui->ldt_PosX, ui->ldt_luminance}) {
            f->showPageOf(edit);
            edit->setFocus();
            QTRY_VERIFY_WITH_TIMEOUT(edit->hasFocus(), 1000);
            f->select(4);
            QVERIFY(!edit->hasFocus());
            QCOMPARE(f->takeTexts(), QStringList());
            f->select(1);
        }
    }

    void refusedGeometryShowsThePanelValuesAgain()
    {
        // Window 1 at canvas (1000, 600), 1600 x 800: the panel shows half of it.
        InputChannel *w = f->window(1);
        w->setPos(1000, 600);
        w->setRect(QRectF(0, 0, 1600, 800));
        f->select(1);
        QCOMPARE(ui->ldt_Width->text(), QStringLiteral("800"));
        DialogAnswerer answerer;
        f->type(ui->ldt_Width, "3500");
        QTRY_COMPARE_WITH_TIMEOUT(answerer.seen.size(), 1, 2000);
        QCOMPARE(QStringList({ui->ldt_PosX->text(), ui->ldt_PosY->text(), ui->ldt_Width->text(), ui->ldt_Heigh->text()}),
                 QStringList({"500", "300", "800", "400"}));
        QVERIFY(f->takeTexts().isEmpty());
        // Confirming the restored width changes nothing.
        f->type(ui->ldt_Width, ui->ldt_Width->text());
        QCOMPARE(f->takeTexts(), QStringList({"00030640"}));
        QCOMPARE(w->mRect.width(), 1600.0);
    }

    void displayScalesByTheFirstCanvas()
    {
        // A 1920-wide first canvas doubles what a 1 x 1 wall shows.
        f->window(1)->setX(1001);
        f->select(1);
        QCOMPARE(ui->ldt_PosX->text(), QStringLiteral("500"));
        f->setWall(1, 1, QRectF(0, 0, 1920, 2160));
        QCOMPARE(f->mw->positionScale(), 2);
        f->select(1);
        QCOMPARE(ui->ldt_PosX->text(), QStringLiteral("1000"));
        // Multi: 2 x 3 shows one and a half per canvas pixel across.
        f->setWall(2, 3, QRectF(0, 0, 3840, 2160));
        QCOMPARE(f->mw->positionScale(), 1);
        f->window(1)->setX(1000);
        f->select(1);
        QCOMPARE(ui->ldt_PosX->text(), QStringLiteral("1500"));
    }

    void frozenWindowShowsOnlyItsThawControls()
    {
        f->window(4)->mFreeze = true;
        f->window(4)->mSolidColor = true;
        f->select(4);
        QVERIFY(!f->window(4)->mSolidColor);
        QVERIFY(ui->ckx_freezeWindow->isChecked());
        QVERIFY(!ui->ckx_solidColor->isChecked());
        QVERIFY(!ui->rowCbx->isEnabled());
        QVERIFY(!ui->ldt_colorR->isEnabled());
        QVERIFY(ui->inBtn_1->isEnabled());
        // A solid window keeps no freeze flag.
        f->window(2)->mSolidColor = true;
        f->select(2);
        QVERIFY(ui->ckx_solidColor->isChecked());
        QVERIFY(!ui->ckx_freezeWindow->isEnabled());
        QVERIFY(ui->btn_openColorPalette->isEnabled());
    }

    void messagesFollowTheLanguage()
    {
        f->mw->changeLanguage(1);
        DialogAnswerer answerer;
        f->type(ui->ldt_HorizontalEndLocation, "4000");
        QTRY_COMPARE_WITH_TIMEOUT(answerer.texts(),
                                  QStringList({"The end position cannot exceed the input source resolution (3840x2160)!"}),
                                  2000);
        QCOMPARE(answerer.seen.at(0).title, QStringLiteral("Error"));
        f->click(ui->ptn_FreezeAllWindow);
        QCOMPARE(ui->ptn_FreezeAllWindow->text(), QStringLiteral("Unfreeze all Windows"));
        f->mw->changeLanguage(0);
    }

    void levelsAndUnsupportedRows()
    {
        InputChannel *w = f->window(1);
        QCOMPARE(w->mLayer, 1);
        f->mw->moveWindowToLevel(0, 3);
        QCOMPARE(w->mLayer, 4);
        f->mw->moveWindowToLevel(MainWindow::SelectedWindow, 1);
        QCOMPARE(w->mLayer, 2);
        f->mw->moveWindowToLevel(0, 1);
        QCOMPARE(w->mLayer, 2);

        // Rows the box does not support stay out of sight.
        QVERIFY(ui->hSdr_skinCorrection->isHidden());
        QVERIFY(ui->groupBox_5->isHidden());
    }
};

QTEST_MAIN(TstPanelDisplay)
#include "tst_paneldisplay.moc"
