#include <QtTest>

#include <QLabel>

#include "maincontent/myslider.h"

class TstCommonSlider : public QObject
{
    Q_OBJECT

    // The zoom slider as the toolbar sets it up.
    static void setUpZoom(MySlider &slider)
    {
        slider.setOrientation(Qt::Horizontal);
        slider.setFixedSize(125, 30);
        slider.setRange(0, 100);
        slider.show();
    }

private slots:
    void mapsPointsToValues()
    {
        MySlider slider(nullptr, 0);
        setUpZoom(slider);
        QCOMPARE(slider.valueFromPosition(QPoint(0, 15)), 0);
        QCOMPARE(slider.valueFromPosition(QPoint(124, 15)), 100);
        QCOMPARE(slider.valueFromPosition(QPoint(70, 15)), 57);
        QCOMPARE(slider.valueFromPosition(QPoint(-40, 15)), 0);
        QCOMPARE(slider.valueFromPosition(QPoint(400, 15)), 100);

        MySlider fixedHandle(nullptr, 25);
        setUpZoom(fixedHandle);
        QCOMPARE(fixedHandle.valueFromPosition(QPoint(62, 15)), int(50.0 / 100 * 100));   // (62-12)/100
    }

    void verticalTopIsTheMaximum()
    {
        MySlider slider;
        slider.setOrientation(Qt::Vertical);
        slider.setFixedSize(20, 210);
        slider.setRange(10, 110);
        QCOMPARE(slider.valueFromPosition(QPoint(10, 0)), 110);
        QCOMPARE(slider.valueFromPosition(QPoint(10, 209)), 10);
        QCOMPARE(slider.valueFromPosition(QPoint(10, 105)), int(110 - 100.0 / 200 * 100));
    }

    void clickJumpsToThePoint()
    {
        MySlider slider;
        setUpZoom(slider);
        QSignalSpy moved(&slider, &QSlider::sliderMoved);
        QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint(70, 15));
        QCOMPARE(slider.value(), 57);
        QCOMPARE(moved.count(), 1);
        QCOMPARE(moved.first().first().toInt(), 57);
        QCOMPARE(slider.valueLabel()->text(), QStringLiteral("57%"));
        const QLabel *label = slider.valueLabel();
        QCOMPARE(label->pos(), QPoint(63 - label->width() / 2, 15 - label->height() / 2));

        // A click on the current value moves nothing.
        moved.clear();
        QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint(70, 15));
        QCOMPARE(moved.count(), 0);
        QCOMPARE(slider.value(), 57);
        QVERIFY(!slider.isSliderDown());
    }

    void rightClickDoesNothing()
    {
        MySlider slider;
        setUpZoom(slider);
        slider.setValue(20);
        QSignalSpy moved(&slider, &QSlider::sliderMoved);
        QTest::mousePress(&slider, Qt::RightButton, {}, QPoint(100, 15));
        QVERIFY(!slider.isSliderDown());
        QTest::mouseRelease(&slider, Qt::RightButton, {}, QPoint(100, 15));
        QCOMPARE(slider.value(), 20);
        QCOMPARE(moved.count(), 0);
    }

    void dragFollowsTheMouse()
    {
        MySlider slider;
        setUpZoom(slider);
        QSignalSpy moved(&slider, &QSlider::sliderMoved);
        QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(7, 15));
        QCOMPARE(slider.value(), 0);
        QVERIFY(slider.isSliderDown());
        QMouseEvent move(QEvent::MouseMove, QPointF(117, 15), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&slider, &move);
        QCOMPARE(slider.value(), 100);
        QCOMPARE(slider.valueLabel()->text(), QStringLiteral("100%"));
        QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(117, 15));
        QVERIFY(!slider.isSliderDown());
        QCOMPARE(moved.count(), 1);
    }

    void releaseAloneSetsThePosition()
    {
        // A release without a press seen (the press went elsewhere) still jumps.
        MySlider slider;
        setUpZoom(slider);
        QSignalSpy moved(&slider, &QSlider::sliderMoved);
        QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(62, 15));
        QCOMPARE(slider.value(), 50);
        QCOMPARE(moved.count(), 1);
    }

    void startsWithZeroPercentAndNotifiesOnlyWhenAsked()
    {
        MySlider slider;
        QCOMPARE(slider.valueLabel()->text(), QStringLiteral("0%"));
        slider.setRange(0, 100);
        QSignalSpy moved(&slider, &QSlider::sliderMoved);
        slider.setPositionNotify(30, false);
        QCOMPARE(slider.value(), 30);
        QCOMPARE(moved.count(), 0);
        slider.setPositionNotify(40, true);
        QCOMPARE(moved.count(), 1);
        QCOMPARE(slider.valueLabel()->text(), QStringLiteral("40%"));
    }

    void rectSliderIsAPlainSlider()
    {
        QWidget form;
        RectSlider slider(&form);
        slider.setOrientation(Qt::Vertical);
        QCOMPARE(slider.parentWidget(), &form);
        QVERIFY(qobject_cast<QSlider *>(&slider));
    }
};

QTEST_MAIN(TstCommonSlider)
#include "tst_common_slider.moc"
