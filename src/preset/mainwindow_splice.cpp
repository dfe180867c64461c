// The splice grid: rows and columns of screens behind the box, the size of
// the wall drawing that follows from them, its seams and its zoom.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "Graphics/inputchannel.h"
#include "Graphics/resolutionratioscene.h"
#include "Graphics/userview.h"
#include "Graphics/wallgeometry.h"
#include "globals.h"
#include "link/devicecommand.h"
#include "maincontent/mymessagebox.h"
#include "preset/modestr.h"

#include <QAction>
#include <QDebug>

namespace {

// Largest product of rows and columns, and the largest count of either.
int gridLimit() { return 9 * g_spliceScale + 9; }
constexpr int kMaxRowsOrColumns = 12;

QString gridName(int rows, int columns)
{
    return QStringLiteral("%1x%2").arg(rows).arg(columns);
}

// Scale that shows a freshly laid out wall whole; grids outside these steps
// keep scale 1 until a zoom is applied.
void scaleForGrid(QGraphicsView *view, int rows, int columns)
{
    static const double kRowSteps[5] = {0.105, 0.088, 0.078, 0.065, 0.05};
    static const double kColumnSteps[5] = {0.085, 0.072, 0.06, 0.053, 0.045};
    if (rows >= 5 && rows <= 9)
        view->scale(kRowSteps[rows - 5], kRowSteps[rows - 5]);
    if (columns >= 5 && columns <= 9)
        view->scale(kColumnSteps[columns - 5], kColumnSteps[columns - 5]);
    if (rows > 4 || columns > 4)
        return;
    double step = 0.24;
    if (rows == 1 && columns == 1)
        step = 0.2;
    else if (columns == 4)
        step = 0.105;
    else if (rows == 4)
        step = 0.125;
    else if (columns == 3)
        step = 0.14;
    else if (rows == 3)
        step = 0.16;
    else if (columns == 2)
        step = 0.2;
    else if (rows != 2)
        return;
    view->scale(step, step);
}

} // namespace

void MainWindow::on_rowCbx_currentIndexChanged(int)
{
    ui->selectSceneBtn->setEnabled(ui->rowCbx->currentIndex() != mStoredRowIndex
                                   || ui->columnCbx->currentIndex() != mStoredColumnIndex);
}

void MainWindow::on_columnCbx_currentIndexChanged(int index)
{
    on_rowCbx_currentIndexChanged(index);
}

void MainWindow::updateWallScene()
{
    UserView *view = ui->graphicsView;
    ResolutionRatioScene *scene = view->mScenes.value(0, nullptr);
    if (!scene)
        return;
    const QPair<int, int> grid = wallGrid();
    const int rows = grid.first, columns = grid.second;

    // Generation 4 boxes drive one 1080p screen.
    scene->mSceneRect = QRectF(QPointF(0, 0), WallGeometry::canvasSize(rows, columns, versionType == 4));
    scene->setSceneRect(scene->mSceneRect);
    scene->buildLayouts();
    scene->resetChannels();

    changeUIBaseSelectChannel(ui->currentChannelCBox->currentIndex() + 1);

    view->resetTransform();
    scaleForGrid(view, rows, columns);
    scene->update();
}

// Puts the combos back to the grid the wall is laid out with.
static void restoreGridCombos(Ui_MainWindow *ui, const ResolutionRatioScene *scene)
{
    if (!scene)
        return;
    const QStringList counts = scene->layoutName().split(QLatin1Char('x'));
    if (counts.size() != 2)
        return;
    ui->rowCbx->setCurrentText(counts.at(0));
    ui->columnCbx->setCurrentText(counts.at(1));
}

