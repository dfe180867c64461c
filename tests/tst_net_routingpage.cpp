#include <QtTest>

#include "controlpageroad.h"
#include "globals.h"
#include "linktestsupport.h"
#include "maincontent/controlwidget/framecontrol/dragpushbutton.h"
#include "maincontent/controlwidget/framecontrol/framewidget.h"
#include "widgetdrag.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

Q_DECLARE_METATYPE(ControlPageRoad::Kind)

// The routing page end to end: a user's clicks, drags and menu choices reach
// the box as routing commands, over the serial road (a pseudo-terminal) and
// over the TCP road (a server at 10.77.0.2 inside the test's namespace).
class TstNetRoutingPage : public QObject
{
    Q_OBJECT

    std::unique_ptr<ControlPageRoad> mRoad;
    std::unique_ptr<FrameWidget> mPage;

    QPushButton *output(int o) const
    {
        return formChild<QPushButton>(mPage.get(), QStringLiteral("label%1").arg(o).toLatin1().constData());
    }
    DragPushButton *input(int i) const { return mPage->mInputButtons[i - 1]; }

    void openRoad()
    {
        QFETCH(ControlPageRoad::Kind, road);
        mRoad.reset(new ControlPageRoad(road));
        QVERIFY(mRoad->isOpen());
    }

    static void addRoadColumn()
    {
        QTest::addColumn<ControlPageRoad::Kind>("road");
    }
    static QTestData &row(ControlPageRoad::Kind road, const char *name)
    {
        return QTest::addRow("%s, %s", road == ControlPageRoad::Tcp ? "tcp" : "serial", name) << road;
    }

    // Right-clicks the page at `point` and picks the menu's entry `entry` (1..4)
    // with the keyboard, as a user would.
    void chooseFromMenu(QPoint point, int entry)
    {
        QWidget *target = mPage->childAt(point);
        if (!target)
            target = mPage.get();
        const QPoint local = target->mapFrom(mPage.get(), point);
        QCursor::setPos(target->mapToGlobal(local));
        QTest::mousePress(target, Qt::RightButton, Qt::NoModifier, local);
        QTest::mouseRelease(target, Qt::RightButton, Qt::NoModifier, local);
        bool shown = false;
        QTimer::singleShot(0, this, [&shown, entry] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            shown = true;
            for (int i = 0; i < entry; ++i)
                QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, local, target->mapToGlobal(local));
        QApplication::sendEvent(target, &event);
        QVERIFY(shown);
    }

private slots:
    void init()
    {
        resetLinkFlags();
        g_languageIndex = 0;
        mPage.reset(new FrameWidget);
        mPage->show();
    }

    void cleanup()
    {
        mPage.reset();
        mRoad.reset();
        g_languageIndex = 0;
    }

    void clickRoutesTheSelectedInput_data()
    {
        addRoadColumn();
        for (auto road : {ControlPageRoad::Serial, ControlPageRoad::Tcp})
            row(road, "input 3 to output 2");
    }
    void clickRoutesTheSelectedInput()
    {
        openRoad();
        QTest::mouseClick(input(3), Qt::LeftButton);
        QCOMPARE(mPage->mSelectedInput, 3);
        QCOMPARE(mRoad->received(), QByteArray()); // selecting sends nothing
        QTest::mouseClick(output(2), Qt::LeftButton);
        QCOMPARE(mRoad->received(), mRoad->wire("6604020003"));
        QCOMPARE(output(2)->text(), QStringLiteral("3"));
        QVERIFY(output(2)->styleSheet().contains("#31B0FF"));
        // The selection stays for the next output.
        QTest::mouseClick(output(4), Qt::LeftButton);
        QCOMPARE(mRoad->received(), mRoad->wire("6604040003"));
    }

    void clickWithoutAnInputDoesNothing()
    {
        mRoad.reset(new ControlPageRoad(ControlPageRoad::Serial));
        QVERIFY(mRoad->isOpen());
        QSignalSpy clicked(output(1), &QPushButton::clicked);
        QTest::mouseClick(output(1), Qt::LeftButton);
        QCOMPARE(mRoad->received(), QByteArray());
        QCOMPARE(output(1)->text(), QStringLiteral("HDMI OUT 1"));
        QCOMPARE(clicked.count(), 0); // the page keeps left presses from the output
    }

