// The fading tip window and the number animation.
#include <QtTest>
#include <QLabel>

#include "maincontent/messagetips.h"
#include "maincontent/numberanimation.h"

class TstCommonTips : public QObject
{
    Q_OBJECT
private slots:
    void tipFadesByItsSpeedAndCloses_data()
    {
        QTest::addColumn<double>("speed");   // -1: left at its default
        QTest::addColumn<QList<int>>("steps");   // opacity in percent after each fade step
        for (double speed : {-1.0, 0.0, 1.5})   // the default; 0 and 1.5 are refused
            QTest::newRow(qPrintable(QString::number(speed))) << speed << QList<int>{50, 0, 0};
        QTest::newRow("0.3") << 0.3 << QList<int>{70, 40, 10, -20, -20};
        QTest::newRow("1") << 1.0 << QList<int>{0, 0};
    }
    void tipFadesByItsSpeedAndCloses()
    {
        QFETCH(double, speed);
        QWidget owner;
        auto *tip = new MessageTips(QStringLiteral("串口未连接，控制无效"), &owner);
        QCOMPARE(tip->findChild<QLabel *>()->text(), QStringLiteral("串口未连接，控制无效"));
        QVERIFY(tip->testAttribute(Qt::WA_TransparentForMouseEvents));   // clicks reach the windows below
        if (speed >= 0)
            tip->setCloseTimeSpeed(3, speed);
        tip->setShowTime(10);
        tip->show();
        QTimer *fade = tip->findChild<QTimer *>("fadeTimer");
        QList<int> seen;
        connect(fade, &QTimer::timeout, this, [&] { seen << qRound(tip->opacity() * 100); });
        QTRY_VERIFY_WITH_TIMEOUT(!tip->isVisible(), 3000);
        QTEST(seen, "steps");
        QVERIFY(!fade->isActive() && tip->parent() == &owner);   // closed, not deleted
    }

    void animationRunsBackAndForth()
    {
        double value = -1;
        NumberAnimation animation(nullptr, &value);   // no target: the value is still written
        QList<double> ends;
        animation.setDuration(20);
        animation.setPingPong(true);
        connect(&animation, &QVariantAnimation::finished, this, [&] {
            if ((ends << value).size() == 3)
                animation.stop();   // ping-pong has already started the next run
        });
        animation.startAnimation(0.0, 1.0);
        QTRY_COMPARE_WITH_TIMEOUT(ends, QList<double>({1.0, 0.0, 1.0}), 5000);
    }
};

QTEST_MAIN(TstCommonTips)
#include "tst_common_tips.moc"
