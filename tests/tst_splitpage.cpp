#include <QtTest>

#include "controlpageport.h"
#include "maincontent/controlwidget/framecontrol/dragpushbutton.h"
#include "maincontent/controlwidget/matrix/matrix.h"
#include "maincontent/controlwidget/matrix/matrixbtn.h"
#include "screen/languagefile.h"

#include <QPushButton>
#include <memory>

using Rects = QVector<QRect>;
using Sizes = QVector<QSize>;
using Inputs = QVector<int>;

namespace {
const char *const WindowUnderDrag = "background-color:#3A6CA9; border:1px solid #000000";
const char *const WindowIdle = "background-color:#BDD0E8 ;border:1px solid #000000";
const QPoint PreviewMiddle(385, 320);
}

// The split page driven with the mouse: layouts drawn in the preview, inputs
// dragged onto it, and the commands read back from the shared serial port
// opened on a pseudo-terminal.
class TstSplitPage : public QObject
{
    Q_OBJECT

    std::unique_ptr<ControlPagePort> mPort;
    std::unique_ptr<matrix> mPage;

    QPushButton *layoutButton(const QString &name) const { return mPage->findChild<QPushButton *>(name); }
    void chooseLayout(const QString &name)
    {
        QVERIFY2(layoutButton(name), qPrintable(name));
        QTest::mouseClick(layoutButton(name), Qt::LeftButton);
    }
    QPushButton *window(int k) const
    {
        return QVector<QPushButton *> {mPage->mWindowButton1, mPage->mWindowButton2, mPage->mWindowButton3,
                                       mPage->mWindowButton4}.at(k - 1);
    }
    matrixbtn *input(int k) const
    {
        return QVector<matrixbtn *> {mPage->mInputButton1, mPage->mInputButton2, mPage->mInputButton3,
                                     mPage->mInputButton4}.at(k - 1);
    }
    QPoint home(int k) const { return QPoint(650, 220 + 60 * (k - 1)); }

    // The inputs whose pictures windows 1..n show (0: none of the four).
    Inputs inputsShown(int windows) const
    {
        Inputs shown;
        for (int k = 1; k <= windows; ++k) {
            const QImage picture = window(k)->icon().pixmap(QSize(48, 27)).toImage();
            int n = 4;
            const auto pictureOf = [](int n) { return QIcon(QStringLiteral(":/res/res/image/1/HDMI %1.png").arg(n)); };
            while (n > 0 && pictureOf(n).pixmap(48, 27).toImage() != picture)
                --n;
            shown << n;
        }
        return shown;
    }

