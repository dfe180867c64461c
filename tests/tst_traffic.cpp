// Records every command text (and its packet) that a fixed set of user
// actions puts into a whole main window's send queue and compares the lot with
// tests/data/traffic.golden, one line per entry under a "# tag" line per action.
//
// The golden file is the program's traffic as it stands: a change in it is a
// change in what the box receives. To take a deliberate change on, run the test
// with HALDEN_TRAFFIC_WRITE=1, which writes the file instead of comparing, and
// review the diff. On a mismatch the actual traffic is left beside the test
// executable as traffic.actual.
#include <QtTest>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QToolBox>

#include "dialoganswerer.h"
#include "panelfixture.h"

#include "Graphics/inputchannel.h"
#include "Graphics/inputsourcebutton.h"
#include "Graphics/resolutionratioscene.h"
#include "Graphics/userview.h"
#include "globals.h"
#include "mainwindow.h"
#include "preset/myframe.h"

class TstTraffic : public QObject
{
    Q_OBJECT

    PanelFixture *f = nullptr;
    // Answers every message and busy box the actions raise.
    DialogAnswerer *mAnswerer = nullptr;
    QStringList mLines;

    UserView *view() const { return f->ui->graphicsView; }
    QWindow *win() const { return f->mw->windowHandle(); }
    // A canvas point in the main window's coordinates.
    QPoint at(qreal x, qreal y) const { return f->mw->mapFromGlobal(f->wallGlobal(QPointF(x, y))); }

    void fresh()
    {
        delete f;
        f = new PanelFixture([] {
            versionType = 5;
            g_viewMode = 1;
            g_inputAllowed = true;
            g_pressFinished = true;
            g_xyAlternate = true;
            g_stepCounter = 0;
        });
        // The pacing is driven by hand below: no tick may fall between two events.
        view()->mSendTickTimer->stop();
        view()->mMaySend = false;
    }

    // Appends what the action queued under its tag and empties the queue.
    void record(const QString &tag)
    {
        QList<QByteArray> &packets = *f->mw->mSendPackets;
        QList<QString> &texts = *f->mw->mSendTexts;
        mLines << QStringLiteral("# ") + tag;
        for (int i = 0; i < qMax(packets.size(), texts.size()); ++i) {
            const QString text = i < texts.size() ? texts.at(i) : QStringLiteral("-");
            const QString packet = i < packets.size() ? QString::fromLatin1(packets.at(i).toHex()) : QStringLiteral("-");
            mLines << text + QLatin1Char(' ') + packet;
        }
        packets.clear();
        texts.clear();
        settle();
    }

    // Ends the key, input and slider pauses at once instead of waiting them out.
    void settle()
    {
        view()->mKeyBusy = false;
        view()->mKeyTimer->stop();
        g_inputAllowed = true;
        f->waitSliderPause();
        // A preset apply restarts the ticker.
        view()->mSendTickTimer->stop();
        view()->mMaySend = false;
    }

    // One drag tick: the ticker lets the next geometry through.
    void tick()
    {
        view()->mMaySend = true;
        view()->handleData();
        view()->mMaySend = false;
    }

