#include <QtTest>

#include <QPushButton>
#include "maincontent/flowlayout.h"

using Points = QVector<QPoint>;

class TstFlowLayout : public QObject
{
    Q_OBJECT

private slots:
    // Three fixed 50 x 20 items with gaps of 10.
    void itemsWrapAtTheWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("margin");
        QTest::addColumn<Points>("positions");
        QTest::addColumn<int>("height");
        QTest::newRow("one row") << 200 << 0 << Points{{0, 0}, {60, 0}, {120, 0}} << 20;
        QTest::newRow("second item fits exactly") << 110 << 0 << Points{{0, 0}, {60, 0}, {0, 30}} << 50;
        QTest::newRow("one column short") << 109 << 0 << Points{{0, 0}, {0, 30}, {0, 60}} << 80;
        QTest::newRow("margins") << 134 << 7 << Points{{7, 7}, {67, 7}, {7, 37}} << 64;
    }
    void itemsWrapAtTheWidth()
    {
        QFETCH(int, width);
        QFETCH(int, margin);
        QWidget host;
        auto *layout = new FlowLayout(&host, margin, 10, 10);
        for (int i = 0; i < 3; ++i)
            layout->addWidget(new QPushButton(&host)), layout->itemAt(i)->widget()->setFixedSize(50, 20);
        QTEST(layout->heightForWidth(width), "height");
        layout->setGeometry(QRect(0, 0, width, 500));
        Points shown;
        for (int i = 0; i < 3; ++i)
            shown << layout->itemAt(i)->widget()->pos();
        QTEST(shown, "positions");
        QVERIFY(!layout->itemAt(3) && !layout->takeAt(-1)); // out of range: nothing
    }
};

QTEST_MAIN(TstFlowLayout)
#include "tst_flowlayout.moc"
