#include <QtTest>

#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "maincontent/flowlayout.h"

using Points = QVector<QPoint>;
Q_DECLARE_METATYPE(Points)

class TstFlowLayout : public QObject
{
    Q_OBJECT

    // A host with three fixed 50 x 20 items and gaps of 10.
    struct Host
    {
        QWidget widget;
        FlowLayout *layout;
        QVector<QWidget *> items;
        explicit Host(int margin, int hSpacing = 10, int vSpacing = 10)
            : layout(new FlowLayout(&widget, margin, hSpacing, vSpacing))
        {
            for (int i = 0; i < 3; ++i) {
                auto *item = new QWidget(&widget);
                item->setFixedSize(50, 20);
                layout->addWidget(item);
                items.append(item);
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
        QTest::newRow("one column pixel short") << 109 << 0 << Points{{0, 0}, {0, 30}, {0, 60}} << 80;
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
        QVERIFY(host.layout->hasHeightForWidth());
        QCOMPARE(host.layout->heightForWidth(width), height);

        host.layout->setGeometry(QRect(0, 0, width, 500));
        QCOMPARE(host.positions(), positions);
        for (const QWidget *item : host.items)
            QCOMPARE(item->size(), QSize(50, 20));   // never shrunk
    }

    void aShownHostRewrapsWhenResized()
    {
        Host host(0);
        host.widget.resize(200, 100);
        host.widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host.widget));
        QTRY_COMPARE(host.positions(), (Points{{0, 0}, {60, 0}, {120, 0}}));
        host.widget.resize(120, 100);
        QTRY_COMPARE(host.positions(), (Points{{0, 0}, {60, 0}, {0, 30}}));
    }

    void sizesComeFromTheItemsAndMargins_data()
    {
        QTest::addColumn<int>("margin");
        QTest::newRow("no margin") << 0;
        QTest::newRow("margin 6") << 6;
    }

    void sizesComeFromTheItemsAndMargins()
    {
        QFETCH(int, margin);
        FlowLayout empty(margin, 10, 10);
        QCOMPARE(empty.minimumSize(), QSize(-1 + 2 * margin, -1 + 2 * margin));
        QCOMPARE(empty.sizeHint(), empty.minimumSize());
        QCOMPARE(empty.heightForWidth(300), 2 * margin);
        QCOMPARE(empty.expandingDirections(), Qt::Orientations());

        QWidget host;
        FlowLayout *layout = new FlowLayout(&host, margin, 10, 10);
        auto *wide = new QWidget(&host);
        wide->setMinimumSize(50, 20);
        auto *tall = new QWidget(&host);
        tall->setMinimumSize(30, 40);
        layout->addWidget(wide);
        layout->addWidget(tall);
        QCOMPARE(layout->minimumSize(), QSize(50 + 2 * margin, 40 + 2 * margin));
        QCOMPARE(layout->sizeHint(), layout->minimumSize());
    }

    void indexesOutOfRangeGiveNothing()
    {
        Host host(0);
        FlowLayout *layout = host.layout;
        QCOMPARE(layout->count(), 3);
        QVERIFY(!layout->takeAt(-1));
        QVERIFY(!layout->takeAt(3));
        QVERIFY(!layout->itemAt(-1));
        QVERIFY(!layout->itemAt(3));
        QCOMPARE(layout->count(), 3);
        QCOMPARE(layout->itemAt(2)->widget(), host.items.at(2));

        QLayoutItem *first = layout->takeAt(0);
        QCOMPARE(first->widget(), host.items.at(0));
        delete first;
        QCOMPARE(layout->count(), 2);
        QCOMPARE(layout->itemAt(0)->widget(), host.items.at(1));
    }

    void negativeGapsComeFromTheSurroundings()
    {
        // On a widget: that widget's style.
        QWidget host;
        FlowLayout *onWidget = new FlowLayout(&host, 0, -1, -1);
        QCOMPARE(onWidget->horizontalGap(), host.style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing, nullptr, &host));
        QCOMPARE(onWidget->verticalGap(), host.style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing, nullptr, &host));

        // Inside another layout: that layout's spacing.
        QWidget outerHost;
        auto *outer = new QVBoxLayout(&outerHost);
        outer->setSpacing(9);
        auto *nested = new FlowLayout(0, -1, -1);
        outer->addLayout(nested);
        QCOMPARE(nested->horizontalGap(), 9);
        QCOMPARE(nested->verticalGap(), 9);

        // Without a parent: each item's own style, and items never overlap.
        QWidget holder;   // outlives the layout, whose items point at its buttons
        FlowLayout loose(0, -1, -1);
        QCOMPARE(loose.horizontalGap(), -1);
        QVector<QPushButton *> buttons;
        for (int i = 0; i < 3; ++i) {
            auto *button = new QPushButton(&holder);
            button->setFixedSize(50, 20);
            loose.addWidget(button);
            buttons.append(button);
        }
        loose.setGeometry(QRect(0, 0, 140, 200));
        const int gap = buttons.at(1)->x() - 50;
        QVERIFY(gap >= 0);
        QCOMPARE(buttons.at(0)->pos(), QPoint(0, 0));
        QCOMPARE(buttons.at(2)->pos(), QPoint(0, 20 + gap));
    }
};

QTEST_MAIN(TstFlowLayout)
#include "tst_flowlayout.moc"
