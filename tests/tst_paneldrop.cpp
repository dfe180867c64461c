#include <QtTest>
#include <QSettings>

#include "dialoganswerer.h"
#include "panelfixture.h"

#include "Graphics/inputchannel.h"
#include "Graphics/inputsourcebutton.h"
#include "Graphics/userview.h"
#include "mainwindow.h"

// Input sources beside the wall: the resolution table, the buttons with their
// stored captions, and a button dragged onto the wall with the mouse.
class TstPanelDrop : public QObject
{
    Q_OBJECT

    PanelFixture *f = nullptr;

    // Drags the button with the left button and lets go over a canvas point.
    void dropOn(InputSourceButton *button, const QPointF &scenePoint)
    {
        QWindow *win = f->mw->windowHandle();
        const QPoint target = f->wallGlobal(scenePoint);
        UserView *view = f->ui->graphicsView;
        QVERIFY2(view->viewport()->rect().contains(view->viewport()->mapFromGlobal(target)),
                 "drop point outside the wall view");
        const QPoint start = button->mapTo(f->mw, button->rect().center());
        QTest::mousePress(win, Qt::LeftButton, {}, start);
        QTest::mouseMove(win, (start + f->mw->mapFromGlobal(target)) / 2);
        QTest::mouseMove(win, f->mw->mapFromGlobal(target));
        QTest::mouseRelease(win, Qt::LeftButton, {}, f->mw->mapFromGlobal(target));
    }

    static QList<int> crop(const InputChannel *w)
    {
        return {w->mCropHStart, w->mCropVStart, w->mCropHEnd, w->mCropVEnd};
    }

private slots:
    void cleanup()
    {
        delete f;
        f = nullptr;
    }

    void buttonsTableAndStoredCaptions()
    {
        f = new PanelFixture([] {
            QSettings file(QStringLiteral("./inputSourceButton.ini"), QSettings::IniFormat);
            file.setIniCodec("UTF-8");
            file.setValue("inputSourceButton_2/text", QStringLiteral("2-Camera"));
            file.setValue("inputSourceButton_2/enable", "1");
            file.setValue("inputSourceButton_3/text", QStringLiteral("3-Old"));
            file.setValue("inputSourceButton_3/enable", "0");
            file.setValue("inputSourceButton_4/text", QStringLiteral("4-Odd"));
            file.setValue("inputSourceButton_4/enable", "yes");
        });
        const QList<InputSourceButton *> &buttons = f->mw->mInputSourceButtons;
        QCOMPARE(buttons, QList<InputSourceButton *>({f->ui->inBtn_1, f->ui->inBtn_2, f->ui->inBtn_3, f->ui->inBtn_4}));
        const QPoint homes[4] = {{30, 175}, {110, 175}, {30, 210}, {110, 210}};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(buttons.at(i)->mInputSourceIndex, i + 1);
            QCOMPARE(buttons.at(i)->mHomePos, homes[i]);
        }
        QCOMPARE(buttons.at(1)->text(), QStringLiteral("2-Camera"));
        QCOMPARE(buttons.at(1)->mDefaultCaption, 0);
        QVERIFY(buttons.at(2)->text() != QStringLiteral("3-Old"));
        QCOMPARE(buttons.at(2)->mDefaultCaption, 1);
        QVERIFY(buttons.at(3)->text() != QStringLiteral("4-Odd"));
        QCOMPARE(buttons.at(0)->mDefaultCaption, 1);

        const QVector<QSize> &table = f->mw->mInputResolutions;
        QCOMPARE(table.size(), 39);
        QCOMPARE(table.at(0), QSize(720, 240));
        QCOMPARE(table.at(17), QSize(2048, 1080));
        QCOMPARE(table.at(23), QSize(1600, 1200));
        QCOMPARE(table.at(30), QSize(4096, 2160));
        QCOMPARE(table.at(34), QSize(2560, 1600));
        QCOMPARE(table.at(35), QSize(4096, 2400));
        QCOMPARE(table.at(38), QSize(1280, 720));
    }

    void dropOnAWindowGivesItTheSource()
    {
        f = new PanelFixture;
        InputChannel *w = f->window(2);
        const int otherSource = f->window(1)->mInputSourceIndex;
        w->mCropHStart = 100;
        w->mCropVEnd = 700;
        dropOn(f->ui->inBtn_3, QPointF(2800, 500));
        QCOMPARE(f->takeTexts(), QStringList({"012d0002"}));
        QCOMPARE(w->mInputSourceIndex, 2);
        QCOMPARE(w->mInputSourceID, 2);
        QCOMPARE(crop(w), QList<int>({0, 0, 3840, 2160}));
        QCOMPARE(f->ui->inBtn_3->pos(), QPoint(30, 210));
        QCOMPARE(f->window(1)->mInputSourceIndex, otherSource);
    }

    void dropOnFrozenOrSolidWindowIsRefused()
    {
        f = new PanelFixture;
        DialogAnswerer answerer;
        const int source1 = f->window(1)->mInputSourceIndex;
        const int source2 = f->window(2)->mInputSourceIndex;
        f->window(1)->mFreeze = true;
        f->window(1)->mCropHEnd = 1000;
        dropOn(f->ui->inBtn_1, QPointF(500, 500));
        QTRY_COMPARE_WITH_TIMEOUT(answerer.seen.size(), 1, 2000);
        QCOMPARE(answerer.seen.at(0).title, QStringLiteral("警告"));
        QCOMPARE(answerer.seen.at(0).text, QStringLiteral("窗口1为冻结模式，无法进行输入源切换！"));
        QCOMPARE(f->window(1)->mInputSourceIndex, source1);
        QCOMPARE(f->window(1)->mCropHEnd, 1000);

        f->window(2)->mSolidColor = true;
        dropOn(f->ui->inBtn_4, QPointF(2800, 500));
        QTRY_COMPARE_WITH_TIMEOUT(answerer.seen.size(), 2, 2000);
        QCOMPARE(answerer.seen.at(1).text, QStringLiteral("窗口2为纯色填充模式下，无法进行输入源切换！"));
        QCOMPARE(f->window(2)->mInputSourceIndex, source2);
        QVERIFY(f->takeTexts().isEmpty());
    }

    void dropOnEmptyCanvasOpensTheFirstClosedWindow()
    {
        f = new PanelFixture;
        f->ui->graphicsView->closeWindow(3);
        f->ui->graphicsView->closeWindow(2);
        f->takeTexts();
        // Window 3 (the first closed one) opens where window 4 was.
        dropOn(f->ui->inBtn_2, QPointF(2880, 1620));
        const QStringList texts = f->takeTexts();
        QVERIFY(texts.size() >= 2);
        QVERIFY(texts.contains("022b0001"));
        QCOMPARE(texts.last(), QStringLiteral("022d0001"));
        InputChannel *w = f->window(3);
        QVERIFY(w->mOpen);
        QCOMPARE(w->mInputSourceIndex, 1);
        // Centred on the drop point, within a screen pixel of the drawing.
        QVERIFY(qAbs(w->x() - 1920) < 10 && qAbs(w->y() - 1080) < 10);
        QCOMPARE(crop(w), QList<int>({0, 0, 3840, 2160}));
        QVERIFY(!f->window(4)->mOpen);
    }
};

QTEST_MAIN(TstPanelDrop)
#include "tst_paneldrop.moc"
