// Records every command text (and its packet) that a fixed set of user actions puts into a whole main
// window's send queue, one line per entry under a "# tag" line per action, and compares the lot with
// tests/data/traffic.golden: a change there is a change in what the box receives. HALDEN_TRAFFIC_WRITE=1
// writes the file instead (review the diff); a mismatch leaves the traffic beside the executable as traffic.actual.
#include <QtTest>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include "dialoganswerer.h"
#include "panelfixture.h"

#include "Graphics/inputchannel.h"
#include "Graphics/inputsourcebutton.h"
#include "Graphics/userview.h"
#include "globals.h"
#include "mainwindow.h"
#include "preset/myframe.h"

class TstTraffic : public QObject
{
    Q_OBJECT

    DialogAnswerer mAnswerer;   // answers every message and busy box the actions raise
    std::unique_ptr<PanelFixture> f;
    QStringList mLines;

    UserView *view() const { return f->ui->graphicsView; }
    QWindow *win() const { return f->mw->windowHandle(); }
    // A canvas point in the main window's coordinates.
    QPoint at(qreal x, qreal y) const { return f->mw->mapFromGlobal(f->wallGlobal(QPointF(x, y))); }

    // Appends what the action queued under its tag, empties the queue and ends the key, input and slider pauses
    // at once. The pacing is driven by hand: no tick may fall between two events (a preset apply restarts it).
    void record(const QString &tag)
    {
        QList<QByteArray> &packets = *f->mw->mSendPackets;
        QList<QString> &texts = *f->mw->mSendTexts;
        mLines << "# " + tag;
        for (int i = 0; i < qMax(packets.size(), texts.size()); ++i)
            mLines << texts.value(i, "-") + ' '
                    + (i < packets.size() ? QString::fromLatin1(packets.at(i).toHex()) : QStringLiteral("-"));
        packets.clear();
        texts.clear();
        view()->mKeyBusy = false;
        view()->mKeyTimer->stop();
        g_inputAllowed = true;
        f->waitSliderPause();
        view()->mSendTickTimer->stop();
        view()->mMaySend = false;
    }

    // A mouse step at a canvas point (press, move, release, click, double-click) or, 't', a drag tick that lets
    // the next geometry through; a tag records after it.
    struct Step { char op; qreal x = 0, y = 0; QString tag = {}; };
    void run(std::initializer_list<Step> steps)
    {
        for (const Step &s : steps) {
            const QPoint p = at(s.x, s.y);
            switch (s.op) {
            case 'p': QTest::mousePress(win(), Qt::LeftButton, {}, p); break;
            case 'm': QTest::mouseMove(win(), p); break;
            case 'r': QTest::mouseRelease(win(), Qt::LeftButton, {}, p); break;
            case 'c': QTest::mouseClick(win(), Qt::LeftButton, {}, p); break;
            case 'd': QTest::mouseDClick(win(), Qt::LeftButton, {}, p); break;
            default: view()->mMaySend = true; view()->handleData(); view()->mMaySend = false;
            }
            if (!s.tag.isEmpty())
                record(s.tag);
        }
    }

    void click(const char *name)
    {
        auto *button = formChild<QPushButton>(f->mw, name);
        QVERIFY2(button, name);
        f->click(button);
    }

    void applyGrid(int rows, int columns)
    {
        f->ui->rowCbx->setCurrentText(QString::number(rows));
        f->ui->columnCbx->setCurrentText(QString::number(columns));
        click("selectSceneBtn");
        record(QStringLiteral("splice apply %1x%2").arg(rows).arg(columns));
    }

    void menu(const QPointF &p, QList<QAction *> UserView::*actions, int k, const QString &tag)
    {
        QVERIFY(view()->prepareContextMenu(view()->mapFromScene(p)));
        (view()->*actions).at(k)->trigger();
        record(tag);
    }

