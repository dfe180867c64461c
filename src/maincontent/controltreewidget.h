#ifndef CONTROLTREEWIDGET_H
#define CONTROLTREEWIDGET_H

#include "maincontent/widgettabtype.h"

#include <QWidget>

class QTreeWidgetItem;
namespace Ui { class ControlTreeWidget; }

// Navigation widget of the main window's left column. The main window's
// form places its own group boxes on it by absolute geometry.
class ControlTreeWidget : public QWidget
{
    Q_OBJECT
public:
    explicit ControlTreeWidget(QWidget *parent = nullptr);
    ~ControlTreeWidget() override;

    // Handler for a clicked navigation item: the matrix and split items tip,
    // in the item's own language, that nothing works while the serial port is
    // closed. Not a slot: the form holds no tree, and the connection by name
    // would warn about the missing "treeWidgetMenu" on every window built.
    void on_treeWidgetMenu_itemClicked(QTreeWidgetItem *item, int column);

signals:
    void sendShowIndex(WidgetTabType widgetTabType);

public slots:
    void WidgetControl();

private:
    Ui::ControlTreeWidget *ui;
};

#endif