    // A left-button move as the platform delivers it, at a point inside the button.
    void moveWithin(matrixbtn *button, QPoint local)
    {
        QMouseEvent move(QEvent::MouseMove, local, button->mapToGlobal(local), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(button, &move);
    }
    // Drags input k with the cursor from the button's middle to `to` on the
    // page, in steps as a hand does (the button follows each one).
    void drag(int k, QPoint to)
    {
        matrixbtn *button = input(k);
        const QPoint grab(40, 25);
        QTest::mousePress(button, Qt::LeftButton, {}, grab);
        const QPoint from = button->mapTo(mPage.get(), grab);
        const int steps = 8;
        for (int step = 1; step <= steps; ++step)
            moveWithin(button, button->mapFrom(mPage.get(), from + (to - from) * step / steps));
    }
    void release(int k, QPoint at, Qt::MouseButton which = Qt::LeftButton)
    {
        QCursor::setPos(mPage->mapToGlobal(at));
        QTest::mouseRelease(input(k), which, {}, input(k)->mapFrom(mPage.get(), at));
    }
    void dropInput(int k, QPoint at)
    {
        drag(k, at);
        release(k, at);
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(translations);
        mPort.reset(new ControlPagePort);
        QVERIFY(mPort->open());
    }
    void cleanupTestCase() { mPort.reset(); }

    void init()
    {
        mPage.reset(new matrix);
        mPage->show();
        QVERIFY(QTest::qWaitForWindowExposed(mPage.get()));
    }
    void cleanup()
    {
        mPage.reset();
        mPort->commandsSent();
    }

    void layoutDrawsItsWindowsAndSends_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("command");
        QTest::addColumn<Rects>("windows");
        QTest::addColumn<Sizes>("pictures");
        QTest::addColumn<bool>("inputsHome");
        const QRect none(0, 0, 0, 0), atStart(225, 230, 0, 0), atMiddle(385, 230, 0, 0);
        const QSize pair(150, 150), small(100, 100);
        QTest::newRow("single") << "fg1" << 1 << "6603020001" << Rects {{225, 230, 320, 180}, none, none, none}
                                << Sizes {{250, 250}} << true;
        QTest::newRow("2x2 grid") << "fg2x2" << 0 << "660301006a"
                                  << Rects {{225, 230, 160, 90}, {385, 230, 160, 90}, {225, 320, 160, 90},
                                            {385, 320, 160, 90}}
                                  << Sizes(4, QSize(130, 130)) << false;
        QTest::newRow("left and right") << "fg1x2" << 2 << "6603030001"
                                        << Rects {{225, 230, 160, 180}, {385, 230, 160, 180}, atStart, atMiddle}
                                        << Sizes {pair, pair} << true;
        QTest::newRow("upper and lower") << "fg2x1" << 6 << "6603040001"
                                         << Rects {{225, 230, 320, 90}, {225, 320, 320, 90}, atStart, atMiddle}
                                         << Sizes {pair, pair} << true;
        QTest::newRow("one large three small") << "fg1x4" << 4 << "6603060001"
                                               << Rects {{225, 230, 212, 180}, {437, 230, 106, 60},
                                                         {437, 290, 106, 60}, {437, 350, 106, 60}}
                                               << Sizes {{200, 200}, small, small, small} << true;
        QTest::newRow("H shape") << "fg4x1" << 8 << "6603060005"
                                 << Rects {{225, 230, 80, 180}, {305, 230, 160, 90}, {305, 320, 160, 90},
                                           {465, 230, 80, 180}}
                                 << Sizes {{80, 800}, small, small, {80, 800}} << false;
        QTest::newRow("equal left and right") << "fg1x2_2" << 9 << "6603030002"
                                              << Rects {{227, 275, 158, 90}, {385, 275, 158, 90}, atStart, atMiddle}
                                              << Sizes {pair, pair} << true;
        QTest::newRow("equal upper and lower") << "fg2x1_2" << 10 << "6603040002"
                                               << Rects {{305, 231, 160, 88}, {305, 320, 160, 88}, atStart, atMiddle}
                                               << Sizes {pair, pair} << true;
        QTest::newRow("picture in picture") << "pushButton" << 11 << "6603050001"
                                            << Rects {{225, 230, 320, 180}, {438, 350, 106, 60}, atStart, atMiddle}
                                            << Sizes {{200, 200}, small} << true;
    }
    void layoutDrawsItsWindowsAndSends()
    {
        QFETCH(QString, button);
        QFETCH(int, mode);
        QFETCH(QString, command);
        QFETCH(Rects, windows);
        QFETCH(Sizes, pictures);
        QFETCH(bool, inputsHome);
        // Another layout and drop first, so that the mode, pictures and sizes
        // are this layout's doing ("田字形" keeps the mode it finds).
        chooseLayout("fg1x4");
        dropInput(4, PreviewMiddle);
        mPort->commandsSent();

        chooseLayout(button);
        QCOMPARE(mPage->mLayoutMode, mode == 0 ? 4 : mode);
        for (int k = 1; k <= 4; ++k)
            QCOMPARE(window(k)->geometry(), windows.at(k - 1));
        for (int k = 1; k <= pictures.size(); ++k)
            QCOMPARE(window(k)->iconSize(), pictures.at(k - 1));
        QCOMPARE(inputsShown(pictures.size()), Inputs({1, 2, 3, 4}).mid(0, pictures.size()));
        for (QPushButton *layout : mPage->findChildren<QPushButton *>(QRegularExpression("^(fg|pushButton$)")))
            QCOMPARE(layout->styleSheet(), QLatin1String(layout->objectName() == button ? "background-color:#42f1ff"
                                                                                        : "background-color:#cfddee"));
        for (int k = 1; k <= 4; ++k)
            QCOMPARE(input(k)->geometry(), inputsHome ? QRect(home(k), QSize(80, 50)) : QRect(0, 0, 0, 0));
        QCOMPARE(mPort->commandsSent(), QStringList({command}));
    }

