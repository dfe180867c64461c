#include "controltabwidget.h"
#include "ui_controltabwidget.h"

#include <QPalette>
#include <QTabBar>

ControlTabWidget::ControlTabWidget(QWidget *parent) : QWidget(parent), ui(new Ui::ControlTabWidget)
{
    ui->setupUi(this);
    initTabs();
    connect(this, &ControlTabWidget::langChangeeeee, ui->tabFrame, &FrameWidget::lang2);
    connect(this, &ControlTabWidget::langban, ui->tabBanna, &BannaWidget::langban);
    connect(this, &ControlTabWidget::matrix, ui->tabList, &::matrix::matrixlang);
}

ControlTabWidget::~ControlTabWidget()
{
    delete ui;
}

void ControlTabWidget::initTabs()
{
    QTabWidget *tabs = ui->tabWidgetControl;
    tabs->tabBar()->hide();

    QPalette palette;
    palette.setBrush(QPalette::All, QPalette::Window, QBrush(QColor(30, 30, 30)));
    tabs->setAutoFillBackground(true);
    tabs->setPalette(palette);
    tabs->tabBar()->setPalette(palette);

    // The splice page has no key, and the routing and split pages take the
    // titles of the tabs before them; the titles only matter for a page that
    // has to be added again.
    QWidget *const pages[] = {ui->tabBanna, ui->tabFrame, ui->tabList};
    for (int key = 0; key < 3; ++key)
        mPageMap.insert(key, Page(pages[key], tabs->tabText(key)));
}

void ControlTabWidget::receiveShowCurrentTab(WidgetTabType widgetTabType)
{
    if (widgetTabType > MaxWidgetTabType)
        return;
    const auto entry = mPageMap.constFind(widgetTabType);
    if (entry == mPageMap.constEnd())
        return;
    QTabWidget *tabs = ui->tabWidgetControl;
    if (tabs->indexOf(entry->first) < 0)
        tabs->addTab(entry->first, entry->second);
    tabs->setCurrentWidget(entry->first);
}

void ControlTabWidget::lang()
{
    emit matrix();
    emit langban();
    emit matrixcolor();
    emit langChangeeeee();
    emit tabWidgetControl();
}
