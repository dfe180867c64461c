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

QImage paint(QWidget &widget)
{
    return widget.grab().toImage();
}

bool hasInk(const QImage &image, const QRect &area, QRgb ink)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) == ink)
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
        const QImage image = paint(gauge);

        const QColor base = image.pixelColor(150, 266);
        const QColor below = image.pixelColor(150, barTop + 4);
        const QColor above = image.pixelColor(150, barTop - 4);
        if (barTop > 30)
            QCOMPARE(above, QColor(Qt::white));
        if (value == 0) {
            QCOMPARE(base, QColor(Qt::white));
            return;
        }
        // Cyan at the base, red at the very top of a full bar.
        QVERIFY2(base.red() < 40 && base.green() > 200 && base.blue() > 200, qPrintable(base.name()));
        QVERIFY(below != QColor(Qt::white));
        if (value == 100)
            QVERIFY2(below.red() > 220 && below.green() < 80 && below.blue() < 40, qPrintable(below.name()));
    }

    void theGaugeWritesItsPercentAndCaption()
    {
        CylinderControl gauge;
        gauge.resize(400, 300);
        const QRect percentArea(138, 4, 40, 17);    // text at (140, 20)
        const QRect captionArea(123, 286, 60, 14);  // text at (125, 300)
        QVERIFY(!hasInk(paint(gauge), captionArea, qRgb(255, 255, 255)));

        gauge.setValue(42);
        gauge.setText(QStringLiteral("HDMI"));
        const QImage image = paint(gauge);
        QVERIFY(hasInk(image, percentArea, qRgb(255, 255, 255)));
        QVERIFY(hasInk(image, captionArea, qRgb(255, 255, 255)));
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
        QCOMPARE(frame->parentWidget(), &host);
        QCOMPARE(view->parentWidget(), &host);
        QVERIFY(!frame->isWindow() && !view->isWindow() && !dialog->isWindow());
        QCOMPARE(frame->windowType(), Qt::Widget);

        auto *inner = dialog->findChild<QGraphicsView *>(QStringLiteral("graphicsView"));
        QVERIFY(inner);
        QCOMPARE(inner->geometry(), QRect(40, 20, 811, 471));
        QCOMPARE(dialog->size(), QSize(894, 518));
        host.resize(900, 600);
        QVERIFY(!paint(host).isNull());
    }

    void newTextsAreTranslated_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("carousel");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("link");
        QTest::newRow("cn") << "cn" << QStringLiteral("轮播图") << QStringLiteral("窗体") << QStringLiteral("命令链接按钮");
        QTest::newRow("en") << "en" << "Banner carousel" << "Form" << "Command link";
        QTest::newRow("ru") << "ru" << QStringLiteral("Карусель баннеров") << QStringLiteral("Форма")
                            << QStringLiteral("Командная ссылка");
        QTest::newRow("es") << "es" << QStringLiteral("Carrusel de imágenes") << "Formulario" << "Enlace de comando";
    }

    void newTextsAreTranslated()
    {
        QFETCH(QString, language);
        QFETCH(QString, carousel);
        QFETCH(QString, form);
        QFETCH(QString, link);
        QTranslator translator;
        QVERIFY(translator.load(":/res/lanague_" + language + ".qm"));
        QCoreApplication::installTranslator(&translator);
        BannaControl banner;
        CylinderControl gauge;
        GraphicsMatrixDialog dialog;
        QCoreApplication::removeTranslator(&translator);

        QCOMPARE(banner.windowTitle(), carousel);
        QCOMPARE(gauge.windowTitle(), form);
        QCOMPARE(dialog.windowTitle(), form);
        QCOMPARE(gauge.findChild<QCommandLinkButton *>(QStringLiteral("commandLinkButton"))->text(), link);
    }
};

QTEST_MAIN(TstControlWidgets)
#include "tst_controlwidgets.moc"
