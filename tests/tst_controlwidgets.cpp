#include <QtTest>

#include "maincontent/controlwidget/cylindercontrol/cylindercontrol.h"
#include "maincontent/controlwidget/framecontrol/framecontrol.h"
#include "maincontent/controlwidget/matrix/graphicsmatrixdialog.h"
#include "maincontent/controlwidget/matrix/matrixgraphicsview.h"

#include <functional>
#include <memory>

using Maker = std::function<QWidget *()>;
Q_DECLARE_METATYPE(Maker)

class TstControlWidgets : public QObject
{
    Q_OBJECT

private slots:
    void eachWidgetPaints_data()
    {
        QTest::addColumn<Maker>("make");
        QTest::newRow("gauge") << Maker([] {
            auto *gauge = new CylinderControl;
            gauge->setValue(42);
            gauge->setText("HDMI");
            return gauge;
        });
        QTest::newRow("frame") << Maker([] { return new FrameControl; });
        QTest::newRow("matrix view") << Maker([] { return new MatrixGraphicsView; });
        QTest::newRow("matrix dialog") << Maker([] { return new GraphicsMatrixDialog; });
    }
    void eachWidgetPaints()
    {
        QFETCH(Maker, make);
        std::unique_ptr<QWidget> widget(make());
        widget->resize(400, 300);
        QVERIFY(!widget->grab().toImage().isNull());
    }

    void theMatrixViewPaintsBeforeItsColoursAreSet()
    {
        MatrixGraphicsView view;
        view.resize(500, 400);
        const QImage unset = view.viewport()->grab().toImage();
        QVERIFY(unset.pixelColor(355, 287) != unset.pixelColor(10, 10)); // the curved rectangle is there
        view.setColors(Qt::red, Qt::green, Qt::blue, Qt::yellow);
        view.setRects(QRect(10, 10, 40, 30), QRect(60, 10, 40, 30), QRect(110, 10, 40, 30));
        const QImage set = view.viewport()->grab().toImage();
        QCOMPARE(set.pixelColor(355, 287), QColor(Qt::red));
        QCOMPARE(set.pixelColor(80, 25), QColor(Qt::blue));
    }
};

QTEST_MAIN(TstControlWidgets)
#include "tst_controlwidgets.moc"
