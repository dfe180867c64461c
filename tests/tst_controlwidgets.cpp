#include <QtTest>
#include "maincontent/controlwidget/cylindercontrol/cylindercontrol.h"
#include "maincontent/controlwidget/framecontrol/framecontrol.h"
#include "maincontent/controlwidget/matrix/graphicsmatrixdialog.h"
#include "maincontent/controlwidget/matrix/matrixgraphicsview.h"

class TstControlWidgets : public QObject
{
    Q_OBJECT

private slots:
    void eachWidgetPaints()
    {
        CylinderControl gauge;
        gauge.setValue(42);
        gauge.setText("HDMI");
        FrameControl frame;
        MatrixGraphicsView view;
        GraphicsMatrixDialog dialog;
        for (QWidget *widget : std::initializer_list<QWidget *> {&gauge, &frame, &view, &dialog}) {
            widget->resize(400, 300);
            QVERIFY(!widget->grab().toImage().isNull());
        }
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
