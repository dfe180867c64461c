#ifndef CONTROLTABWIDGET_H
#define CONTROLTABWIDGET_H

#include "maincontent/widgettabtype.h"

#include <QMap>
#include <QPair>
#include <QString>
#include <QWidget>

namespace Ui { class ControlTabWidget; }

// The control pages (serial, splice, routing, split) as tabs of one tab
// widget whose tab bar is hidden: the page on show is chosen by a
// WidgetTabType, and a language change is passed on to the pages.
class ControlTabWidget : public QWidget
{
    Q_OBJECT
public:
    explicit ControlTabWidget(QWidget *parent = nullptr);
    ~ControlTabWidget() override;

    // Page and title per WidgetTabType value; the title is used only to bring
    // back a page that is no longer a tab.
    using Page = QPair<QWidget *, QString>;
    const QMap<int, Page> &pageMap() const { return mPageMap; }

signals:
    void sendShowIndex(WidgetTabType widgetTabType);
    void langChangeeeee();
    void langban();
    void matrix();
    void tabWidgetControl();
    void matrixcolor();

public slots:
    // Values above MaxWidgetTabType and values without a page change nothing.
    void receiveShowCurrentTab(WidgetTabType widgetTabType);
    // Retranslates the split page, then the serial page, then the routing page.
    void lang();

private:
    void initTabs();

    Ui::ControlTabWidget *ui;
    QMap<int, Page> mPageMap;
};

#endif