    void dragRoutesTheDraggedInput_data()
    {
        addRoadColumn();
        QTest::addColumn<int>("in");
        QTest::addColumn<QPoint>("topLeft");
        QTest::addColumn<int>("out");
        QTest::addColumn<QString>("command");
        for (auto road : {ControlPageRoad::Serial, ControlPageRoad::Tcp}) {
            row(road, "input 4 onto output 3") << 4 << QPoint(100, 300) << 3 << "6604030004";
            row(road, "input 4 beside output 3, inside its drop area") << 4 << QPoint(70, 245) << 3 << "6604030004";
            row(road, "input 1 onto output 2") << 1 << QPoint(400, 150) << 2 << "6604020001";
            row(road, "input 2 between the outputs") << 2 << QPoint(265, 300) << 0 << "";
        }
    }
    void dragRoutesTheDraggedInput()
    {
        QFETCH(int, in);
        QFETCH(QPoint, topLeft);
        QFETCH(int, out);
        QFETCH(QString, command);
        openRoad();
        const QRect home = input(in)->geometry();
        WidgetDrag(input(in)).dropAt(topLeft);
        QCOMPARE(input(in)->geometry(), home);
        if (out == 0) {
            QCOMPARE(mRoad->received(), QByteArray());
            return;
        }
        QCOMPARE(mRoad->received(), mRoad->wire(command));
        QCOMPARE(output(out)->text(), QString::number(in));
        QVERIFY(output(out)->styleSheet().contains("#31B0FF"));
        // The cursor ended on the dragged button: the drop counts as a click too.
        QCOMPARE(mPage->mSelectedInput, in);
    }

    void menuRoutesToTheOutputUnderThePress_data()
    {
        addRoadColumn();
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("command");
        for (auto road : {ControlPageRoad::Serial, ControlPageRoad::Tcp}) {
            row(road, "above output 1, input 2") << QPoint(100, 100) << 2 << "6604010002";
            row(road, "on output 3's button, inside output 4's area") << QPoint(270, 300) << 4 << "6604040004";
            row(road, "between the areas") << QPoint(265, 300) << 1 << "";
        }
    }
    void menuRoutesToTheOutputUnderThePress()
    {
        QFETCH(QPoint, point);
        QFETCH(int, entry);
        QFETCH(QString, command);
        openRoad();
        chooseFromMenu(point, entry);
        QCOMPARE(mPage->mMenuPoint, point);
        if (command.isEmpty()) {
            QCOMPARE(mRoad->received(), QByteArray());
            return;
        }
        QCOMPARE(mRoad->received(), mRoad->wire(command));
        const int out = command.mid(4, 2).toInt();
        QCOMPARE(output(out)->text(), QString::number(entry));
    }

    void tcpSendIgnoresTheNetworkFlag()
    {
        mRoad.reset(new ControlPageRoad(ControlPageRoad::Tcp));
        QVERIFY(mRoad->isOpen());
        g_networkConnected = false;
        input(1)->tcpSend(QStringLiteral("6604020001"));
        g_networkConnected = true;
        QCOMPARE(mRoad->received(), QByteArray("6604020001\n"));
    }

    void menuTextsFollowTheLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("Chinese") << 0 << "选择HDMI 1" << "选择HDMI 4";
        QTest::newRow("English") << 1 << "Choose HDMI 1" << "Choose HDMI 4";
        QTest::newRow("Russian") << 2 << "选择HDMI 1" << "选择HDMI 4";
        QTest::newRow("Spanish") << 3 << "Choose HDMI 1" << "Choose HDMI 4";
    }
    void menuTextsFollowTheLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QCOMPARE(mPage->mActions[0]->text(), QStringLiteral("切换输入源一"));
        g_languageIndex = language;
        mPage->lang2();
        QCOMPARE(mPage->mActions[0]->text(), first);
        QCOMPARE(mPage->mActions[3]->text(), last);
    }

    // Set HALDEN_SCREENSHOT_DIR to keep the picture for a look.
    void pageLooksAsDrawn()
    {
        mRoad.reset(new ControlPageRoad(ControlPageRoad::Serial));
        QVERIFY(mRoad->isOpen());
        QTest::mouseClick(input(2), Qt::LeftButton);
        QTest::mouseClick(output(4), Qt::LeftButton);
        const QImage shot = mPage->grab().toImage();
        const QString dir = qEnvironmentVariable("HALDEN_SCREENSHOT_DIR");
        if (!dir.isEmpty())
            QVERIFY(shot.save(dir + "/routingpage.png"));

        QCOMPARE(shot.size(), QSize(829, 558));
        // Blue as the style sheets paint them, whatever shading the style adds.
        const auto bluish = [](QColor c) { return c.blue() > 200 && c.blue() > c.red() + 30; };
        // The four input buttons stand in a column right of the outputs.
        for (int i = 1; i <= 4; ++i) {
            QCOMPARE(input(i)->geometry(), QRect(650, 110 + 65 * (i - 1), 80, 50));
            QVERIFY(bluish(shot.pixelColor(655, 150 + 65 * (i - 1))));
        }
        // Outputs framed in black, the one routed to filled with the mark.
        QCOMPARE(shot.pixelColor(80, 170), QColor(Qt::black));
        QCOMPARE(shot.pixelColor(200, 374), QColor(Qt::black));
        QVERIFY(!bluish(shot.pixelColor(200, 200)));
        QVERIFY(bluish(shot.pixelColor(340, 360)));
        QCOMPARE(output(4)->text(), QStringLiteral("2"));
    }
};

QTEST_MAIN(TstNetRoutingPage)
#include "tst_net_routingpage.moc"
