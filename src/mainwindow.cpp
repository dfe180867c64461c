#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QAbstractItemView>
#include <QDebug>
#include <QKeyEvent>
#include <QListView>
#include <QPixmap>
#include <QRegExpValidator>
#include <QSerialPort>
#include <QTcpSocket>
#include <QTimer>

#include "communicationdialog.h"
#include "globals.h"
#include "link/linkstatus.h"
#include "link/serialportmanager.h"
#include "maincontent/controlwidget/framecontrol/dragpushbutton.h"
#include "maincontent/widgetcontextmanage.h"
#include "networkdialog.h"
#include "titlebar/maintitlebar.h"

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    // The order below matters: later steps use what earlier ones built.
    mStatusLabel = new QLabel;
    ui = new Ui_MainWindow;
    initStatusTexts();

    WidgetContextManage::getInstance()->setMainWindow(this);

    mSendPackets = new QList<QByteArray>;
    mSendTexts = new QList<QString>;

    mNetworkDialog = new NetworkDialog;
    mNetworkDialog->setMainWindow(this);

    initLayoutZoomTable(0);

    ui->setupUi(this);

    g_outputMode = 0;

    ui->port->hide();
    ui->IP->hide();
    ui->label_2->hide();
    ui->label_3->hide();
    ui->label_sliceImage->hide();

    initSpliceCommandTable();
    initSerialPort();
    initNetwork();

    ui->label_7->setPixmap(QPixmap(QStringLiteral(":/res/res/image/multiply.png")));

    ui->DHCPon->setEnabled(true);
    ui->DHCPoff->setEnabled(false);

    initInputSources();
    fillComboBoxes();

    mSerialPort = SerialPortManager::getInstance()->serialPort();

    mSliderPending = false;
    mSliderTimer = new QTimer(this);
    connect(mSliderTimer, &QTimer::timeout, this, &MainWindow::ctorLambdaStopTimer);

    mQueryStep = 0;
    mQueryTimer = new QTimer(this);
    connect(mQueryTimer, &QTimer::timeout, this, &MainWindow::onStartupQueryTimeout);

    initAttributeControls();
    initTimers();
    hideUnsupportedControls();

    mInitialChannelIndex = ui->currentChannelCBox->currentIndex();

    connect(ui->graphicsView, &UserView::changeInputSourceInfo, this, &MainWindow::onChangeInputSourceInfo);

    ui->cbx_language->setCurrentIndex(g_languageIndex);
    ui->graphicsView->retranslateMenus();
    ui->widgetTitle->retranslateTexts();
    ui->widgetTitle->setMainWindow(this);

    connect(ui->cbx_language, QOverload<int>::of(&QComboBox::activated), this, &MainWindow::switchLanguage);

    connectCropEditor();

    mReadOk = false;
    mCommunicationDialog = new CommunicationDialog(this);

    connect(this, &MainWindow::readInfo, mCommunicationDialog, &CommunicationDialog::showInfo);
    connect(ui->graphicsView, &UserView::readInfo, mCommunicationDialog, &CommunicationDialog::showInfo);

    connect(ui->widgetTitle, &MainTitleBar::closeWindow, this, &QObject::deleteLater);

    connect(ui->pushButton, &QPushButton::clicked, this, &MainWindow::showCommunicationDialog);

    disableControls();

    QFont comboFont = ui->rowCbx->font();
    comboFont.setFamily(QStringLiteral("微软雅黑"));
    ui->rowCbx->setFont(comboFont);
    comboFont = ui->columnCbx->font();
    comboFont.setFamily(QStringLiteral("微软雅黑"));
    ui->columnCbx->setFont(comboFont);

    ui->groupBox->hide();
    ui->label_43->hide();
    ui->cbx_language->hide();

    mSendTimer = new QTimer(this);
    // One packet per tick: a coarse timer would run up to 5 % fast.
    mSendTimer->setTimerType(Qt::PreciseTimer);
    mSendTimer->start(250);
    connect(mSendTimer, &QTimer::timeout, mSendTimer, [this]() { onSendTimer(); }, Qt::DirectConnection);

    ui->graphicsView->setMainWindow(this);

    ui->lineEdit_speed->setText(QStringLiteral("55"));
    ui->lineEdit_speed_2->setText(QStringLiteral("110"));
    const QRegExp digitsOnly(QStringLiteral("[0-9]+$"), Qt::CaseSensitive);
    ui->lineEdit_speed->setValidator(new QRegExpValidator(digitsOnly, ui->lineEdit_speed));
    ui->lineEdit_speed_2->setValidator(new QRegExpValidator(digitsOnly, ui->lineEdit_speed_2));

    ui->pushButtonReset103->hide();
    ui->testButton->hide();

    postLinkStatus(kStatusNotConnected);
    showStatusText(statusLine(kStatusNotConnected));

    ui->MyMessageButton->hide();

    changeLanguage(g_languageIndex);

    applyLayoutZoom(ui->rowCbx->currentIndex(), ui->columnCbx->currentIndex());
    initPresetFrames();
    initZoomToolbar();

    mStatusTimer = new QTimer(this);
    mStatusTimer->start(100);
    connect(mStatusTimer, &QTimer::timeout, this, &MainWindow::updateStatusBar);

    loadInputSourceCaptions();

    ui->checkBox->hide();
    if (auto *list = qobject_cast<QListView *>(ui->outputModeComBox->view())) {
        list->setRowHidden(2, true);
        list->setRowHidden(3, true);
    }

    mVersionLabel = new QLabel(QStringLiteral("V2.4.3.15"));
    ui->statusBar->addPermanentWidget(mVersionLabel, 0);

    if (g_languageIndex >= 0 && g_languageIndex <= 3) {
        if (MainTitleBar *bar = WidgetContextManage::getInstance()->mainTitleBar())
            bar->titleLabel()->setText(QStringLiteral("Halden"));
    }
}

MainWindow::~MainWindow()
{
    // The ports belong to their holders: only closed here.
    if (mSerialPort)
        mSerialPort->close();
    if (mTcpSocket)
        mTcpSocket->close();
    delete mDragPushButton;
    delete mNetworkDialog;
    delete ui;
    delete mSendPackets;
    delete mSendTexts;
    // The status label was never given a parent if it was never shown.
    if (mStatusLabel && !mStatusLabel->parent())
        delete mStatusLabel;
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (presetFrameEvent(watched, event))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showCommunicationDialog()
{
    qDebug() << "hide button";
    mCommunicationDialog->show();
}
