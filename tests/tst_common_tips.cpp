// The fading tip window and the number animation.
#include <QtTest>

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "maincontent/messagetips.h"
#include "maincontent/numberanimation.h"

class TstCommonTips : public QObject
{
    Q_OBJECT

private slots:
    void tipStartsAsGiven()
    {
        QWidget owner;
        auto *tip = new MessageTips(QStringLiteral("串口未连接，控制无效"), &owner);
        QCOMPARE(tip->parent(), &owner);
        QCOMPARE(tip->windowFlags() & (Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                                       | Qt::BypassWindowManagerHint),
                 Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::BypassWindowManagerHint);
        // Clicks reach the windows below it.
        QVERIFY(tip->testAttribute(Qt::WA_TransparentForMouseEvents));
        QVERIFY(tip->testAttribute(Qt::WA_TranslucentBackground));
        QCOMPARE(tip->opacity(), 1.0);
        QCOMPARE(tip->showTime(), 1500);
        QCOMPARE(tip->frameSize(), 2);
        QCOMPARE(tip->backgroundColor(), QColor(192, 192, 192));
        QCOMPARE(tip->frameColor(), QColor(211, 211, 211));
        auto *label = tip->findChild<QLabel *>();
        QCOMPARE(label->text(), QStringLiteral("串口未连接，控制无效"));
        QVERIFY(label->font().bold());
        QCOMPARE(label->font().pointSize(), 10);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::white));
        const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
        QCOMPARE(tip->pos(), QPoint((desktop.width() - tip->width()) / 2, (desktop.height() - tip->height()) / 2));
        QCOMPARE(tip->findChild<QTimer *>("showTimer")->interval(), 1500);
    }

    void tipFadesByItsSpeedAndCloses_data()
    {
        QTest::addColumn<double>("speed");
        QTest::addColumn<QList<int>>("steps");   // opacity in percent after each fade step
        QTest::newRow("default") << -1.0 << QList<int>{50, 0, 0};
        QTest::newRow("0.3") << 0.3 << QList<int>{70, 40, 10, -20, -20};
        QTest::newRow("1") << 1.0 << QList<int>{0, 0};
        QTest::newRow("0 refused") << 0.0 << QList<int>{50, 0, 0};
        QTest::newRow("1.5 refused") << 1.5 << QList<int>{50, 0, 0};
    }

    void tipFadesByItsSpeedAndCloses()
    {
        QFETCH(double, speed);
        QFETCH(QList<int>, steps);
        QWidget owner;
        auto *tip = new MessageTips(QStringLiteral("tip"), &owner);
        if (speed >= 0)
            tip->setCloseTimeSpeed(3, speed);
        tip->setShowTime(10);
        tip->show();
        QTimer *fade = tip->findChild<QTimer *>("fadeTimer");
        QList<int> seen;
        connect(fade, &QTimer::timeout, this, [&] { seen << qRound(tip->opacity() * 100); });
        QTRY_VERIFY_WITH_TIMEOUT(!tip->isVisible(), 3000);
        QCOMPARE(seen, steps);
        QVERIFY(!fade->isActive());
        // The close time is stored even when the speed is refused.
        if (speed >= 0)
            QCOMPARE(fade->interval(), 3);
        QCOMPARE(tip->parent(), &owner);   // closed, not deleted
    }

    void animationRunsBackAndForth()
    {
        double value = -1;
        NumberAnimation animation(nullptr, &value);   // no target: the value is still written
        animation.setDuration(20);
        animation.setPingPong(true);
        QList<double> ends;
        connect(&animation, &QVariantAnimation::finished, this, [&] {
            ends << value;
            if (ends.size() == 3)
                animation.stop();   // ping-pong has already started the next run
        });
        animation.startAnimation(0.0, 1.0);
        QTRY_COMPARE_WITH_TIMEOUT(ends.size(), 3, 5000);
        QCOMPARE(ends, QList<double>({1.0, 0.0, 1.0}));
        QCOMPARE(animation.state(), QAbstractAnimation::Stopped);
    }

    void animationRepaintsItsTarget()
    {
        QWidget target;
        double value = 0;
        NumberAnimation animation(&target, &value);
        animation.setDuration(10);
        target.show();
        QVERIFY(QTest::qWaitForWindowExposed(&target));
        int paints = 0;
        struct Counter : QObject {
            int *count;
            explicit Counter(int *c) : count(c) {}
            bool eventFilter(QObject *, QEvent *e) override { if (e->type() == QEvent::Paint) ++*count; return false; }
        } counter(&paints);
        target.installEventFilter(&counter);
        QSignalSpy finished(&animation, &QVariantAnimation::finished);
        animation.startAnimation(0.0, 5.0);
        QVERIFY(finished.wait(2000));
        QCOMPARE(value, 5.0);
        QTRY_VERIFY(paints > 0);
    }
};

QTEST_MAIN(TstCommonTips)
#include "tst_common_tips.moc"
