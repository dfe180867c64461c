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
const char *const kOrdinals[] = {"First", "Second", "Third", "Fourth", "Fifth"};

// Picture k starts in frame k; each advance moves every picture one frame left, round to the rightmost.
QVector<QRect> framesAfter(int advances)
{
    QVector<QRect> frames;
    for (int k = 0; k < 5; ++k)
        frames.append(kFrames.at(((k - advances) % 5 + 5) % 5));
    return frames;
}

int middleAfter(int advances) { return ((2 + advances) % 5 + 5) % 5; }

QTimer *stepTimer(BannaControl &c) { return c.findChild<QTimer *>(QString(), Qt::FindDirectChildrenOnly); }
QLabel *label(BannaControl &c, int k) { return c.findChild<QLabel *>(QLatin1String("label") + kOrdinals[k]); }
QPushButton *dot(BannaControl &c, int k) { return c.findChild<QPushButton *>(QLatin1String("pushButton") + kOrdinals[k]); }
QPushButton *arrow(BannaControl &c, bool right) { return c.findChild<QPushButton *>(right ? "pushButtonRight" : "pushButtonLeft"); }

QVector<QRect> frames(BannaControl &c)
{
    QVector<QRect> result;
    for (int k = 0; k < 5; ++k)
        result.append(label(c, k)->geometry());
    return result;
}

QVector<int> checkedDots(BannaControl &c)
{
    QVector<int> result;
    for (int k = 0; k < 5; ++k)
        if (dot(c, k)->isChecked())
            result.append(k);
    return result;
}

// The pictures' numbers 0..4 and 'L', 'R' for the arrows, from the back to the front.
QVector<int> stacking(BannaControl &c)
{
    QVector<int> order;
    for (QObject *child : c.findChild<QWidget *>("widgetImage")->children()) {
        for (int k = 0; k < 5; ++k)
            if (child == label(c, k))
                order.append(k);
        if (child == arrow(c, false) || child == arrow(c, true))
            order.append(child == arrow(c, true) ? 'R' : 'L');
    }
    return order;
}

} // namespace

class TstCarousel : public QObject
{
    Q_OBJECT

private slots:
    void startsWithEachPictureInItsFrame()
    {
        BannaControl c;
        QCOMPARE(frames(c), framesAfter(0));
        for (int k = 0; k < 5; ++k) {
            const QString picture = QStringLiteral(":/res/res/image/banna/%1.jpg").arg(k + 1);
            QCOMPARE(label(c, k)->styleSheet(), QStringLiteral("border-image:url(%1)").arg(picture));
            QVERIFY(!QImage(picture).isNull());
        }
        QCOMPARE(checkedDots(c), QVector<int>{2});
        QCOMPARE(stacking(c).mid(4), (QVector<int>{2, 'L', 'R'}));
        QVERIFY(c.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(stepTimer(c)->isActive());
        QCOMPARE(stepTimer(c)->interval(), 3000);
    }

    void eachStepMovesEveryPictureOneFrame_data()
    {
        QTest::addColumn<QString>("steps");   // R right arrow, L left arrow, T timer tick
        QTest::newRow("right arrow") << "R";
        QTest::newRow("left arrow") << "L";
        QTest::newRow("timer") << "T";
        QTest::newRow("five advances") << "RRRRR";
        QTest::newRow("five steps back") << "LLLLL";
        QTest::newRow("advance then back") << "RL";
        QTest::newRow("back then timer") << "LT";
    }

    void eachStepMovesEveryPictureOneFrame()
    {
        QFETCH(QString, steps);
        BannaControl c;
        c.show();
        stepTimer(c)->stop();
        int advances = 0;
        for (const QChar step : steps) {
            if (step == QLatin1Char('T'))
                QVERIFY(QMetaObject::invokeMethod(stepTimer(c), "timeout"));
            else
                QTest::mouseClick(arrow(c, step == QLatin1Char('R')), Qt::LeftButton);
            advances += step == QLatin1Char('L') ? -1 : 1;

            // The dot and the stacking change at once, the frames by the end of the slide;
            // the picture coming to the middle is in front, the arrows above all.
            const int middle = middleAfter(advances);
            QCOMPARE(checkedDots(c), QVector<int>{middle});
            QCOMPARE(stacking(c).mid(4), (QVector<int>{middle, 'L', 'R'}));
            QTRY_COMPARE_WITH_TIMEOUT(frames(c), framesAfter(advances), 2000);
            QVERIFY(label(c, middle)->styleSheet().contains(QStringLiteral("banna/%1.jpg").arg(middle + 1)));
        }
    }

    void aStepDuringTheSlideIsDropped()
    {
        BannaControl c;
        stepTimer(c)->stop();
        QTest::mouseClick(arrow(c, true), Qt::LeftButton);
        QTest::mouseClick(arrow(c, true), Qt::LeftButton);
        QTest::mouseClick(arrow(c, false), Qt::LeftButton);
        c.slot_changeImageTimer();
        QCOMPARE(checkedDots(c), QVector<int>{3});
        QTRY_COMPARE_WITH_TIMEOUT(frames(c), framesAfter(1), 2000);

        // Once the slide is over, steps are taken again.
        QTest::mouseClick(arrow(c, true), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(frames(c), framesAfter(2), 2000);
    }

    void aDotClickOnlyLightsThatDot()
    {
        BannaControl c;
        stepTimer(c)->stop();
        QTest::mouseClick(dot(c, 0), Qt::LeftButton);
        QTest::mouseClick(dot(c, 4), Qt::LeftButton);
        QCOMPARE(checkedDots(c), QVector<int>{4});
        QCOMPARE(frames(c), framesAfter(0));
    }
};

QTEST_MAIN(TstCarousel)
#include "tst_carousel.moc"