    void dropOn(InputSourceButton *button, qreal x, qreal y, const char *tag)
    {
        const QPoint target = at(x, y), start = button->mapTo(f->mw, button->rect().center());
        QTest::mousePress(win(), Qt::LeftButton, {}, start);
        QTest::mouseMove(win(), (start + target) / 2);
        QTest::mouseMove(win(), target);
        QTest::mouseRelease(win(), Qt::LeftButton, {}, target);
        record(tag);
    }

private slots:
    // Each action list starts from a fresh window; the old one goes first, as its end resets the program.
    void init()
    {
        f.reset();
        f.reset(new PanelFixture);
        view()->mSendTickTimer->stop();
        view()->mMaySend = false;
    }

    void wallViewMouse()
    {
        // Window 2 (the upper right quarter) dragged by its middle, the last tick with nothing moved; window 1
        // resized by its lower right corner band; a click that moves nothing.
        run({{'p', 2400, 500, "drag window 2 press"}, {'m', 2200, 600}, {'t'}, {'m', 2000, 700}, {'t'},
             {'t', 0, 0, "drag window 2 move, ticks"}, {'m', 1700, 800}, {'r', 1700, 800, "drag window 2 release"},
             {'p', 1880, 1040}, {'m', 2300, 1400}, {'t'}, {'m', 2600, 1500},
             {'r', 2600, 1500, "resize window 1 corner, tick, release"}, {'c', 500, 1600, "click window 3"}});
        const QPoint p = view()->viewport()->rect().center();
        for (int delta : {120, -120}) {
            QWheelEvent e(p, view()->viewport()->mapToGlobal(p), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(view()->viewport(), &e);
        }
        record("ctrl wheel");
    }

    void wallViewKeys()
    {
        run({{'c', 2400, 500, "select window 2"}});
        for (const char *name : {"Left", "Shift+Right", "Ctrl+Down", "Up", "PgDown", "Ctrl+PgUp", "Shift+PgDown",
                                 "Home", "T", "End", "1", "2", "3", "4", "R", "R", "R", "R", "Tab", "Left"}) {
            const int k = QKeySequence::fromString(name, QKeySequence::PortableText)[0];
            QKeyEvent e(QEvent::KeyPress, k & ~Qt::KeyboardModifierMask,
                        Qt::KeyboardModifiers(k & Qt::KeyboardModifierMask));
            QApplication::sendEvent(view(), &e);
            record(QStringLiteral("key ") + name);
        }
    }

    void contextMenu()
    {
        for (int k = 0; k < view()->mLayerActions.size(); ++k)
            menu({500, 1600}, &UserView::mLayerActions, k, QStringLiteral("menu window 3 layer action %1").arg(k));
        menu({2400, 500}, &UserView::mWindowActions, 1, "menu window 2 close");
        menu({2400, 500}, &UserView::mOpenWindowActions, 1, "menu open window 2");
    }

    void dropInputSource()
    {
        dropOn(f->ui->inBtn_3, 2800, 500, "drop source 3 on window 2");
        view()->closeWindow(3);
        view()->closeWindow(2);
        record("close windows 3 and 4");
        dropOn(f->ui->inBtn_2, 2880, 1620, "drop source 2 on empty canvas");
    }

    void spliceAndDoubleClick()
    {
        applyGrid(2, 3);
        applyGrid(2, 2);
        InputChannel *w = f->window(1);
        for (const QPointF &p : {QPointF(100, 100), QPointF(1000, 200)}) {
            w->setRect(QRectF(0, 0, 1500, 900));
            w->setPos(p);
            const QString tag = QStringLiteral("double-click window 1 at %1,%2 on 2x2").arg(p.x()).arg(p.y());
            run({{'d', p.x() + 300, p.y() + 300}, {'r', p.x() + 300, p.y() + 300, tag}});
        }
        applyGrid(1, 1);
    }

    void panelGeometry()
    {
        for (int mode = 0; mode < 2; ++mode)
            for (const QPair<int, int> &grid : {qMakePair(1, 1), qMakePair(1, 3), qMakePair(2, 2)}) {
                g_outputMode = mode;
                f->setWall(grid.first, grid.second);
                for (int n = 1; n <= 2; ++n) {
                    f->select(n);
                    f->type(f->ui->ldt_PosX, QString::number(300 * n));
                    f->type(f->ui->ldt_PosY, QString::number(200 * n));
                    f->type(f->ui->ldt_Width, QString::number(700 + 100 * n));
                    f->type(f->ui->ldt_Heigh, QString::number(300 + 100 * n));
                    record(QStringLiteral("panel x y w h, output mode %1, grid %2x%3, window %4")
                               .arg(mode).arg(grid.first).arg(grid.second).arg(n));
                }
            }
        g_outputMode = 0;
        f->setWall(1, 1);
        f->select(1);
        f->type(f->ui->ldt_PosX, "3500");
        record("panel x beyond the limit");
    }

    void panelCropAndSlider()
    {
        f->type(f->ui->ldt_HorizontalStartLocation, "100");
        f->type(f->ui->ldt_VerticalStartLocation, "200");
        f->type(f->ui->ldt_HorizontalEndLocation, "3000");
        f->type(f->ui->ldt_VerticalEndLocation, "2000");
        record("crop edits");
        f->showPageOf(f->ui->hSdr_luminance);
        f->ui->hSdr_luminance->setFocus();
        const QPair<Qt::Key, const char *> keys[] = {
            {Qt::Key_Right, "key right"}, {Qt::Key_Right, "key right after the pause"}, {Qt::Key_PageUp, "page up"}};
        for (const auto &k : keys) {
            QTest::keyClick(f->ui->hSdr_luminance, k.first);
            record(QStringLiteral("luminance slider ") + k.second);
        }
    }

    void layoutModes()
    {
        for (const char *name : {"ptn_singleScreenModel", "ptn_fourDivisionModel", "ptn_twoDivisionModel_OBOS",
                                 "ptn_twoScreenModel_leftRight", "ptn_twoDivisionModel_upDown",
                                 "ptn_fourDivisionModel_OBTS"}) {
            click(name);
            record(QStringLiteral("layout mode ") + name);
        }
        f->mw->on_ptn_overlayModel_clicked();
        record("layout mode overlay");
        f->mw->on_ptn_openWindowModel_clicked();
        record("layout mode open window");
        f->mw->on_ptn_levelMode_clicked();
        record("layout mode level");
    }

    void presets()
    {
        QTest::mouseClick(f->mw->mPresetFrames.at(0), Qt::LeftButton);
        click("presetSaveButton");
        record("preset 1 save");
        f->window(2)->setPos(0, 0);
        f->window(2)->closeChannel();
        f->window(4)->mLuminance = 500;
        applyGrid(2, 2);
        QTest::mouseClick(f->mw->mPresetFrames.at(0), Qt::LeftButton);
        click("presetApplyButton");
        f->mw->mSendTimer->stop();   // the apply restarts the pump; the queue is read here
        record("preset 1 apply");
    }

    // Last: the recorded traffic against the golden file.
    void compareWithGolden()
    {
        QFile golden(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/data/traffic.golden");
        const QByteArray actual = mLines.join('\n').toUtf8() + '\n';
        if (qEnvironmentVariableIsSet("HALDEN_TRAFFIC_WRITE")) {
            QVERIFY(golden.open(QIODevice::WriteOnly) && golden.write(actual) == actual.size());
            return;
        }
        QVERIFY2(golden.open(QIODevice::ReadOnly), qPrintable(golden.fileName()));
        const QByteArray wanted = golden.readAll();
        QFile dump(QCoreApplication::applicationDirPath() + "/traffic.actual");
        if (wanted != actual && dump.open(QIODevice::WriteOnly) && dump.write(actual) == actual.size())
            qWarning("whole actual traffic in %s", qPrintable(dump.fileName()));
        QCOMPARE(QString::fromUtf8(actual).split('\n'), QString::fromUtf8(wanted).split('\n'));
        QCOMPARE(actual, wanted);
    }
};

QTEST_MAIN(TstTraffic)
#include "tst_traffic.moc"
