#include "graphicsmatrixdialog.h"
#include "ui_graphicsmatrixdialog.h"

GraphicsMatrixDialog::GraphicsMatrixDialog(QWidget *parent) : QWidget(parent), ui(new Ui::GraphicsMatrixDialog)
{
    ui->setupUi(this);
}

GraphicsMatrixDialog::~GraphicsMatrixDialog()
{
    delete ui;
}
