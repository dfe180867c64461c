#include <QtTest>

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "maincontent/controlwidget/bannacontrol/bannacontrol.h"

namespace {

// The five frames from left to right; the third is the large middle one.
const QVector<QRect> kFrames = {
    {20, 100, 320, 200}, {70, 70, 400, 250}, {150, 50, 480, 300}, {330, 70, 400, 250}, {470, 100, 320, 200},
};
const char *const kLabels[] = {"labelFirst", "labelSecond", "labelThird", "labelFourth", "labelFifth"};
const char *const kDots[] = {"pushButtonFirst", "pushButtonSecond", "pushButtonThird", "pushButtonFourth",
                             "pushButtonFifth"};

// Picture k stands in frame k at the start; each advance moves every picture
// one frame to the left, round to the rightmost.
QVector<QRect> framesAfter(int advances)
{
    QVector<QRect> frames;
    for (int k = 0; k < 5; ++k)
        frames.append(kFrames.at(((k - advances) % 5 + 5) % 5));
    return frames;
}

} // namespace

class TstCarousel : public QObject
{
    Q_OBJECT

    struct Carousel
    {
        BannaControl widget;
        Carousel()
        {
            // Steps come only from the test unless it runs the timer itself.
            timer()->stop();
            widget.show();
        }
        QTimer *timer() { return widget.findChild<QTimer *>(QString(), Qt::FindDirectChildrenOnly); }
        QLabel *label(int k) { return widget.findChild<QLabel *>(kLabels[k]); }
        QPushButton *dot(int k) { return widget.findChild<QPushButton *>(kDots[k]); }
        QPushButton *button(const char *name) { return widget.findChild<QPushButton *>(name); }
        QVector<QRect> frames()
        {
            QVector<QRect> frames;
            for (int k = 0; k < 5; ++k)
                frames.append(label(k)->geometry());
            return frames;
        }
        int checkedDot()
        {
            int found = -1;
            for (int k = 0; k < 5; ++k) {
                if (dot(k)->isChecked()) {
                    if (found >= 0)
                        return -2;   // two dots lit
                    found = k;
                }
            }
            return found;
        }
        // The picture label painted last, i.e. in front of the others.
        int frontPicture()
        {
            const QObjectList children = widget.findChild<QWidget *>("widgetImage")->children();
            for (int i = children.size() - 1; i >= 0; --i) {
                for (int k = 0; k < 5; ++k)
                    if (children.at(i) == label(k))
                        return k;
            }
            return -1;
        }
        bool arrowsOnTop()
        {
            const QObjectList children = widget.findChild<QWidget *>("widgetImage")->children();
            const int n = children.size();
            return n >= 2 && children.at(n - 2) == button("pushButtonLeft")
                   && children.at(n - 1) == button("pushButtonRight");
        }
    };

private slots:
    void startsWithEachPictureInItsFrame()
    {
        Carousel c;
        QCOMPARE(c.frames(), framesAfter(0));
        for (int k = 0; k < 5; ++k) {
            const QString picture = QStringLiteral(":/res/res/image/banna/%1.jpg").arg(k + 1);
            QCOMPARE(c.label(k)->styleSheet(), QStringLiteral("border-image:url(%1)").arg(picture));
            QVERIFY(!QImage(picture).isNull());
        }
        QCOMPARE(c.checkedDot(), 2);
        QCOMPARE(c.frontPicture(), 2);
        QVERIFY(c.arrowsOnTop());
        QVERIFY(c.widget.windowFlags() & Qt::FramelessWindowHint);
    }

    void aStepMovesEveryPictureOneFrame_data()
    {
        QTest::addColumn<QString>("arrow");
        QTest::addColumn<int>("advances");
        QTest::addColumn<int>("middle");   // picture that comes to the middle frame
        QTest::newRow("right arrow") << "pushButtonRight" << 1 << 3;
        QTest::newRow("left arrow") << "pushButtonLeft" << -1 << 1;
    }

