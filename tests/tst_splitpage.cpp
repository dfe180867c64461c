#include <QtTest>

#include "controlpageport.h"
#include "maincontent/controlwidget/matrix/matrix.h"
#include "maincontent/controlwidget/matrix/matrixbtn.h"
#include "maincontent/controlwidget/matrix/splitlayouts.h"
#include <QPushButton>
#include <memory>

using Inputs = QVector<int>;

// The split page driven with the mouse; its commands are read back from the shared serial port on a pty.
class TstSplitPage : public QObject
{
    Q_OBJECT

    ControlPagePort mPort;
    std::unique_ptr<matrix> mPage;
    const QPoint mMiddle {385, 320}; // of the preview

    void chooseLayout(const QString &name) { QTest::mouseClick(mPage->findChild<QPushButton *>(name), Qt::LeftButton); }
    QPushButton *window(int k) const
    { return QVector<QPushButton *> {mPage->mWindowButton1, mPage->mWindowButton2, mPage->mWindowButton3,
                                     mPage->mWindowButton4}[k - 1]; }
    matrixbtn *input(int k) const
    { return QVector<matrixbtn *> {mPage->mInputButton1, mPage->mInputButton2, mPage->mInputButton3,
                                   mPage->mInputButton4}[k - 1]; }

    // The inputs whose pictures windows 1..n show (0: none of the four).
    Inputs inputsShown(int windows) const
    {
        Inputs shown;
        for (int k = 1; k <= windows; ++k) {
            const QImage picture = window(k)->icon().pixmap(QSize(48, 27)).toImage();
            int n = 4;
            while (n > 0 && QIcon(QString(":/res/res/image/1/HDMI %1.png").arg(n)).pixmap(48, 27).toImage() != picture)
                --n;
            shown << n;
        }
        return shown;
    }

    // Drags input k from its middle to page point `to` in steps, as a hand does, and lets go.
    void drop(int k, QPoint to)
    {
        matrixbtn *button = input(k);
        const QPoint grab(40, 25), from = button->mapTo(mPage.get(), grab);
        QTest::mousePress(button, Qt::LeftButton, {}, grab);
        for (int step = 1; step <= 8; ++step) {
            const QPoint local = button->mapFrom(mPage.get(), from + (to - from) * step / 8);
            QMouseEvent move(QEvent::MouseMove, local, button->mapToGlobal(local), Qt::NoButton, Qt::LeftButton, {});
            QApplication::sendEvent(button, &move);
        }
        QCursor::setPos(mPage->mapToGlobal(to));
        QTest::mouseRelease(button, Qt::LeftButton, {}, button->mapFrom(mPage.get(), to));
    }

private slots:
    void initTestCase() { QVERIFY(mPort.open()); }
    void init() { mPage.reset(new matrix); mPage->show(); QVERIFY(QTest::qWaitForWindowExposed(mPage.get())); }

    void layoutDrawsItsWindowsAndSends_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("command");
        for (const auto &row : QVector<QStringList> {{"single", "fg1", "6603020001"}, {"2x2 grid", "fg2x2", "660301006a"},
                 {"left and right", "fg1x2", "6603030001"}, {"upper and lower", "fg2x1", "6603040001"},
                 {"one large three small", "fg1x4", "6603060001"}, {"H shape", "fg4x1", "6603060005"},
                 {"equal left and right", "fg1x2_2", "6603030002"}, {"equal upper and lower", "fg2x1_2", "6603040002"},
                 {"picture in picture", "pushButton", "6603050001"}})
            QTest::newRow(qPrintable(row[0])) << row[1] << row[2];
    }
    void layoutDrawsItsWindowsAndSends()
    {
        QFETCH(QString, button);
        QFETCH(QString, command);
        // Another layout and drop first, so that what follows is this layout's doing.
        chooseLayout("fg1x4");
        drop(4, mMiddle);
        mPort.commandsSent();
        chooseLayout(button);
        for (const SplitLayouts::Layout &layout : SplitLayouts::layouts(QRect(225, 230, 320, 180))) {
            if (layout.button != button)
                continue;
            for (int k = 1; k <= layout.windowsInUse; ++k) // drawn as the table says
                QCOMPARE(window(k)->geometry(), layout.windows[k - 1]);
            QCOMPARE(inputsShown(layout.windowsInUse), Inputs({1, 2, 3, 4}).mid(0, layout.windowsInUse));
        }
        QCOMPARE(mPort.commandsSent(), QStringList({command}));
    }

    void dropPutsTheInputIntoTheLayout_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<int>("input");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<Inputs>("pictures");
        const auto row = [m = mMiddle](const char *name, const char *layout, int in, QStringList commands, Inputs pictures,
                                       QPoint at = {}) {
            QTest::newRow(name) << QString(layout) << in << (at.isNull() ? m : at) << commands << pictures;
        };
        row("none, HDMI 1", "", 1, {"6601010169"}, {1, 2, 3, 4});
        row("single, frame's left edge", "fg1", 2, {"6603020002"}, {2}, {221, 300});
        row("single, left of the frame", "fg1", 2, {}, {1}, {220, 300});
        row("one large, HDMI 3", "fg1x4", 3, {"6603060003"}, {3, 1, 2, 4});
        row("in picture, HDMI 4", "pushButton", 4, {"6603050004"}, {4, 3});
        row("left-right, HDMI 1", "fg1x2", 1, {"6601010169", "6603030001"}, {1, 2});
        row("left-right, HDMI 4", "fg1x2", 4, {"6603030003"}, {3, 4});
        row("equal left-right, HDMI 3", "fg1x2_2", 3, {"6603030004"}, {3, 4});
        row("upper-lower, HDMI 3", "fg2x1", 3, {"6603040003"}, {3, 4});
        row("equal upper-lower, HDMI 4", "fg2x1_2", 4, {"6603040004"}, {3, 4});
    }
    void dropPutsTheInputIntoTheLayout()
    {
        QFETCH(QString, layout);
        QFETCH(int, input);
        QFETCH(QPoint, at);
        QFETCH(Inputs, pictures);
        if (!layout.isEmpty())
            chooseLayout(layout);
        mPort.commandsSent();
        drop(input, at);
        QTEST(mPort.commandsSent(), "commands");
        QCOMPARE(inputsShown(pictures.size()), pictures);
        for (int k = 1; k <= 4; ++k) // every input back home, its partner included
            QCOMPARE(this->input(k)->pos(), QPoint(650, 160 + 60 * k));
    }
};

QTEST_MAIN(TstSplitPage)
#include "tst_splitpage.moc"
