#ifndef CONTROLTREEWIDGET_H
#define CONTROLTREEWIDGET_H

#include <QWidget>

// Navigation widget of the main window's left column.
class ControlTreeWidget : public QWidget
{
    Q_OBJECT
public:
    explicit ControlTreeWidget(QWidget *parent = nullptr);
};

#endif
