#include <QtTest>

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include "maincontent/controlwidget/bannacontrol/bannacontrol.h"

class TstCarousel : public QObject
{
    Q_OBJECT

    // Picture k starts in frame k (the third is the large middle one); each
    // advance moves every picture one frame left, round to the rightmost.
    static QVector<QRect> framesAfter(int advances)
    {
        const QVector<QRect> frames = {{20, 100, 320, 200}, {70, 70, 400, 250}, {150, 50, 480, 300},
                                       {330, 70, 400, 250}, {470, 100, 320, 200}};
        QVector<QRect> result;
        for (int k = 0; k < 5; ++k)
            result << frames[((k - advances) % 5 + 5) % 5];
        return result;
    }
    // Where the pictures stand, and the dots (o lit, . dark).
    static QPair<QVector<QRect>, QString> state(BannaControl &c)
    {
        QPair<QVector<QRect>, QString> result;
        for (const char *ordinal : {"First", "Second", "Third", "Fourth", "Fifth"}) {
            result.first << c.findChild<QLabel *>(QLatin1String("label") + ordinal)->geometry();
            result.second += c.findChild<QPushButton *>(QLatin1String("pushButton") + ordinal)->isChecked() ? 'o' : '.';
        }
        return result;
    }
    static void click(BannaControl &c, bool right)
    { QTest::mouseClick(c.findChild<QPushButton *>(right ? "pushButtonRight" : "pushButtonLeft"), Qt::LeftButton); }

private slots:
    void eachStepMovesEveryPictureOneFrame_data()
    {
        QTest::addColumn<QString>("steps"); // R right arrow, L left arrow, T timer tick
        for (const char *steps : {"R", "L", "T", "LLLLL"})
            QTest::newRow(steps) << QString(steps);
    }
    void eachStepMovesEveryPictureOneFrame()
    {
        QFETCH(QString, steps);
        BannaControl c;
        QTimer *timer = c.findChild<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
        timer->stop();
        QCOMPARE(state(c), qMakePair(framesAfter(0), QString("..o..")));
        int advances = 0;
        for (const QChar step : steps) {
            if (step == 'T')
                QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
            else
                click(c, step == 'R');
            advances += step == 'L' ? -1 : 1;
            QCOMPARE(state(c).second, QString(5, '.').replace(((2 + advances) % 5 + 5) % 5, 1, 'o')); // at once
            QTRY_COMPARE_WITH_TIMEOUT(state(c).first, framesAfter(advances), 2000);
        }
    }

    void aStepDuringTheSlideIsDropped()
    {
        BannaControl c;
        c.findChild<QTimer *>(QString(), Qt::FindDirectChildrenOnly)->stop();
        for (bool right : {true, true, false})
            click(c, right);
        c.slot_changeImageTimer();
        QCOMPARE(state(c).second, QString("...o."));
        QTRY_COMPARE_WITH_TIMEOUT(state(c).first, framesAfter(1), 2000);
        click(c, true); // the slide is over
        QTRY_COMPARE_WITH_TIMEOUT(state(c).first, framesAfter(2), 2000);
    }
};

QTEST_MAIN(TstCarousel)
#include "tst_carousel.moc"
