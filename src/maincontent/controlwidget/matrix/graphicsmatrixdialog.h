#ifndef GRAPHICSMATRIXDIALOG_H
#define GRAPHICSMATRIXDIALOG_H

#include <QWidget>

namespace Ui { class GraphicsMatrixDialog; }

// A form holding one graphics view, "graphicsView".
class GraphicsMatrixDialog : public QWidget
{
    Q_OBJECT
public:
    explicit GraphicsMatrixDialog(QWidget *parent = nullptr);
    ~GraphicsMatrixDialog() override;

private:
    Ui::GraphicsMatrixDialog *ui;
};

#endif
