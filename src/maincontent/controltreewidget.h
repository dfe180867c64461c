#ifndef CONTROLTREEWIDGET_H
#define CONTROLTREEWIDGET_H

#include <QWidget>

namespace Ui { class ControlTreeWidget; }

// Navigation widget of the main window's left column. The main window's
// form places its own group boxes on it by absolute geometry.
class ControlTreeWidget : public QWidget
{
    Q_OBJECT
public:
    explicit ControlTreeWidget(QWidget *parent = nullptr);
    ~ControlTreeWidget() override;

private:
    Ui::ControlTreeWidget *ui;
};

#endif
