#include <QtTest>

#include "Graphics/wallgeometry.h"

#include <climits>
#include <cmath>

using namespace WallGeometry;

Q_DECLARE_METATYPE(WallGeometry::Axis)

// The wall's three spaces without a window: where the box puts a window the
// user drew, where a window the box reports is drawn, and what the panel's
// X/Y/width/height edits show and send.
class TstWallGeometry : public QObject
{
    Q_OBJECT

private slots:
    void truncation_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("down") << 1.9 << 1;
        QTest::newRow("toward zero") << -1.9 << -1;
        QTest::newRow("not a number") << std::nan("") << 0;
        QTest::newRow("too large") << 1e12 << INT_MAX;
        QTest::newRow("too small") << -1e12 << INT_MIN;
    }

    void truncation()
    {
        QFETCH(double, value);
        QFETCH(int, expected);
        QCOMPARE(truncated(value), expected);
    }

    void canvasOfAGrid_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        QTest::addColumn<bool>("fullHd");
        QTest::addColumn<QSizeF>("canvas");
        QTest::newRow("grid on 4K") << 2 << 3 << true << QSizeF(3840, 2160);
        QTest::newRow("single screen") << 1 << 1 << false << QSizeF(3840, 2160);
        QTest::newRow("single 1080p screen") << 1 << 1 << true << QSizeF(1920, 1080);
        QTest::newRow("row of four") << 1 << 4 << false << QSizeF(7680, 1080);
        QTest::newRow("column of three") << 3 << 1 << false << QSizeF(1920, 3240);
    }

    void canvasOfAGrid()
    {
        QFETCH(int, rows);
        QFETCH(int, columns);
        QFETCH(bool, fullHd);
        QFETCH(QSizeF, canvas);
        QCOMPARE(canvasSize(rows, columns, fullHd), canvas);
    }

    // Drag, drop and double-click send whole canvas pixels scaled by the
    // seams; keys and the position pulses scale the canvas value, capped only.
    void canvasToDevice_data()
    {
        QTest::addColumn<bool>("drag");
        QTest::addColumn<QSizeF>("canvas");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QRectF>("window");
        QTest::addColumn<QRect>("device");
        const QSizeF k4(3840, 2160);
        const QRectF w(384, 216, 1920, 1080);
        QTest::newRow("drag 1x7") << true << k4 << 1 << 7 << w << QRect(380, 107, 1904, 535);
        QTest::newRow("drag 1x9") << true << k4 << 1 << 9 << w << QRect(374, 105, 1872, 526);
        QTest::newRow("drag 1x11") << true << k4 << 1 << 11 << w << QRect(369, 108, 1847, 540);
        QTest::newRow("drag 2x7") << true << k4 << 2 << 7 << w << QRect(380, 216, 1904, 1080);
        QTest::newRow("drag 3x11") << true << k4 << 3 << 11 << w << QRect(369, 216, 1847, 1080);
        QTest::newRow("drag 2x2") << true << k4 << 2 << 2 << w << QRect(384, 216, 1920, 1080);
        QTest::newRow("drag wide 2x2") << true << QSizeF(7680, 4320) << 2 << 2 << w << QRect(192, 108, 960, 540);
        QTest::newRow("key 1x7 has no seams") << false << k4 << 1 << 7 << w << QRect(384, 216, 1920, 1080);
        QTest::newRow("key 4K") << false << k4 << 2 << 2 << QRectF(1000.7, 500.2, 1920.5, 1080)
                                << QRect(1000, 500, 1920, 1080);
        QTest::newRow("key row capped across") << false << QSizeF(7680, 1080) << 1 << 4
                                               << QRectF(1001, 540.5, 960, 540) << QRect(500, 540, 480, 540);
        // The drag drops the fraction before scaling, the keys after; the
        // single-precision factor lets the whole canvas fill the whole device.
        const QRectF fraction(100.9, 0, 5760, 3240);
        QTest::newRow("drag 5760 wide") << true << QSizeF(5760, 3240) << 2 << 2 << fraction << QRect(66, 0, 3840, 2160);
        QTest::newRow("key 5760 wide") << false << QSizeF(5760, 3240) << 2 << 2 << fraction << QRect(67, 0, 3840, 2160);
    }

    void canvasToDevice()
    {
        QFETCH(bool, drag);
        QFETCH(QSizeF, canvas);
        QFETCH(int, rows);
        QFETCH(int, columns);
        QFETCH(QRectF, window);
        QFETCH(QRect, device);
        const Factors f = drag ? seamFactors(canvas.width(), canvas.height(), rows, columns)
                               : cappedFactors(canvas.width(), canvas.height());
        const auto convert = drag ? deviceFromWholeCanvas : deviceFromCanvas;
        QCOMPARE(QRect(convert(window.x(), f.x), convert(window.y(), f.y), convert(window.width(), f.x),
                       convert(window.height(), f.y)),
                 device);
    }

    void tcpFramePlacesTheWindow_data()
    {
        QTest::addColumn<QSizeF>("canvas");
        QTest::addColumn<QRect>("device");
        QTest::addColumn<QRectF>("window");
        const QRect d(500, 300, 1920, 1080);
        QTest::newRow("4K") << QSizeF(3840, 2160) << d << QRectF(d);
        QTest::newRow("smaller canvas") << QSizeF(1920, 1080) << d << QRectF(d);
        QTest::newRow("8K") << QSizeF(7680, 4320) << d << QRectF(1000, 600, 3840, 2160);
        QTest::newRow("5760 wide") << QSizeF(5760, 3240) << QRect(0, 0, 3840, 2160) << QRectF(0, 0, 5760, 3240);
    }

    void tcpFramePlacesTheWindow()
    {
        QFETCH(QSizeF, canvas);
        QFETCH(QRect, device);
        QFETCH(QRectF, window);
        const Factors f = cappedFactors(canvas.width(), canvas.height());
        QCOMPARE(QRectF(canvasFromDevice(device.x(), f.x), canvasFromDevice(device.y(), f.y),
                        canvasFromDevice(device.width(), f.x), canvasFromDevice(device.height(), f.y)),
                 window);
    }

    void udpReadPlacesTheWindow_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QRectF>("window");
        // The box reports (100, 50) 200 x 300 each time.
        QTest::newRow("1x4") << 1 << 4 << QRectF(200, 50, 400, 300);
        QTest::newRow("1x7 seam") << 1 << 7
                                  << QRectF(350 * 120.0 / 119, 50 * 120.0 / 119, 700 * 120.0 / 119, 300 * 120.0 / 119);
        QTest::newRow("1x9 seam") << 1 << 9 << QRectF(450 * 40.0 / 39, 50 * 40.0 / 39, 900 * 40.0 / 39, 300 * 40.0 / 39);
        QTest::newRow("1x11 with the nine-column seam")
            << 1 << 11 << QRectF(550 * 40.0 / 39, 50 * 40.0 / 39, 1100 * 40.0 / 39, 300 * 40.0 / 39);
        QTest::newRow("3x1") << 3 << 1 << QRectF(100, 75, 200, 450);
        QTest::newRow("2x2") << 2 << 2 << QRectF(100, 50, 200, 300);
        QTest::newRow("1x1") << 1 << 1 << QRectF(100, 50, 200, 300);
    }

    void udpReadPlacesTheWindow()
    {
        QFETCH(int, rows);
        QFETCH(int, columns);
        QFETCH(QRectF, window);
        // Within a thousandth of a canvas pixel: the column share is single precision.
        const QRectF read = canvasFromDeviceReply(100, 50, 200, 300, rows, columns);
        const QRectF off(read.topLeft() - window.topLeft(), read.size() - window.size());
        QVERIFY2(qAbs(off.x()) < 1e-3 && qAbs(off.y()) < 1e-3 && qAbs(off.width()) < 1e-3 && qAbs(off.height()) < 1e-3,
                 qPrintable(QStringLiteral("%1 %2 %3 %4").arg(read.x()).arg(read.y()).arg(read.width()).arg(read.height())));
    }

    void positionScale_data()
    {
        QTest::addColumn<bool>("singleScreen");
        QTest::addColumn<double>("canvasWidth");
        QTest::addColumn<int>("scale");
        QTest::newRow("4K single screen") << true << 3840.0 << 1;
        QTest::newRow("1920 single screen") << true << 1920.0 << 2;
        QTest::newRow("grid chosen") << false << 1920.0 << 1;
        QTest::newRow("never 0") << true << 7680.0 << 1;
        QTest::newRow("empty canvas") << true << 0.0 << 1;
    }

    void positionScale()
    {
        QFETCH(bool, singleScreen);
        QFETCH(double, canvasWidth);
        QFETCH(int, scale);
        QCOMPARE(WallGeometry::positionScale(singleScreen, canvasWidth), scale);
    }

    void panelFactorsFollowTheOutputMode_data()
    {
        QTest::addColumn<QSizeF>("canvas");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("mode");
        QTest::addColumn<double>("across");
        QTest::addColumn<double>("down");
        QTest::newRow("4K") << QSizeF(3840, 2160) << 1 << 1 << 0 << 1.0 << 1.0;
        QTest::newRow("8K") << QSizeF(7680, 4320) << 4 << 4 << 0 << 0.5 << 0.5;
        QTest::newRow("1200 lines") << QSizeF(3840, 2160) << 1 << 1 << 1 << 1.0 << 10.0 / 9;
        QTest::newRow("tall, 1200 lines") << QSizeF(7680, 4320) << 2 << 2 << 1 << 0.5 << 2400.0 / 4320;
        QTest::newRow("a single screen is never tall") << QSizeF(3840, 4320) << 1 << 1 << 0 << 1.0 << 1.0;
        QTest::newRow("mode 2") << QSizeF(3840, 2160) << 1 << 1 << 2 << 1.0 << 1.0;
    }

    void panelFactorsFollowTheOutputMode()
    {
        QFETCH(QSizeF, canvas);
        QFETCH(int, rows);
        QFETCH(int, columns);
        QFETCH(int, mode);
        QFETCH(double, across);
        QFETCH(double, down);
        const Factors f = panelFactors(canvas.width(), canvas.height(), rows, columns, mode);
        QCOMPARE(f.x, float(across));
        QCOMPARE(f.y, float(down));
    }

    void panelShowsCanvasValues_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("scale");
        QTest::addColumn<Axis>("axis");
        QTest::addColumn<double>("canvas");
        QTest::addColumn<int>("shown");
        QTest::newRow("single screen shows half") << 1 << 1 << 0 << 1 << Axis::Across << 1000.0 << 500;
        QTest::newRow("1920 canvas doubles") << 1 << 1 << 0 << 2 << Axis::Across << 1001.0 << 1000;
        QTest::newRow("2x3 across") << 2 << 3 << 0 << 1 << Axis::Across << 1000.0 << 1500;
        QTest::newRow("2x3 down") << 2 << 3 << 0 << 1 << Axis::Down << 300.0 << 300;
        QTest::newRow("1200 lines down") << 1 << 1 << 1 << 1 << Axis::Down << 540.0 << 300;
        QTest::newRow("1200 lines across") << 1 << 1 << 1 << 1 << Axis::Across << 540.0 << 270;
        QTest::newRow("1200 lines on 2x2") << 2 << 2 << 1 << 1 << Axis::Down << 900.0 << 1000;
        QTest::newRow("single column") << 3 << 1 << 0 << 1 << Axis::Across << 200.0 << 100;
    }

    void panelShowsCanvasValues()
    {
        QFETCH(int, rows);
        QFETCH(int, columns);
        QFETCH(int, mode);
        QFETCH(int, scale);
        QFETCH(Axis, axis);
        QFETCH(double, canvas);
        QFETCH(int, shown);
        QCOMPARE(panelFromCanvas(canvas, axis, rows, columns, mode, scale), shown);
    }

    void panelEditDrawsAndSends_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("scale");
        QTest::addColumn<Axis>("axis");
        QTest::addColumn<double>("factor");
        QTest::addColumn<int>("panel");
        QTest::addColumn<double>("canvas");
        QTest::addColumn<int>("device");
        QTest::newRow("single screen") << 1 << 1 << 0 << 1 << Axis::Across << 1.0 << 500 << 1000.0 << 1000;
        QTest::newRow("2x3 across") << 2 << 3 << 0 << 1 << Axis::Across << 1.0 << 1500 << 1000.0 << 1000;
        QTest::newRow("8K across") << 4 << 4 << 0 << 1 << Axis::Across << 0.5 << 2000 << 1000.0 << 500;
        QTest::newRow("8K down") << 4 << 4 << 0 << 1 << Axis::Down << 0.5 << 2000 << 1000.0 << 500;
        QTest::newRow("1200 lines") << 1 << 1 << 1 << 1 << Axis::Down << 10.0 / 9 << 300 << 540.0 << 666;
        QTest::newRow("1200 lines on 2x2") << 2 << 2 << 1 << 1 << Axis::Down << 10.0 / 9 << 900 << 810.0 << 1000;
        QTest::newRow("mode 2") << 1 << 1 << 2 << 1 << Axis::Down << 1.0 << 300 << 540.0 << 600;
        QTest::newRow("single column across") << 3 << 1 << 0 << 1 << Axis::Across << 1.0 << 200 << 400.0 << 400;
        QTest::newRow("1920 canvas") << 1 << 1 << 0 << 2 << Axis::Across << 1.0 << 1000 << 1000.0 << 1000;
    }

    void panelEditDrawsAndSends()
    {
        QFETCH(int, rows);
        QFETCH(int, columns);
        QFETCH(int, mode);
        QFETCH(int, scale);
        QFETCH(Axis, axis);
        QFETCH(double, factor);
        QFETCH(int, panel);
        QFETCH(double, canvas);
        QFETCH(int, device);
        QCOMPARE(canvasFromPanel(panel, axis, rows, columns, mode, scale), canvas);
        QCOMPARE(deviceFromPanel(panel, float(factor), axis, rows, columns, scale), device);
    }

    void resolutionLimit_data()
    {
        QTest::addColumn<QRect>("panel");
        QTest::addColumn<QSize>("canvas");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("refusal");   // empty when it fits
        QTest::newRow("inside") << QRect(0, 0, 960, 540) << QSize(3840, 2160) << 1 << 1 << 0 << QString();
        QTest::newRow("beyond one screen") << QRect(3000, 0, 960, 540) << QSize(3840, 2160) << 1 << 1 << 0
                                           << "1920X1080";
        QTest::newRow("1200 lines") << QRect(0, 2000, 960, 540) << QSize(3840, 2160) << 1 << 1 << 1 << "1920X1200";
        QTest::newRow("2x2, 1200 lines") << QRect(0, 0, 960, 2400) << QSize(3840, 2160) << 2 << 2 << 1
                                         << "3840X2400";
        QTest::newRow("2x4 grows down with its columns")
            << QRect(0, 0, 100, 4000) << QSize(3840, 2160) << 2 << 4 << 0 << QString();
        QTest::newRow("beyond 2x4") << QRect(0, 0, 8000, 100) << QSize(3840, 2160) << 2 << 4 << 0 << "7680X4320";
        QTest::newRow("mode 2 unchecked") << QRect(9000, 9000, 9000, 9000) << QSize(3840, 2160) << 1 << 1 << 2
                                          << QString();
    }

    void resolutionLimit()
    {
        QFETCH(QRect, panel);
        QFETCH(QSize, canvas);
        QFETCH(int, rows);
        QFETCH(int, columns);
        QFETCH(int, mode);
        QFETCH(QString, refusal);
        const ResolutionLimit limit = WallGeometry::resolutionLimit(
            panel.x(), panel.y(), panel.width(), panel.height(), canvas.width(), canvas.height(), rows, columns, mode);
        QCOMPARE(limit.fits, refusal.isEmpty());
        if (!limit.fits)
            QCOMPARE(QString::number(limit.width, 'g', 6) + "X" + QString::number(limit.height, 'g', 6), refusal);
    }
};

QTEST_APPLESS_MAIN(TstWallGeometry)
#include "tst_wallgeometry.moc"
