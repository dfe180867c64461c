#include "netdialogdriver.h"
#include "link/udpreply.h"

#include "mainwindow.h"
#include "networkdialog.h"

#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

NetDialogDriver::NetDialogDriver(MainWindow *window) : mWindow(window) {}

NetworkDialog *NetDialogDriver::dialog() const
{
    return mWindow->mNetworkDialog;
}

QTableWidget *NetDialogDriver::table() const
{
    return dialog()->findChild<QTableWidget *>(QStringLiteral("tableWidget"));
}

QPushButton *NetDialogDriver::button(const char *name) const
{
    return dialog()->findChild<QPushButton *>(QLatin1String(name));
}

void NetDialogDriver::click(const char *name) const
{
    QTest::mouseClick(button(name), Qt::LeftButton);
}

QString NetDialogDriver::cell(int row, int column) const
{
    const QTableWidgetItem *item = table()->item(row, column);
    return item ? item->text() : QStringLiteral("<no item>");
}

void NetDialogDriver::setCell(int row, int column, const QString &text) const
{
    table()->item(row, column)->setText(text);
}

void NetDialogDriver::selectRow(int row) const
{
    QTableWidget *t = table();
    t->scrollToItem(t->item(row, DeviceColumn::Index));
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(t->item(row, DeviceColumn::Index)).center());
}

bool NetDialogDriver::quickSearch() const
{
    dialog()->show();
    click("ptn_findDevice");
    if (!QTest::qWaitFor([this] { return !cell(0, DeviceColumn::Ip).isEmpty(); }, 5000))
        return false;
    click("ptn_findDevice");
    QTest::qWait(300);
    return true;
}
