#include "cylindercontrol.h"
#include "ui_cylindercontrol.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

const int kBarWidth = 60;

} // namespace

CylinderControl::CylinderControl(QWidget *parent) : QWidget(parent), ui(new Ui::CylinderControl)
{
    ui->setupUi(this);
}

CylinderControl::~CylinderControl()
{
    delete ui;
}

void CylinderControl::setValue(float value)
{
    mValue = value;
}

void CylinderControl::setText(const QString &text)
{
    mText = text;
}

void CylinderControl::paintEvent(QPaintEvent *)
{
    // The origin sits on the bar's base and the bar grows upwards, to
    // negative y.
    const float top = -0.8f * height();
    const int t = static_cast<int>(top);

    QPainter painter(this);
    painter.translate(0.3 * width(), 0.9 * height());
    painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    painter.drawLine(0, t, kBarWidth, t);
    painter.drawLine(0, 0, kBarWidth, 0);
    painter.drawLine(0, 0, 0, t);
    painter.drawLine(kBarWidth, 0, kBarWidth, t);

    painter.drawText(20, static_cast<int>(top - 10), QStringLiteral("%%1").arg(mValue));
    painter.drawText(5, 30, mText);

    const QPoint frame[] = {{kBarWidth, 0}, {kBarWidth, t}, {0, t}, {0, 0}};
    painter.setBrush(Qt::white);
    painter.drawPolygon(frame, 4);

    QLinearGradient gradient(0, 0, 0, top);
    gradient.setColorAt(0, Qt::cyan);
    gradient.setColorAt(0.3, Qt::green);
    gradient.setColorAt(0.7, Qt::yellow);
    gradient.setColorAt(1.0, Qt::red);
    painter.fillRect(QRectF(0, 0, kBarWidth, top * mValue / 100).normalized(), gradient);
}
