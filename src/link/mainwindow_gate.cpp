// Connection gate, switching of the editing controls and small link slots.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "globals.h"
#include "link/linktr.h"
#include "Graphics/inputchannel.h"
#include "Graphics/inputsourcebutton.h"
#include "Graphics/resolutionratioscene.h"
#include "Graphics/userview.h"
#include "maincontent/mymessagebox.h"
#include "networkdialog.h"

#include <QMenu>

bool MainWindow::checkConnected()
{
    if (g_networkConnected || g_serialConnected || g_offlineMode)
        return true;
    MyMessageBox::error(this, linkTr("错误"), linkTr("请先建立连接！"));
    return false;
}

// Everything but the splice apply button and the save button follows `enabled`.
void MainWindow::setEditingControlsEnabled(bool enabled)
{
    for (InputSourceButton *button : qAsConst(mInputSourceButtons))
        button->setEnabled(enabled);
    const QList<QWidget *> widgets = {
        ui->currentChannelCBox, ui->page1, ui->page2, ui->ckx_showWindow, ui->cbx_windowLevel,
        ui->ckx_enableAudio, ui->ckx_freezeWindow, ui->ckx_solidColor, ui->ldt_colorR, ui->ldt_colorG,
        ui->ldt_colorB, ui->btn_openColorPalette, ui->ptn_singleScreenModel, ui->ptn_twoDivisionModel_OBOS,
        ui->ptn_twoScreenModel_leftRight, ui->ptn_twoDivisionModel_upDown, ui->ptn_fourDivisionModel,
        ui->ptn_fourDivisionModel_OBTS, ui->page4, ui->cbx_deinterlace, ui->ptn_refresh, ui->ptn_factoryDataReset,
    };
    for (QWidget *widget : widgets)
        widget->setEnabled(enabled);
    if (UserView *view = ui->graphicsView) {
        if (view->mOpenWindowMenu)
            view->mOpenWindowMenu->setEnabled(enabled);
        if (view->mContextMenu)
            view->mContextMenu->setEnabled(enabled);
    }
}

void MainWindow::disableControls()
{
    ui->rowCbx->setEnabled(false);
    ui->columnCbx->setEnabled(false);
    ui->selectSceneBtn->setEnabled(false);
    setEditingControlsEnabled(false);
}

void MainWindow::enableControls()
{
    ui->rowCbx->setEnabled(true);
    ui->columnCbx->setEnabled(true);
    if (ui->rowCbx->currentIndex() != mStoredRowIndex || ui->columnCbx->currentIndex() != mStoredColumnIndex)
        ui->selectSceneBtn->setEnabled(true);
    ui->ptn_saveAll->setEnabled(true);
    setEditingControlsEnabled(true);
}

void MainWindow::showLinkControls(bool linked)
{
    ui->ptn_offLine->setEnabled(!linked);
    if (linked)
        enableControls();
    else
        disableControls();
}

void MainWindow::clearUnsupportedInputs()
{
    for (int &supported : g_windowInputSupported)
        supported = 1;
    ui->label_sliceImage->hide();
}

void MainWindow::langban() {}

void MainWindow::WidgetControl()
{
    ui->retranslateUi(this);
}

void MainWindow::on_testButton_clicked()
{
    if (mNetworkDialog)
        mNetworkDialog->applyTimerInterval();
}

void MainWindow::setCurrentWindowsMovable(bool movable)
{
    UserView *view = ui->graphicsView;
    if (!view || mCurrentSceneIndex < 0 || mCurrentSceneIndex >= view->mScenes.size())
        return;
    for (InputChannel *channel : qAsConst(view->mScenes.at(mCurrentSceneIndex)->mChannels))
        channel->setFlag(QGraphicsItem::ItemIsMovable, movable);
}