void MainWindow::applySpliceRowsColumns()
{
    mStoredRowIndex = ui->rowCbx->currentIndex();
    mStoredColumnIndex = ui->columnCbx->currentIndex();
    ui->selectSceneBtn->setEnabled(false);

    const int rows = ui->rowCbx->currentText().toInt();
    const int columns = ui->columnCbx->currentText().toInt();
    const QString name = gridName(rows, columns);
    ResolutionRatioScene *current = ui->graphicsView->mScenes.value(mCurrentSceneIndex, nullptr);

    if (rows * columns > gridLimit()) {
        MyMessageBox::error(this, modesTr("错误"), modesTr("行列的乘积不能大于") + QString::number(gridLimit()));
        restoreGridCombos(ui, current);
        return;
    }
    if (rows > kMaxRowsOrColumns || columns > kMaxRowsOrColumns) {
        MyMessageBox::error(this, modesTr("错误"), modesTr("行和列不能超过12"));
        restoreGridCombos(ui, current);
        return;
    }

    // Generation 2 boxes take the grid columns first; the others take the
    // text their table holds. A grid the box cannot take changes nothing.
    QString command;
    if (versionType == 2) {
        command = QStringLiteral("0601%1%2").arg(columns, 2, 16, QLatin1Char('0')).arg(rows, 2, 16, QLatin1Char('0'));
    } else {
        command = mSpliceCommands.value(name);
        if (command.isEmpty()) {
            MyMessageBox::error(this, modesTr("错误"), modesTr("设备不支持该拼接配置！"));
            restoreGridCombos(ui, current);
            return;
        }
    }

    sendCommand(QLatin1String(DeviceCommand::FirstRowRotatedOff));
    UserView *view = ui->graphicsView;
    if (ResolutionRatioScene *first = view->mScenes.value(0, nullptr)) {
        for (InputChannel *channel : qAsConst(first->mChannels))
            channel->mFirstRowRotated = false;
    }
    if (view->mFirstRowActions.size() >= 2) {
        view->mFirstRowActions.at(0)->setChecked(false);
        view->mFirstRowActions.at(1)->setChecked(true);
    }

    updateWallScene();
    if (current)
        current->setLayout(name);
    applyLayoutZoom(ui->rowCbx->currentIndex(), ui->columnCbx->currentIndex());

    qDebug() << "分割:" << command;
    sendCommand(command);
    MyMessageBox::information(this, modesTr("警告"), modesTr("拼接模式更新，请重新启动设备！"));
}

void MainWindow::initLayoutZoomTable(int k)
{
    mLayoutZoomTable.clear();
    qDebug() << "versionType: " << versionType;
    qDebug() << "webSocketConnected: " << (g_networkConnected ? "true" : "false");

    auto put = [this](int rows, int columns, int value) {
        mLayoutZoomTable.insert(gridName(rows, columns), QString::number(value));
    };
    put(1, 1, k == 2 ? 67 : 51);
    static const int kOneRow[17] = {53, 45, 40, 36, 33, 31, 28, 26, 25, 23, 21, 20, 18, 17, 15, 14, 12};
    static const int kOneColumn[17] = {51, 44, 39, 35, 32, 29, 27, 25, 23, 22, 20, 18, 17, 15, 13, 11, 9};
    for (int n = 2; n <= 18; ++n) {
        put(1, n, kOneRow[n - 2]);
        put(n, 1, kOneColumn[n - 2]);
    }
    for (const QPair<int, int> &grid : {qMakePair(2, 2), qMakePair(3, 2), qMakePair(3, 3), qMakePair(4, 2)})
        put(grid.first, grid.second, 50);
    for (int n = 3; n <= 9; ++n)
        put(2, n, 51);
    for (const QPair<int, int> &grid : {qMakePair(3, 4), qMakePair(3, 5), qMakePair(3, 6), qMakePair(4, 3),
                                        qMakePair(4, 4), qMakePair(5, 2), qMakePair(5, 3), qMakePair(6, 2),
                                        qMakePair(6, 3), qMakePair(7, 2), qMakePair(8, 2), qMakePair(9, 2)})
        put(grid.first, grid.second, 51);
}

void MainWindow::applyLayoutZoom(int rowIndex, int columnIndex)
{
    const QString key = gridName(rowIndex + 1, columnIndex + 1);
    const auto entry = mLayoutZoomTable.constFind(key);
    if (entry == mLayoutZoomTable.constEnd()) {
        MyMessageBox::warning(this, QStringLiteral("警告"), QStringLiteral("意外的拼接配置，请联系开发人员做适配！"));
        return;
    }
    const int v = entry.value().toInt();
    g_zoomStep = v;
    UserView *view = ui->graphicsView;
    const float f = MainWindow::zoomScale(v);
    view->resetTransform();
    view->scale(f, f);
}

void MainWindow::applyLayoutZoomFromUi()
{
    applyLayoutZoom(ui->rowCbx->currentIndex(), ui->columnCbx->currentIndex());
}

void MainWindow::fillComboBoxes()
{
    const int k = g_spliceScale;
    if (k >= 0) {
        for (int n = 1; n <= 9 * k + 9; ++n) {
            ui->rowCbx->addItem(QString::number(n));
            ui->columnCbx->addItem(QString::number(n));
        }
        ui->rowCbx->setCurrentIndex(0);
        ui->columnCbx->setCurrentIndex(0);
    }
    connect(ui->selectSceneBtn, &QPushButton::clicked, this, &MainWindow::applySpliceRowsColumns);
}