    void dropPutsTheInputIntoTheLayout_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<int>("input");
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<Inputs>("pictures");
        QTest::newRow("none, HDMI 1") << "" << 1 << QStringList {"6601010169"} << Inputs {1, 2, 3, 4};
        QTest::newRow("none, HDMI 2") << "" << 2 << QStringList {} << Inputs {1, 2, 3, 4};
        QTest::newRow("single, HDMI 3") << "fg1" << 3 << QStringList {"6603020003"} << Inputs {3};
        QTest::newRow("one large, HDMI 3") << "fg1x4" << 3 << QStringList {"6603060003"} << Inputs {3, 1, 2, 4};
        QTest::newRow("in picture, HDMI 4") << "pushButton" << 4 << QStringList {"6603050004"} << Inputs {4, 3};
        QTest::newRow("left-right, HDMI 1") << "fg1x2" << 1 << QStringList {"6601010169", "6603030001"}
                                            << Inputs {1, 2};
        QTest::newRow("left-right, HDMI 4") << "fg1x2" << 4 << QStringList {"6603030003"} << Inputs {3, 4};
        QTest::newRow("equal left-right, HDMI 3") << "fg1x2_2" << 3 << QStringList {"6603030004"} << Inputs {3, 4};
        QTest::newRow("upper-lower, HDMI 3") << "fg2x1" << 3 << QStringList {"6603040003"} << Inputs {3, 4};
        QTest::newRow("equal upper-lower, HDMI 4") << "fg2x1_2" << 4 << QStringList {"6603040004"} << Inputs {3, 4};
    }
    void dropPutsTheInputIntoTheLayout()
    {
        QFETCH(QString, layout);
        QFETCH(int, input);
        QFETCH(QStringList, commands);
        QFETCH(Inputs, pictures);
        if (!layout.isEmpty())
            chooseLayout(layout);
        mPort->commandsSent();
        dropInput(input, PreviewMiddle);
        QCOMPARE(mPort->commandsSent(), commands);
        QCOMPARE(inputsShown(pictures.size()), pictures);
        // Every input is back home, its partner included.
        for (int k = 1; k <= 4; ++k)
            QCOMPARE(this->input(k)->pos(), home(k));
    }

    void onlyADropInsideTheFrameCounts_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("counts");
        QTest::newRow("left edge") << QPoint(221, 300) << true;
        QTest::newRow("left of it") << QPoint(220, 300) << false;
        QTest::newRow("bottom edge") << QPoint(300, 413) << true;
        QTest::newRow("below it") << QPoint(300, 414) << false;
    }
    void onlyADropInsideTheFrameCounts()
    {
        QFETCH(QPoint, at);
        QFETCH(bool, counts);
        chooseLayout("fg1");
        mPort->commandsSent();
        dropInput(2, at);
        QCOMPARE(mPort->commandsSent(), counts ? QStringList {"6603020002"} : QStringList {});
    }

    void hoverOverThePreviewMarksThePair_data()
    {
        QTest::addColumn<QPoint>("probe");
        QTest::addColumn<bool>("over");
        QTest::newRow("left edge inside") << QPoint(226, 300) << true;
        QTest::newRow("on the left line") << QPoint(225, 300) << false;
        QTest::newRow("bottom edge inside") << QPoint(300, 404) << true;
        QTest::newRow("on the bottom line") << QPoint(300, 405) << false;
    }
    // The hover test takes the button's new top-left plus the event's local
    // position, so the move is made to put that point on `probe`.
    void hoverOverThePreviewMarksThePair()
    {
        QFETCH(QPoint, probe);
        QFETCH(bool, over);
        chooseLayout("fg1x2");
        matrixbtn *button = input(3);
        const QPoint from = button->pos();
        const QPoint press(10 + ((probe.x() - from.x()) & 1), 10 + ((probe.y() - from.y()) & 1));
        QTest::mousePress(button, Qt::LeftButton, {}, press);
        moveWithin(button, (probe - from + press) / 2);
        for (int k = 1; k <= 2; ++k)
            QCOMPARE(window(k)->styleSheet(), QLatin1String(over ? WindowUnderDrag : WindowIdle));
        release(3, QPoint(700, 600));
        QCOMPARE(window(1)->styleSheet(), QLatin1String(WindowIdle));
    }

    void pairModesCarryThePartnerAlong()
    {
        chooseLayout("fg2x1");
        matrixbtn *button = input(3);
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
        moveWithin(button, QPoint(300, 250) - button->pos() + QPoint(10, 10));
        QCOMPARE(button->pos(), QPoint(300, 250));
        QCOMPARE(input(4)->pos(), QPoint(300, 310));
        release(3, QPoint(700, 600));
        QCOMPARE(input(3)->pos(), home(3));
        QCOMPARE(input(4)->pos(), home(4));
    }

    void aRightReleaseNeitherDropsNorGoesHome()
    {
        chooseLayout("fg1");
        mPort->commandsSent();
        drag(2, PreviewMiddle);
        // The press made this button's home the one the routing page's buttons share.
        QCOMPARE(QPoint(DragPushButton::sStartX, DragPushButton::sStartY), home(2));
        const QPoint dragged = input(2)->pos();
        release(2, PreviewMiddle, Qt::RightButton);
        QCOMPARE(input(2)->pos(), dragged);
        QCOMPARE(mPort->commandsSent(), QStringList());
        release(2, PreviewMiddle);
        QCOMPARE(input(2)->pos(), home(2));
        QCOMPARE(mPort->commandsSent(), QStringList({"6603020002"}));
    }

    void languageChangeRetranslatesTheForm()
    {
        LanguageFile::installTranslation(3);
        mPage->matrixlang();
        LanguageFile::installTranslation(0);
        QCOMPARE(layoutButton("pushButton")->text(), QStringLiteral("Imagen en imagen"));
    }

    // Run with HALDEN_SCREENSHOT_DIR set to keep pictures of the page.
    void screenshot()
    {
        const QString dir = qEnvironmentVariable("HALDEN_SCREENSHOT_DIR");
        if (dir.isEmpty())
            QSKIP("HALDEN_SCREENSHOT_DIR not set");
        QVERIFY(mPage->grab().save(dir + "/splitpage_start.png"));
        chooseLayout("fg1x4");
        dropInput(3, PreviewMiddle);
        QVERIFY(mPage->grab().save(dir + "/splitpage_onelarge.png"));
        chooseLayout("pushButton");
        drag(1, PreviewMiddle);
        QVERIFY(mPage->grab().save(dir + "/splitpage_pip_dragging.png"));
        release(1, PreviewMiddle);
    }
};

QTEST_MAIN(TstSplitPage)
#include "tst_splitpage.moc"
