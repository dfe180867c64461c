#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <iterator>


#include "communicationdialog.h"
#include "globals.h"
#include "Graphics/inputsourcebutton.h"
#include "maincontent/waitingwidget.h"
#include "networkdialog.h"
#include "preset/myframe.h"
#include "screen/languagefile.h"
#include "titlebar/maintitlebar.h"

void MainWindow::changeLanguage(int index)
{
    ui->cbx_language->setCurrentIndex(index);
    g_languageIndex = index;

    // Captions the user gave the input buttons survive the retranslation.
    QStringList customCaptions;
    for (InputSourceButton *button : qAsConst(mInputSourceButtons)) {
        if (!button->mDefaultCaption)
            customCaptions << button->text();
    }

    LanguageFile::installTranslation(index);

    ui->retranslateUi(this);
    if (index == 0)
        ui->ptn_saveAll->setText(QStringLiteral("保存所有配置"));
    ui->graphicsView->retranslateMenus();
    ui->widgetTitle->retranslateTexts();
    mNetworkDialog->retranslateUi();
    mCommunicationDialog->retranslateUi();
    for (MyFrame *frame : qAsConst(mPresetFrames))
        frame->retranslateMenu();

    const QString line = statusLine(g_pendingStatusCode);
    if (!line.isNull())
        showStatusText(line);

    // Captions that depend on the link state, which the form cannot know, and
    // sizes that follow the length of the language's texts. In Spanish the
    // connected state shows on the save button rather than on the connect one.
    struct LinkCaptions {
        const char *connected;      // connect button while the network is up
        const char *saveAll;        // save button while the network is up
        const char *closePort;      // serial button while the port is open
        int waitingWidth;
        int spacerWidth;
    };
    static const LinkCaptions captions[] = {
        {"已连接", nullptr, "关闭串口", 250, 40},
        {"Connected", nullptr, "close the Serial Port", 250, 30},
        {"Связь установлена.", nullptr, "Закрыть порт RS232", 450, 25},
        {nullptr, "Guardar toda la configuración", "Cerrar el puerto serie", 450, 25},
    };
    if (index >= 0 && index < int(std::size(captions))) {
        const LinkCaptions &c = captions[index];
        if (g_networkConnected && c.connected)
            ui->connect->setText(QString::fromUtf8(c.connected));
        if (g_networkConnected && c.saveAll)
            ui->ptn_saveAll->setText(QString::fromUtf8(c.saveAll));
        if (g_serialConnected)
            ui->openButton->setText(QString::fromUtf8(c.closePort));
        WaitingWidget::setSize(c.waitingWidth, 100);
        mNetworkDialog->setButtonSpacing(c.spacerWidth);
    }
    // The network dialog's open button was retranslated to "open" too; while
    // the port is open it must say what the main form's says.
    if (g_serialConnected)
        mNetworkDialog->setOpenButtonText(ui->openButton->text());

    int next = 0;
    for (InputSourceButton *button : qAsConst(mInputSourceButtons)) {
        if (!button->mDefaultCaption && next < customCaptions.size())
            button->setText(customCaptions.at(next++));
    }
}

// Handler of the (hidden) language combo: only the main texts follow.
void MainWindow::switchLanguage(int index)
{
    g_languageIndex = index;
    LanguageFile::installTranslation(index);
    ui->retranslateUi(this);
    ui->graphicsView->retranslateMenus();
    ui->widgetTitle->retranslateTexts();
    mNetworkDialog->retranslateUi();
    if (index == 0)
        ui->ptn_saveAll->setText(QStringLiteral("保存所有配置"));
}
