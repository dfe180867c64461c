#include <QtTest>

#include "Graphics/wallgeometry.h"

#include <climits>
#include <cmath>

using namespace WallGeometry;

// One row each of the data-driven tests below.
struct ToDevice { bool drag; QSizeF canvas; int rows, columns; QRectF window; QRect device; };
struct PanelEdit { QSizeF canvasSize; int rows, columns, mode, scale; Axis axis; int panel, device; double canvas; };
struct Limit { QRect panel; int rows, columns, mode; QString refusal; };   // refusal: empty when it fits
Q_DECLARE_METATYPE(ToDevice)
Q_DECLARE_METATYPE(PanelEdit)
Q_DECLARE_METATYPE(Limit)

// The wall's three spaces without a window: where the box puts a window the
// user drew, where a window the box reports is drawn, and what the panel's
// X/Y/width/height edits show and send. Each road rounds its own way.
class TstWallGeometry : public QObject
{
    Q_OBJECT

private slots:
    void guards()
    {
        QCOMPARE(truncated(-1.9), -1);
        QCOMPARE(truncated(std::nan("")), 0);
        QCOMPARE(truncated(1e12), INT_MAX);
        QCOMPARE(truncated(-1e12), INT_MIN);
        QCOMPARE(positionScale(true, 1920), 2);
        QCOMPARE(positionScale(true, 7680), 1);
        QCOMPARE(positionScale(true, 0), 1);
    }

    // Drag, drop and double-click send whole canvas pixels scaled by the
    // seams; keys and the position pulses scale the canvas value, capped only.
    void canvasToDevice_data()
    {
        QTest::addColumn<ToDevice>("row");
        const QSizeF k4(3840, 2160), wide(5760, 3240);
        const QRectF w(384, 216, 1920, 1080);
        QTest::newRow("drag 1x7 seam") << ToDevice{true, k4, 1, 7, w, {380, 107, 1904, 535}};
        QTest::newRow("drag 2x7 seam") << ToDevice{true, k4, 2, 7, w, {380, 216, 1904, 1080}};
        QTest::newRow("key fraction")
            << ToDevice{false, k4, 2, 2, {1000.7, 500.2, 1920.5, 1080}, {1000, 500, 1920, 1080}};
        // The drag drops the fraction before scaling, the keys after; the
        // single-precision factor lets the whole canvas fill the whole device.
        const QRectF fraction(100.9, 0, 5760, 3240);
        QTest::newRow("drag 5760 wide") << ToDevice{true, wide, 2, 2, fraction, {66, 0, 3840, 2160}};
        QTest::newRow("key 5760 wide") << ToDevice{false, wide, 2, 2, fraction, {67, 0, 3840, 2160}};
    }

    void canvasToDevice()
    {
        QFETCH(ToDevice, row);
        const QSizeF c = row.canvas;
        const Factors f = row.drag ? seamFactors(c.width(), c.height(), row.rows, row.columns)
                                   : cappedFactors(c.width(), c.height());
        const auto convert = row.drag ? deviceFromWholeCanvas : deviceFromCanvas;
        const QRectF &w = row.window;
        QCOMPARE(QRect(convert(w.x(), f.x), convert(w.y(), f.y), convert(w.width(), f.x), convert(w.height(), f.y)),
                 row.device);
    }

    void deviceToCanvas()
    {
        // A TCP frame, in single precision: 8K halves, 5760 wide fills exactly.
        const Factors k8 = cappedFactors(7680, 4320);
        QCOMPARE(canvasFromDevice(500, k8.x), 1000.0f);
        QCOMPARE(canvasFromDevice(1080, k8.y), 2160.0f);
        const Factors wide = cappedFactors(5760, 3240);
        QCOMPARE(canvasFromDevice(3840, wide.x), 5760.0f);
        QCOMPARE(canvasFromDevice(2160, wide.y), 3240.0f);
        // A UDP read of (100, 50) 200 x 300, within a thousandth of a canvas
        // pixel: the column share is single precision.
        const auto reads = [](int rows, int columns, const QRectF &w) {
            const QRectF r = canvasFromDeviceReply(100, 50, 200, 300, rows, columns);
            return qAbs(r.x() - w.x()) < 1e-3 && qAbs(r.y() - w.y()) < 1e-3 && qAbs(r.width() - w.width()) < 1e-3
                && qAbs(r.height() - w.height()) < 1e-3;
        };
        const double s7 = 120.0 / 119, s9 = 40.0 / 39;
        QVERIFY(reads(1, 7, QRectF(350 * s7, 50 * s7, 700 * s7, 300 * s7)));
        QVERIFY(reads(1, 11, QRectF(550 * s9, 50 * s9, 1100 * s9, 300 * s9)));   // with the nine-column seam
        QVERIFY(reads(3, 1, QRectF(100, 75, 200, 450)));
        QVERIFY(reads(2, 2, QRectF(100, 50, 200, 300)));
    }

