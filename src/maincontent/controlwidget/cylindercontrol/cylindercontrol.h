#ifndef CYLINDERCONTROL_H
#define CYLINDERCONTROL_H

#include <QString>
#include <QWidget>

namespace Ui { class CylinderControl; }

// Vertical gauge: a white frame with a bar rising to a percentage through
// cyan, green, yellow and red, its value above and a caption below.
class CylinderControl : public QWidget
{
    Q_OBJECT
public:
    explicit CylinderControl(QWidget *parent = nullptr);
    ~CylinderControl() override;

    // Neither setter repaints; the next paint shows the new value.
    void setValue(float value);
    void setText(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Ui::CylinderControl *ui;
    float mValue = 0;
    QString mText;
};

#endif
