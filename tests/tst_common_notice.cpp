#include <QtTest>

#include "maincontent/waitingwidget.h"

static int alphaInSheet(const NoticeWidget &notice)
{
    QRegularExpression re(QStringLiteral("rgba\\(80, 80, 80, (\\d+)\\)"));
    const auto m = re.match(notice.styleSheet());
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// A shown parent window with a notice; the notice goes first at the end.
struct NoticeOnParent {
    QWidget parent;
    NoticeWidget notice;
    NoticeOnParent(int width, int height, const QString &text, int ms)
    {
        parent.resize(width, height);
        parent.show();
        notice.Notice(&parent, text, ms);
    }
};

class TstCommonNotice : public QObject
{
    Q_OBJECT
private slots:
    void fadesOverItsTicks()
    {
        NoticeOnParent shown(400, 300, QStringLiteral("打开成功"), 1500);
        NoticeWidget &notice = shown.notice;
        QCOMPARE(notice.ticksLeft(), 31);
        QVERIFY(notice.isVisible());
        QCOMPARE(alphaInSheet(notice), 255);

        QList<int> alphas;
        for (int tick = 1; tick <= 30; ++tick) {
            notice.OnTimerTimeout();
            QVERIFY2(notice.isVisible(), qPrintable(QString("hidden at tick %1").arg(tick)));
            alphas << notice.alpha();
            QCOMPARE(alphaInSheet(notice), notice.alpha());
        }
        // Opaque for 10 ticks, then 13 less per tick down to 0 at the 30th.
        for (int tick = 1; tick <= 10; ++tick)
            QCOMPARE(alphas[tick - 1], 255);
        QCOMPARE(alphas[10], 242);
        QCOMPARE(alphas[11], 229);
        QCOMPARE(alphas[28], 8);
        QCOMPARE(alphas[29], 0);
        notice.OnTimerTimeout();
        QVERIFY(!notice.isVisible());
        QVERIFY(!notice.isRunning());
    }

    void sizedAndCentredOnTheParent()
    {
        QWidget parent;
        parent.resize(400, 300);
        NoticeWidget notice;
        const QString text = QStringLiteral("打开成功");
        notice.Notice(&parent, text, 1500);
        QCOMPARE(notice.parentWidget(), &parent);
        const QFontMetrics metrics(notice.font());
        const int expectedHeight = int((metrics.horizontalAdvance(text) / 120.0 + 1.0) * (metrics.height() + 4));
        QCOMPARE(notice.size(), QSize(120, expectedHeight));
        QCOMPARE(notice.pos(), QPoint((400 - 120) >> 1, (300 - expectedHeight) >> 1));
    }

    void fromFirstTickWithAShortTime()
    {
        NoticeOnParent shown(200, 100, "x", 1000);
        NoticeWidget &notice = shown.notice;
        QCOMPARE(notice.ticksLeft(), 21);
        notice.OnTimerTimeout();
        QCOMPARE(notice.alpha(), 242);
    }

    void showsOneTickForLessThanATick()
    {
        NoticeOnParent shown(200, 100, "x", 30);
        NoticeWidget &notice = shown.notice;
        QCOMPARE(notice.ticksLeft(), 1);
        QVERIFY(notice.isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!notice.isVisible(), 5000);
    }

    void emptyTextOrNoTimeCutsShort()
    {
        NoticeOnParent shown(200, 100, "x", 1500);
        NoticeWidget &notice = shown.notice;
        QWidget &parent = shown.parent;
        QVERIFY(notice.isVisible());
        notice.Notice(&parent, QString(), 1500);
        QVERIFY(!notice.isVisible());
        QVERIFY(!notice.isRunning());

        notice.Notice(&parent, "x", 1500);
        notice.Notice(&parent, "x", 0);
        QVERIFY(!notice.isVisible());
        notice.Notice(&parent, "x", -10);
        QVERIFY(!notice.isVisible());
    }

    void secondParentTakesTheNotice()
    {
        QWidget first, second;
        first.resize(300, 200);
        second.resize(600, 400);
        first.show();
        second.show();
        NoticeWidget notice;
        notice.Notice(&first, "one", 1500);
        notice.Notice(&second, "two", 1500);
        QCOMPARE(notice.parentWidget(), &second);
        QCOMPARE(notice.text(), QStringLiteral("two"));
        QCOMPARE(notice.width(), 180);
        QCOMPARE(notice.x(), (600 - 180) >> 1);
    }

    void followsAResizedParentWithinTwoTicks()
    {
        NoticeOnParent shown(400, 300, QStringLiteral("打开成功"), 1500);
        NoticeWidget &notice = shown.notice;
        shown.parent.resize(800, 500);
        notice.OnTimerTimeout();
        notice.OnTimerTimeout();
        QCOMPARE(notice.width(), 240);
        QCOMPARE(notice.pos(), QPoint((800 - notice.width()) >> 1, (500 - notice.height()) >> 1));
    }

    void helperMakesANewNoticeWhenTheOldOneIsGone()
    {
        QPointer<NoticeWidget> holder;
        auto *dialog = new QWidget;
        dialog->resize(300, 200);
        NoticeWidget *first = NoticeWidget::showNotice(holder, dialog, QStringLiteral("打开成功"), 1500);
        QCOMPARE(holder.data(), first);
        QCOMPARE(first->parentWidget(), dialog);
        QCOMPARE(NoticeWidget::showNotice(holder, dialog, "again", 1500), first);

        delete dialog;                 // takes its notice along
        QVERIFY(holder.isNull());

        QWidget page;
        page.resize(300, 200);
        NoticeWidget *second = NoticeWidget::showNotice(holder, &page, QStringLiteral("打开成功"), 1500);
        QVERIFY(second);
        QCOMPARE(holder.data(), second);
        QCOMPARE(second->parentWidget(), &page);
        QCOMPARE(second->ticksLeft(), 31);

        QWidget other;
        other.resize(300, 200);
        NoticeWidget *shared = NoticeWidget::showNotice(&other, "x", 1500);
        QCOMPARE(NoticeWidget::showNotice(&other, "y", 1500), shared);
    }
};

QTEST_MAIN(TstCommonNotice)
#include "tst_common_notice.moc"
