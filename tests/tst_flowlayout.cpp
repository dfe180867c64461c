#include <QtTest>

#include <QPushButton>

#include "maincontent/flowlayout.h"

using Points = QVector<QPoint>;

class TstFlowLayout : public QObject
{
    Q_OBJECT

    // Three fixed 50 x 20 items on a host.
    struct Host
    {
        QWidget widget;
        FlowLayout *layout;
        QVector<QWidget *> items;
        explicit Host(int margin, int gap = 10) : layout(new FlowLayout(&widget, margin, gap, gap))
        {
            for (int i = 0; i < 3; ++i) {
                items.append(new QPushButton(&widget));
                items.last()->setFixedSize(50, 20);
                layout->addWidget(items.last());
            }
        }
        Points positions() const
        {
            Points points;
            for (const QWidget *item : items)
                points.append(item->pos());
            return points;
        }
    };

private slots:
    void itemsWrapAtTheWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("margin");
        QTest::addColumn<Points>("positions");
        QTest::addColumn<int>("height");
        QTest::newRow("one row") << 200 << 0 << Points{{0, 0}, {60, 0}, {120, 0}} << 20;
        QTest::newRow("two rows") << 120 << 0 << Points{{0, 0}, {60, 0}, {0, 30}} << 50;
        QTest::newRow("second item fits exactly") << 110 << 0 << Points{{0, 0}, {60, 0}, {0, 30}} << 50;
        QTest::newRow("one column short") << 109 << 0 << Points{{0, 0}, {0, 30}, {0, 60}} << 80;
        QTest::newRow("narrower than an item") << 40 << 0 << Points{{0, 0}, {0, 30}, {0, 60}} << 80;
        QTest::newRow("margins") << 134 << 7 << Points{{7, 7}, {67, 7}, {7, 37}} << 64;
    }

    void itemsWrapAtTheWidth()
    {
        QFETCH(int, width);
        QFETCH(int, margin);
        QFETCH(Points, positions);
        QFETCH(int, height);
        Host host(margin);
        QCOMPARE(host.layout->heightForWidth(width), height);
        host.layout->setGeometry(QRect(0, 0, width, 500));
        QCOMPARE(host.positions(), positions);
        for (const QWidget *item : host.items)
            QCOMPARE(item->size(), QSize(50, 20));   // never shrunk
    }

    void sizesComeFromTheItemsAndMargins()
    {
        for (int margin : {0, 6}) {
            FlowLayout empty(margin, 10, 10);
            QCOMPARE(empty.minimumSize(), QSize(-1 + 2 * margin, -1 + 2 * margin));
            QCOMPARE(empty.sizeHint(), empty.minimumSize());
            QCOMPARE(empty.heightForWidth(300), 2 * margin);
        }
        Host host(4);
        host.items.at(1)->setFixedSize(30, 40);
        QCOMPARE(host.layout->minimumSize(), QSize(50 + 8, 40 + 8));
    }

    void indexesOutOfRangeGiveNothing()
    {
        Host host(0);
        QVERIFY(!host.layout->takeAt(-1) && !host.layout->takeAt(3));
        QVERIFY(!host.layout->itemAt(-1) && !host.layout->itemAt(3));
        QCOMPARE(host.layout->count(), 3);
        QLayoutItem *first = host.layout->takeAt(0);
        QCOMPARE(first->widget(), host.items.at(0));
        delete first;
        QCOMPARE(host.layout->itemAt(0)->widget(), host.items.at(1));
    }

    void negativeGapsComeFromTheSurroundings()
    {
        Host onWidget(0, -1);
        const QStyle *style = onWidget.widget.style();
        QCOMPARE(onWidget.layout->horizontalGap(),
                 style->pixelMetric(QStyle::PM_LayoutHorizontalSpacing, nullptr, &onWidget.widget));
        QCOMPARE(onWidget.layout->verticalGap(),
                 style->pixelMetric(QStyle::PM_LayoutVerticalSpacing, nullptr, &onWidget.widget));

        // Without a parent each item's style gives the gap, and items never overlap.
        Host holder(0);   // outlives the loose layout, whose items point at its buttons
        FlowLayout loose(0, -1, -1);
        QCOMPARE(loose.horizontalGap(), -1);
        for (QWidget *item : holder.items)
            loose.addWidget(item);
        loose.setGeometry(QRect(0, 0, 140, 200));
        const int gap = holder.items.at(1)->x() - 50;
        QVERIFY(gap >= 0);
        QCOMPARE(holder.positions(), (Points{{0, 0}, {50 + gap, 0}, {0, 20 + gap}}));
    }
};

QTEST_MAIN(TstFlowLayout)
#include "tst_flowlayout.moc"