    void aStepMovesEveryPictureOneFrame()
    {
        QFETCH(QString, arrow);
        QFETCH(int, advances);
        QFETCH(int, middle);
        Carousel c;
        QTest::mouseClick(c.button(qPrintable(arrow)), Qt::LeftButton);

        // The dot and the stacking change at once; the frames at the end of the slide.
        QCOMPARE(c.checkedDot(), middle);
        QCOMPARE(c.frontPicture(), middle);
        QVERIFY(c.arrowsOnTop());
        QTRY_COMPARE_WITH_TIMEOUT(c.frames(), framesAfter(advances), 2000);
        QCOMPARE(c.label(middle)->geometry(), kFrames.at(2));
        for (int k = 0; k < 5; ++k)
            QVERIFY(c.label(k)->styleSheet().contains(QStringLiteral("banna/%1.jpg").arg(k + 1)));
    }

    void stepsComeBackToTheStart_data()
    {
        QTest::addColumn<QString>("clicks");   // R right arrow, L left arrow
        QTest::newRow("five advances") << "RRRRR";
        QTest::newRow("five steps back") << "LLLLL";
        QTest::newRow("advance then back") << "RL";
        QTest::newRow("back then advance") << "LR";
    }

    void stepsComeBackToTheStart()
    {
        QFETCH(QString, clicks);
        Carousel c;
        int advances = 0;
        for (const QChar click : clicks) {
            const bool right = click == QLatin1Char('R');
            QTest::mouseClick(c.button(right ? "pushButtonRight" : "pushButtonLeft"), Qt::LeftButton);
            advances += right ? 1 : -1;
            QTRY_COMPARE_WITH_TIMEOUT(c.frames(), framesAfter(advances), 2000);
            QCOMPARE(c.checkedDot(), ((2 + advances) % 5 + 5) % 5);
            QCOMPARE(c.frontPicture(), c.checkedDot());
        }
        QCOMPARE(c.frames(), framesAfter(0));
        QCOMPARE(c.checkedDot(), 2);
    }

    void aStepDuringTheSlideIsDropped()
    {
        Carousel c;
        QTest::mouseClick(c.button("pushButtonRight"), Qt::LeftButton);
        QTest::mouseClick(c.button("pushButtonRight"), Qt::LeftButton);
        QTest::mouseClick(c.button("pushButtonLeft"), Qt::LeftButton);
        c.widget.slot_changeImageTimer();
        QCOMPARE(c.checkedDot(), 3);
        QTRY_COMPARE_WITH_TIMEOUT(c.frames(), framesAfter(1), 2000);

        // Once the slide is over, steps are taken again.
        QTest::mouseClick(c.button("pushButtonRight"), Qt::LeftButton);
        QCOMPARE(c.checkedDot(), 4);
        QTRY_COMPARE_WITH_TIMEOUT(c.frames(), framesAfter(2), 2000);
    }

    void theTimerAdvancesEveryThreeSeconds()
    {
        Carousel c;
        QTimer *timer = c.timer();
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 3000);
        BannaControl fresh;
        QVERIFY(fresh.findChild<QTimer *>(QString(), Qt::FindDirectChildrenOnly)->isActive());

        QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
        QCOMPARE(c.checkedDot(), 3);
        QTRY_COMPARE_WITH_TIMEOUT(c.frames(), framesAfter(1), 2000);
    }

    void aDotClickOnlyLightsThatDot()
    {
        Carousel c;
        QTest::mouseClick(c.dot(0), Qt::LeftButton);
        QCOMPARE(c.checkedDot(), 0);
        QTest::mouseClick(c.dot(4), Qt::LeftButton);
        QCOMPARE(c.checkedDot(), 4);
        QCOMPARE(c.frames(), framesAfter(0));
        QCOMPARE(c.frontPicture(), 2);
    }
};

QTEST_MAIN(TstCarousel)
#include "tst_carousel.moc"
