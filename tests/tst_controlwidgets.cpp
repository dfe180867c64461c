#include <QtTest>

#include <QCommandLinkButton>
#include <QGraphicsView>
#include <QTranslator>

#include "maincontent/controlwidget/bannacontrol/bannacontrol.h"
#include "maincontent/controlwidget/cylindercontrol/cylindercontrol.h"
#include "maincontent/controlwidget/framecontrol/framecontrol.h"
#include "maincontent/controlwidget/matrix/graphicsmatrixdialog.h"
#include "maincontent/controlwidget/matrix/matrixgraphicsview.h"

namespace {

bool hasWhite(const QImage &image, const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) == qRgb(255, 255, 255))
                return true;
    return false;
}

} // namespace

class TstControlWidgets : public QObject
{
    Q_OBJECT

private slots:
    // A 400 x 300 gauge has its base at y 270 and its top at y 30, x 120 to 180.
    void theGaugeFillsToItsValue_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("barTop");   // widget row the colour reaches
        QTest::newRow("empty") << 0.0f << 270;
        QTest::newRow("half") << 50.0f << 150;
        QTest::newRow("full") << 100.0f << 30;
    }

    void theGaugeFillsToItsValue()
    {
        QFETCH(float, value);
        QFETCH(int, barTop);
        CylinderControl gauge;
        gauge.resize(400, 300);
        gauge.setValue(value);
        const QImage image = gauge.grab().toImage();
        const QColor base = image.pixelColor(150, 266);
        if (barTop > 30)
            QCOMPARE(image.pixelColor(150, barTop - 4), QColor(Qt::white));
        if (value == 0) {
            QCOMPARE(base, QColor(Qt::white));
            return;
        }
        // Cyan at the base, red at the top of a full bar.
        QVERIFY2(base.red() < 40 && base.green() > 200 && base.blue() > 200, qPrintable(base.name()));
        const QColor top = image.pixelColor(150, barTop + 4);
        QVERIFY(top != QColor(Qt::white));
        if (value == 100)
            QVERIFY2(top.red() > 220 && top.green() < 80 && top.blue() < 40, qPrintable(top.name()));
    }

    void theGaugeWritesItsPercentAndCaption()
    {
        CylinderControl gauge;
        gauge.resize(400, 300);
        const QRect percentArea(138, 4, 40, 17);    // text at (140, 20)
        const QRect captionArea(123, 286, 60, 14);  // text at (125, 300)
        QVERIFY(!hasWhite(gauge.grab().toImage(), captionArea));
        gauge.setValue(42);
        gauge.setText(QStringLiteral("HDMI"));
        const QImage image = gauge.grab().toImage();
        QVERIFY(hasWhite(image, percentArea) && hasWhite(image, captionArea));
    }

    void theMatrixViewPaintsBeforeItsColoursAreSet()
    {
        MatrixGraphicsView view;
        view.resize(500, 400);
        const QImage unset = view.viewport()->grab().toImage();
        const QColor curved = unset.pixelColor(355, 287);
        QVERIFY(curved.isValid());
        QVERIFY(curved != unset.pixelColor(10, 10));   // the curved rectangle is there

        view.setColors(Qt::red, Qt::green, Qt::blue, Qt::yellow);
        view.setRects(QRect(10, 10, 40, 30), QRect(60, 10, 40, 30), QRect(110, 10, 40, 30));
        const QImage set = view.viewport()->grab().toImage();
        QCOMPARE(set.pixelColor(355, 287), QColor(Qt::red));
        QCOMPARE(set.pixelColor(30, 25), QColor(Qt::green));
        QCOMPARE(set.pixelColor(80, 25), QColor(Qt::blue));
        QCOMPARE(set.pixelColor(130, 25), QColor(Qt::yellow));
    }

    void theSmallWidgetsBelongToTheirParent()
    {
        QWidget host;
        auto *frame = new FrameControl(&host);
        auto *view = new MatrixGraphicsView(&host);
        auto *dialog = new GraphicsMatrixDialog(&host);
        QCOMPARE(view->parentWidget(), &host);
        QVERIFY(!frame->isWindow() && !view->isWindow() && !dialog->isWindow());
        QVERIFY(dialog->findChild<QGraphicsView *>(QStringLiteral("graphicsView")));
        host.resize(900, 600);
        QVERIFY(!host.grab().isNull());
    }

    void newTextsAreTranslated_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : {"cn", "en", "ru", "es"})
            QTest::newRow(language) << language;
    }

    void newTextsAreTranslated()
    {
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(translator.load(":/res/lanague_" + language + ".qm"));
        QCoreApplication::installTranslator(&translator);
        BannaControl banner;
        CylinderControl gauge;
        GraphicsMatrixDialog dialog;
        QCoreApplication::removeTranslator(&translator);
        QVERIFY(banner.windowTitle() != QLatin1String("BannaWidget"));
        QVERIFY(gauge.findChild<QCommandLinkButton *>()->text() != QLatin1String("CommandLinkButton"));
        QVERIFY(!gauge.windowTitle().isEmpty());
        QCOMPARE(dialog.windowTitle(), gauge.windowTitle());
    }
};

QTEST_MAIN(TstControlWidgets)
#include "tst_controlwidgets.moc"