    void key(int k, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, k, mods);
        QApplication::sendEvent(view(), &press);
        record(QStringLiteral("key ") + QKeySequence(int(mods) | k).toString(QKeySequence::PortableText));
    }

    void dropOn(InputSourceButton *button, const QPointF &scenePoint)
    {
        const QPoint target = at(scenePoint.x(), scenePoint.y());
        const QPoint start = button->mapTo(f->mw, button->rect().center());
        QTest::mousePress(win(), Qt::LeftButton, {}, start);
        QTest::mouseMove(win(), (start + target) / 2);
        QTest::mouseMove(win(), target);
        QTest::mouseRelease(win(), Qt::LeftButton, {}, target);
    }

    void click(const char *name)
    {
        auto *button = f->mw->findChild<QPushButton *>(QLatin1String(name));
        QVERIFY2(button, name);
        f->showPageOf(button);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    void applyGrid(int rows, int columns)
    {
        f->ui->rowCbx->setCurrentText(QString::number(rows));
        f->ui->columnCbx->setCurrentText(QString::number(columns));
        click("selectSceneBtn");
        record(QStringLiteral("splice apply %1x%2").arg(rows).arg(columns));
    }

private slots:
    void initTestCase() { mAnswerer = new DialogAnswerer; }

    void cleanupTestCase()
    {
        delete f;
        f = nullptr;
        delete mAnswerer;
        g_outputMode = 0;
    }

    void wallViewMouse()
    {
        fresh();
        // Window 2 (the upper right quarter) dragged by its middle.
        QTest::mousePress(win(), Qt::LeftButton, {}, at(2400, 500));
        record("drag window 2 press");
        QTest::mouseMove(win(), at(2200, 600));
        tick();
        QTest::mouseMove(win(), at(2000, 700));
        tick();
        tick();   // nothing moved since the last tick
        record("drag window 2 move, ticks");
        QTest::mouseMove(win(), at(1700, 800));
        QTest::mouseRelease(win(), Qt::LeftButton, {}, at(1700, 800));
        record("drag window 2 release");

        // Window 1 resized by its lower right corner band.
        QTest::mousePress(win(), Qt::LeftButton, {}, at(1880, 1040));
        QTest::mouseMove(win(), at(2300, 1400));
        tick();
        QTest::mouseMove(win(), at(2600, 1500));
        QTest::mouseRelease(win(), Qt::LeftButton, {}, at(2600, 1500));
        record("resize window 1 corner, tick, release");

        // A click that moves nothing.
        QTest::mouseClick(win(), Qt::LeftButton, {}, at(500, 1600));
        record("click window 3");

        auto wheel = [this](int delta) {
            const QPoint p = view()->viewport()->rect().center();
            QWheelEvent e(p, view()->viewport()->mapToGlobal(p), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(view()->viewport(), &e);
        };
        wheel(120);
        wheel(-120);
        record("ctrl wheel");
    }

    void wallViewKeys()
    {
        fresh();
        QTest::mouseClick(win(), Qt::LeftButton, {}, at(2400, 500));
        record("select window 2");
        key(Qt::Key_Left);
        key(Qt::Key_Right, Qt::ShiftModifier);
        key(Qt::Key_Down, Qt::ControlModifier);
        key(Qt::Key_Up);
        key(Qt::Key_PageDown);
        key(Qt::Key_PageUp, Qt::ControlModifier);
        key(Qt::Key_PageDown, Qt::ShiftModifier);
        key(Qt::Key_Home);
        key(Qt::Key_T);
        key(Qt::Key_End);
        for (int k = Qt::Key_1; k <= Qt::Key_4; ++k)
            key(k);
        for (int n = 0; n < 4; ++n)
            key(Qt::Key_R);
        key(Qt::Key_Tab);
        key(Qt::Key_Left);
    }

    void contextMenu()
    {
        fresh();
        for (int k = 0; k < view()->mLayerActions.size(); ++k) {
            QVERIFY(view()->prepareContextMenu(view()->mapFromScene(500, 1600)));
            view()->mLayerActions.at(k)->trigger();
            record(QStringLiteral("menu window 3 layer action %1").arg(k));
        }
        QVERIFY(view()->prepareContextMenu(view()->mapFromScene(2400, 500)));
        view()->mWindowActions.at(1)->trigger();
        record("menu window 2 close");
        QVERIFY(view()->prepareContextMenu(view()->mapFromScene(2400, 500)));
        view()->mOpenWindowActions.at(1)->trigger();
        record("menu open window 2");
    }

    void dropInputSource()
    {
        fresh();
        dropOn(f->ui->inBtn_3, QPointF(2800, 500));
        record("drop source 3 on window 2");
        view()->closeWindow(3);
        view()->closeWindow(2);
        record("close windows 3 and 4");
        dropOn(f->ui->inBtn_2, QPointF(2880, 1620));
        record("drop source 2 on empty canvas");
    }

    void spliceAndDoubleClick()
    {
        fresh();
        applyGrid(2, 3);
        applyGrid(2, 2);
        InputChannel *w = f->window(1);
        const QPointF snaps[2] = {QPointF(100, 100), QPointF(1000, 200)};
        for (const QPointF &p : snaps) {
            w->setRect(QRectF(0, 0, 1500, 900));
            w->setPos(p);
            QTest::mouseDClick(win(), Qt::LeftButton, {}, at(p.x() + 300, p.y() + 300));
            QTest::mouseRelease(win(), Qt::LeftButton, {}, at(p.x() + 300, p.y() + 300));
            record(QStringLiteral("double-click window 1 at %1,%2 on 2x2").arg(p.x()).arg(p.y()));
        }
        applyGrid(1, 1);
    }

    void panelGeometry()
    {
        fresh();
        const QPair<int, int> grids[3] = {{1, 1}, {1, 3}, {2, 2}};
        for (int mode = 0; mode < 2; ++mode) {
            for (const auto &grid : grids) {
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
        }
        g_outputMode = 0;
        f->setWall(1, 1);
        f->select(1);
        f->type(f->ui->ldt_PosX, "3500");
        record("panel x beyond the limit");
    }

    void panelCropAndSlider()
    {
        fresh();
        f->type(f->ui->ldt_HorizontalStartLocation, "100");
        f->type(f->ui->ldt_VerticalStartLocation, "200");
        f->type(f->ui->ldt_HorizontalEndLocation, "3000");
        f->type(f->ui->ldt_VerticalEndLocation, "2000");
        record("crop edits");

        QSlider *slider = f->ui->hSdr_luminance;
        f->showPageOf(slider);
        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_Right);
        record("luminance slider key right");
        QTest::keyClick(slider, Qt::Key_Right);
        record("luminance slider key right after the pause");
        QTest::keyClick(slider, Qt::Key_PageUp);
        record("luminance slider page up");
    }

    void layoutModes()
    {
        fresh();
        const char *buttons[] = {"ptn_singleScreenModel", "ptn_fourDivisionModel", "ptn_twoDivisionModel_OBOS",
                                 "ptn_twoScreenModel_leftRight", "ptn_twoDivisionModel_upDown",
                                 "ptn_fourDivisionModel_OBTS"};
        for (const char *name : buttons) {
            click(name);
            record(QStringLiteral("layout mode %1").arg(QLatin1String(name)));
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
        fresh();
        QTest::mouseClick(f->mw->mPresetFrames.at(0), Qt::LeftButton);
        click("presetSaveButton");
        record("preset 1 save");
        f->window(2)->setPos(0, 0);
        f->window(2)->closeChannel();
        f->window(4)->mLuminance = 500;
        applyGrid(2, 2);
        QTest::mouseClick(f->mw->mPresetFrames.at(0), Qt::LeftButton);
        click("presetApplyButton");
        // The apply restarts the pump at its own pace; the queue is read here.
        f->mw->mSendTimer->stop();
        record("preset 1 apply");
    }

    // Last: the recorded traffic against the golden file.
    void compareWithGolden()
    {
        const QString path = QFileInfo(QStringLiteral(__FILE__)).absolutePath()
            + QStringLiteral("/data/traffic.golden");
        const QByteArray actual = mLines.join(QLatin1Char('\n')).toUtf8() + '\n';
        if (qEnvironmentVariableIsSet("HALDEN_TRAFFIC_WRITE")) {
            QDir().mkpath(QFileInfo(path).absolutePath());
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write(actual);
            qInfo("wrote %s (%d lines)", qPrintable(path), int(mLines.size()));
            return;
        }
        QFile in(path);
        QVERIFY2(in.open(QIODevice::ReadOnly), qPrintable(path));
        const QByteArray golden = in.readAll();
        if (golden == actual)
            return;
        QFile dump(QCoreApplication::applicationDirPath() + QStringLiteral("/traffic.actual"));
        if (dump.open(QIODevice::WriteOnly | QIODevice::Truncate))
            dump.write(actual);
        const QStringList want = QString::fromUtf8(golden).split(QLatin1Char('\n'));
        const QStringList got = QString::fromUtf8(actual).split(QLatin1Char('\n'));
        QString tag;
        for (int i = 0; i < qMax(want.size(), got.size()); ++i) {
            const QString w = want.value(i, QStringLiteral("<end>"));
            const QString g = got.value(i, QStringLiteral("<end>"));
            if (w == g) {
                if (w.startsWith(QLatin1Char('#')))
                    tag = w;
                continue;
            }
            QFAIL(qPrintable(QStringLiteral("traffic differs at line %1 after \"%2\":\n  golden: %3\n  actual: %4\n"
                                            "(whole actual traffic in %5)")
                                 .arg(i + 1).arg(tag, w, g, dump.fileName())));
        }
    }
};

QTEST_MAIN(TstTraffic)
#include "tst_traffic.moc"
