#include "waitingwidget.h"

#include <QTimer>

static int s_width = 250;
static int s_height = 100;

WaitingWidget::WaitingWidget(const QString &text, int msec, int)
{
    setWindowTitle(text);
    resize(s_width, s_height);
    if (msec > 0)
        QTimer::singleShot(msec, this, &QDialog::close);
}

void WaitingWidget::setBoxSize(int width, int height) { s_width = width; s_height = height; }
int WaitingWidget::boxWidth() { return s_width; }
int WaitingWidget::boxHeight() { return s_height; }

NoticeWidget::NoticeWidget(QWidget *) {}
void NoticeWidget::Notice(QWidget *, const QString &, int) {}
