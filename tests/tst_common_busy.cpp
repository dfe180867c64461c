#include <QtTest>

#include <QElapsedTimer>
#include <QMovie>

#include "dialoganswerer.h"
#include "maincontent/waitingwidget.h"

class TstCommonBusy : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { WaitingWidget::setSize(250, 100); }

    void closesItselfAfterItsTime()
    {
        DialogAnswerer answerer(DialogAnswerer::Accept);
        answerer.setClassAnswer(QStringLiteral("WaitingWidget"), DialogAnswerer::Leave);
        WaitingWidget box(QStringLiteral("waiting"), 150);
        QElapsedTimer clock;
        clock.start();
        box.exec();
        const qint64 elapsed = clock.elapsed();
        QVERIFY2(elapsed >= 140 && elapsed < 1500, qPrintable(QString::number(elapsed)));
        QVERIFY(!box.isVisible());
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen.first().className, QStringLiteral("WaitingWidget"));
        QCOMPARE(answerer.seen.first().text, QStringLiteral("waiting"));
        QCOMPARE(answerer.seen.first().size, QSize(250, 100));
    }

    void negativeTimeClosesAtOnce()
    {
        WaitingWidget box(QString(), -5);
        QElapsedTimer clock;
        clock.start();
        box.exec();
        QVERIFY(clock.elapsed() < 1000);
    }

    void sizeFollowsTheLanguageSetting_data()
    {
        QTest::addColumn<int>("width");
        QTest::newRow("Chinese and English") << 250;
        QTest::newRow("Russian and Spanish") << 450;
    }

    void sizeFollowsTheLanguageSetting()
    {
        QFETCH(int, width);
        WaitingWidget::setSize(width, 100);
        QCOMPARE(WaitingWidget::boxWidth(), width);
        WaitingWidget box(QStringLiteral("正在更改..."), 0);
        QCOMPARE(box.size(), QSize(width, 100));
        QCOMPARE(box.minimumSize(), box.maximumSize());
        QCOMPARE(box.textLabel()->geometry(), QRect(0, 70, width, 24));
        QCOMPARE(box.textLabel()->text(), QStringLiteral("正在更改..."));
        auto *animation = box.findChild<QLabel *>(QString(), Qt::FindChildrenRecursively);
        QVERIFY(animation);
        bool found = false;
        for (QLabel *label : box.findChildren<QLabel *>())
            if (label->movie()) {
                QCOMPARE(label->geometry(), QRect(width / 2 - 20, 15, 40, 40));
                found = true;
            }
        QVERIFY(found);
    }

    void isAFramelessAnimatedBox()
    {
        WaitingWidget box(QStringLiteral("waiting"), 0);
        const Qt::WindowFlags flags = box.windowFlags();
        QVERIFY(flags.testFlag(Qt::FramelessWindowHint));
        QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);
        QVERIFY(box.movie()->isValid());
        QCOMPARE(box.movie()->state(), QMovie::Running);
        QVERIFY(box.testAttribute(Qt::WA_TransparentForMouseEvents));
    }

    void notSizedByAnEarlierSetting()
    {
        WaitingWidget::setSize(450, 100);
        WaitingWidget wide(QString(), 0);
        WaitingWidget::setSize(250, 100);
        WaitingWidget narrow(QString(), 0);
        QCOMPARE(wide.width(), 450);
        QCOMPARE(narrow.width(), 250);
    }
};

QTEST_MAIN(TstCommonBusy)
#include "tst_common_busy.moc"
