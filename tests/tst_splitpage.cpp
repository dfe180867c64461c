#include <QtTest>

#include "controlpageport.h"
#include "maincontent/controlwidget/matrix/matrix.h"
#include "maincontent/controlwidget/matrix/matrixbtn.h"
#include "maincontent/controlwidget/matrix/splitlayouts.h"

#include <QPushButton>
#include <memory>

using Inputs = QVector<int>;

// The split page driven with the mouse; its commands are read back from the
// shared serial port on a pseudo-terminal.
class TstSplitPage : public QObject
{
    Q_OBJECT

    ControlPagePort mPort;
    std::unique_ptr<matrix> mPage;
    const QPoint mMiddle {385, 320}; // of the preview

    void chooseLayout(const QString &name) { QTest::mouseClick(mPage->findChild<QPushButton *>(name), Qt::LeftButton); }
    QPushButton *window(int k) const
    {
        return QVector<QPushButton *> {mPage->mWindowButton1, mPage->mWindowButton2, mPage->mWindowButton3,
                                       mPage->mWindowButton4}[k - 1];
    }
    matrixbtn *input(int k) const
    {
        return QVector<matrixbtn *> {mPage->mInputButton1, mPage->mInputButton2, mPage->mInputButton3,
                                     mPage->mInputButton4}[k - 1];
    }
    QPoint home(int k) const { return QPoint(650, 160 + 60 * k); }

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
    void init()
    {
        mPage.reset(new matrix);
        mPage->show();
        QVERIFY(QTest::qWaitForWindowExposed(mPage.get()));
    }

    void layoutDrawsItsWindowsAndSends_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("command");
        QTest::newRow("single") << "fg1" << "6603020001";
        QTest::newRow("2x2 grid") << "fg2x2" << "660301006a";
        QTest::newRow("left and right") << "fg1x2" << "6603030001";
        QTest::newRow("upper and lower") << "fg2x1" << "6603040001";
        QTest::newRow("one large three small") << "fg1x4" << "6603060001";
        QTest::newRow("H shape") << "fg4x1" << "6603060005";
        QTest::newRow("equal left and right") << "fg1x2_2" << "6603030002";
        QTest::newRow("equal upper and lower") << "fg2x1_2" << "6603040002";
        QTest::newRow("picture in picture") << "pushButton" << "6603050001";
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
        const QPoint m = mMiddle;
        QTest::newRow("none, HDMI 1") << "" << 1 << m << QStringList {"6601010169"} << Inputs {1, 2, 3, 4};
        QTest::newRow("single, frame's left edge") << "fg1" << 2 << QPoint(221, 300) << QStringList {"6603020002"}
                                                   << Inputs {2};
        QTest::newRow("single, left of the frame") << "fg1" << 2 << QPoint(220, 300) << QStringList {} << Inputs {1};
        QTest::newRow("one large, HDMI 3") << "fg1x4" << 3 << m << QStringList {"6603060003"} << Inputs {3, 1, 2, 4};
        QTest::newRow("in picture, HDMI 4") << "pushButton" << 4 << m << QStringList {"6603050004"} << Inputs {4, 3};
        QTest::newRow("left-right, HDMI 1") << "fg1x2" << 1 << m << QStringList {"6601010169", "6603030001"}
                                            << Inputs {1, 2};
        QTest::newRow("left-right, HDMI 4") << "fg1x2" << 4 << m << QStringList {"6603030003"} << Inputs {3, 4};
        QTest::newRow("equal left-right, HDMI 3") << "fg1x2_2" << 3 << m << QStringList {"6603030004"} << Inputs {3, 4};
        QTest::newRow("upper-lower, HDMI 3") << "fg2x1" << 3 << m << QStringList {"6603040003"} << Inputs {3, 4};
        QTest::newRow("equal upper-lower, HDMI 4") << "fg2x1_2" << 4 << m << QStringList {"6603040004"} << Inputs {3, 4};
    }
    void dropPutsTheInputIntoTheLayout()
    {
        QFETCH(QString, layout);
        QFETCH(int, input);
        QFETCH(QPoint, at);
        QFETCH(QStringList, commands);
        QFETCH(Inputs, pictures);
        if (!layout.isEmpty())
            chooseLayout(layout);
        mPort.commandsSent();
        drop(input, at);
        QCOMPARE(mPort.commandsSent(), commands);
        QCOMPARE(inputsShown(pictures.size()), pictures);
        for (int k = 1; k <= 4; ++k) // every input back home, its partner included
            QCOMPARE(this->input(k)->pos(), home(k));
    }

    void screenshot() // with HALDEN_SCREENSHOT_DIR set
    {
        if (qEnvironmentVariableIsEmpty("HALDEN_SCREENSHOT_DIR"))
            QSKIP("HALDEN_SCREENSHOT_DIR not set");
        chooseLayout("fg1x4");
        drop(3, mMiddle);
        QVERIFY(mPage->grab().save(qEnvironmentVariable("HALDEN_SCREENSHOT_DIR") + "/splitpage.png"));
    }
};

QTEST_MAIN(TstSplitPage)
#include "tst_splitpage.moc"