    void panelShowsCanvasValues()
    {
        QCOMPARE(panelFromCanvas(1000, Axis::Across, 1, 1, 0, 1), 500);
        QCOMPARE(panelFromCanvas(1001, Axis::Across, 1, 1, 0, 2), 1000);   // halved whole, then doubled
        QCOMPARE(panelFromCanvas(1000, Axis::Across, 2, 3, 0, 1), 1500);
        QCOMPARE(panelFromCanvas(540, Axis::Down, 1, 1, 1, 1), 300);       // 1200 lines
    }

    void panelEditDrawsAndSends_data()
    {
        QTest::addColumn<PanelEdit>("row");
        const QSizeF k4(3840, 2160), k8(7680, 4320);
        QTest::newRow("single screen") << PanelEdit{k4, 1, 1, 0, 1, Axis::Across, 500, 1000, 1000};
        QTest::newRow("1920 canvas") << PanelEdit{{1920, 1080}, 1, 1, 0, 2, Axis::Across, 1000, 1000, 1000};
        QTest::newRow("8K down") << PanelEdit{k8, 4, 4, 0, 1, Axis::Down, 2000, 500, 1000};
        QTest::newRow("1200 lines") << PanelEdit{k4, 1, 1, 1, 1, Axis::Down, 300, 666, 540};
        QTest::newRow("tall, 1200 lines") << PanelEdit{k8, 2, 2, 1, 1, Axis::Down, 900, 500, 810};
        QTest::newRow("a single screen is never tall")
            << PanelEdit{{3840, 4320}, 1, 1, 0, 1, Axis::Down, 500, 1000, 1000};
        QTest::newRow("mode 2") << PanelEdit{k4, 1, 1, 2, 1, Axis::Down, 300, 600, 540};
    }

    void panelEditDrawsAndSends()
    {
        QFETCH(PanelEdit, row);
        const QSizeF c = row.canvasSize;
        const Factors f = panelFactors(c.width(), c.height(), row.rows, row.columns, row.mode);
        QCOMPARE(canvasFromPanel(row.panel, row.axis, row.rows, row.columns, row.mode, row.scale), row.canvas);
        QCOMPARE(deviceFromPanel(row.panel, row.axis == Axis::Across ? f.x : f.y, row.axis, row.rows, row.columns,
                                 row.scale),
                 row.device);
    }

    void resolutionLimit_data()
    {
        QTest::addColumn<Limit>("row");
        QTest::newRow("inside") << Limit{{0, 0, 960, 540}, 1, 1, 0, {}};
        QTest::newRow("beyond one screen") << Limit{{3000, 0, 960, 540}, 1, 1, 0, "1920X1080"};
        QTest::newRow("1200 lines") << Limit{{0, 2000, 960, 540}, 1, 1, 1, "1920X1200"};
        QTest::newRow("2x2, 1200 lines") << Limit{{0, 0, 960, 2400}, 2, 2, 1, "3840X2400"};
        QTest::newRow("2x4 grows down with its columns") << Limit{{0, 0, 100, 4000}, 2, 4, 0, {}};
        QTest::newRow("mode 2 unchecked") << Limit{{9000, 9000, 9000, 9000}, 1, 1, 2, {}};
    }

    void resolutionLimit()
    {
        QFETCH(Limit, row);
        const QRect &p = row.panel;
        const ResolutionLimit limit = WallGeometry::resolutionLimit(p.x(), p.y(), p.width(), p.height(), 3840, 2160,
                                                                    row.rows, row.columns, row.mode);
        QCOMPARE(limit.fits, row.refusal.isEmpty());
        if (!limit.fits)
            QCOMPARE(QString::number(limit.width, 'g', 6) + "X" + QString::number(limit.height, 'g', 6), row.refusal);
    }
};

QTEST_APPLESS_MAIN(TstWallGeometry)
#include "tst_wallgeometry.moc"
