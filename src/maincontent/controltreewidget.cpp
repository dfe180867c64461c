#include "controltreewidget.h"
#include "ui_controltreewidget.h"

#include "globals.h"
#include "maincontent/messagetips.h"

#include <QDebug>
#include <QTreeWidgetItem>

namespace {
void showTip(const QString &text, QWidget *parent)
{
    // The tip fades out and closes by itself; the parent owns it.
    (new MessageTips(text, parent))->show();
}
} // namespace

ControlTreeWidget::ControlTreeWidget(QWidget *parent) : QWidget(parent), ui(new Ui::ControlTreeWidget)
{
    ui->setupUi(this);
}

ControlTreeWidget::~ControlTreeWidget()
{
    delete ui;
}

void ControlTreeWidget::WidgetControl()
{
    setWindowTitle(tr("Form"));
    qDebug() << "123321";
}

void ControlTreeWidget::on_treeWidgetMenu_itemClicked(QTreeWidgetItem *item, int column)
{
    if (!item)
        return;
    const QString text = item->text(column);
    qDebug() << "on_treeWidgetMenu_itemClicked" << text;
    const bool portClosed = g_serialPortOpen == 0;
    const QString chineseTip = QStringLiteral("串口未连接，控制无效");
    if (text == QStringLiteral("矩阵模式")) {
        if (portClosed)
            showTip(chineseTip, this);
        qDebug() << "进入矩阵模式";
    } else if (text == QStringLiteral("拼接&分割")) {
        if (portClosed)
            showTip(chineseTip, this);
    } else if (text == QLatin1String("Matrix")) {
        if (portClosed)
            showTip(QStringLiteral("The serial port is not connected，the controlling does not work"), this);
    } else if (text == QLatin1String("Split")) {
        if (portClosed)
            showTip(QStringLiteral("The serial port is not connected， the controlling does not work"), this);
    }
}
