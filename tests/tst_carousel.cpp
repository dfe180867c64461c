#include <QtTest>

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "maincontent/controlwidget/bannacontrol/bannacontrol.h"

namespace {

const char *const kOrdinals[] = {"First", "Second", "Third", "Fourth", "Fifth"};

// Picture k starts in frame k (the third is the large middle one); each
// advance moves every picture one frame left, round to the rightmost.
QVector<QRect> framesAfter(int advances)
{
    const QVector<QRect> frames = {{20, 100, 320, 200}, {70, 70, 400, 250}, {150, 50, 480, 300},
                                   {330, 70, 400, 250}, {470, 100, 320, 200}};
    QVector<QRect> result;
    for (int k = 0; k < 5; ++k)
        result << frames[((k - advances) % 5 + 5) % 5];
    return result;
}

QPushButton *arrow(BannaControl &c, bool right)
{
    return c.findChild<QPushButton *>(right ? "pushButtonRight" : "pushButtonLeft");
}
QTimer *stopTimer(BannaControl &c)
{
    QTimer *timer = c.findChild<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
    timer->stop();
    return timer;
}

QVector<QRect> frames(BannaControl &c)
{
    QVector<QRect> result;
    for (const char *ordinal : kOrdinals)
        result << c.findChild<QLabel *>(QLatin1String("label") + ordinal)->geometry();
    return result;
}

QVector<int> checkedDots(BannaControl &c)
{
    QVector<int> result;
    for (int k = 0; k < 5; ++k)
        if (c.findChild<QPushButton *>(QLatin1String("pushButton") + kOrdinals[k])->isChecked())
            result << k;
    return result;
}

} // namespace

class TstCarousel : public QObject
{
    Q_OBJECT

private slots:
    void eachStepMovesEveryPictureOneFrame_data()
    {
        QTest::addColumn<QString>("steps"); // R right arrow, L left arrow, T timer tick
        QTest::newRow("right arrow") << "R";
        QTest::newRow("left arrow") << "L";
        QTest::newRow("timer") << "T";
        QTest::newRow("five steps back") << "LLLLL";
    }
    void eachStepMovesEveryPictureOneFrame()
    {
        QFETCH(QString, steps);
        BannaControl c;
        QTimer *timer = stopTimer(c);
        QCOMPARE(frames(c), framesAfter(0));
        QCOMPARE(checkedDots(c), QVector<int>{2});
        int advances = 0;
        for (const QChar step : steps) {
            if (step == 'T')
                QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
            else
                QTest::mouseClick(arrow(c, step == 'R'), Qt::LeftButton);
            advances += step == 'L' ? -1 : 1;
            QCOMPARE(checkedDots(c), QVector<int>{((2 + advances) % 5 + 5) % 5}); // at once
            QTRY_COMPARE_WITH_TIMEOUT(frames(c), framesAfter(advances), 2000);
        }
    }

    void aStepDuringTheSlideIsDropped()
    {
        BannaControl c;
        stopTimer(c);
        QTest::mouseClick(arrow(c, true), Qt::LeftButton);
        QTest::mouseClick(arrow(c, true), Qt::LeftButton);
        QTest::mouseClick(arrow(c, false), Qt::LeftButton);
        c.slot_changeImageTimer();
        QCOMPARE(checkedDots(c), QVector<int>{3});
        QTRY_COMPARE_WITH_TIMEOUT(frames(c), framesAfter(1), 2000);
        QTest::mouseClick(arrow(c, true), Qt::LeftButton); // the slide is over
        QTRY_COMPARE_WITH_TIMEOUT(frames(c), framesAfter(2), 2000);
    }

    void aDotClickOnlyLightsThatDot()
    {
        BannaControl c;
        stopTimer(c);
        QTest::mouseClick(c.findChild<QPushButton *>("pushButtonFifth"), Qt::LeftButton);
        QCOMPARE(checkedDots(c), QVector<int>{4});
        QCOMPARE(frames(c), framesAfter(0));
    }
};

QTEST_MAIN(TstCarousel)
#include "tst_carousel.moc"
