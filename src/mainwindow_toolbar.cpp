// The wall view's zoom tools and cursor modes, and the preset keys.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QDebug>
#include <QKeyEvent>
#include <QPushButton>
#include <QSlider>

#include "globals.h"
#include "maincontent/mymessagebox.h"
#include "maincontent/myslider.h"

namespace {

const char kActiveModeSheet[] = "QPushButton { background-color: #889bb1 }";
const char kInactiveModeSheet[] = "QPushButton { background-color: #bdd0e8 }"
                                  "QPushButton:hover { background-color: #cee0f4 }";
const char kZoomSliderSheet[] =
    "QSlider::groove:horizontal {    border: 1px solid #999999;    height: 30px;    margin: 2px;"
    "    border-radius: 25px;}"
    "QSlider::handle:horizontal {    background: qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 #eeeeee,"
    " stop:1 #dddddd);    border: 1px solid #5c5c5c;    width: 0px;    margin: -2px 0;    border-radius: 25px;}"
    "QSlider::sub-page:horizontal {    border-radius: 25px;    background: #bed1e9;}"
    "QSlider::add-page:horizontal {    border-radius: 25px;    background: #C0C0C0;}";

QPushButton *makeToolButton(QWidget *parent, const char *icon)
{
    auto *button = new QPushButton(parent);
    button->setIcon(QIcon(QString::fromLatin1(icon)));
    button->setIconSize(QSize(21, 21));
    return button;
}

} // namespace

void MainWindow::initZoomToolbar()
{
    mSelectModeButton = makeToolButton(this, ":/res/res/selectMouseIcon.png");
    mZoomModeButton = makeToolButton(this, ":/res/res/magnifyMouseIcon.png");
    mFullScreenButton = makeToolButton(this, ":/res/res/fullScreenIcon.png");
    mZoomOutButton = makeToolButton(this, ":/res/res/magnifyingGlassMinusIcon.png");
    mZoomSlider = new MySlider(this);
    mZoomSlider->setOrientation(Qt::Horizontal);
    mZoomSlider->setFixedSize(125, 30);
    mZoomSlider->setRange(0, 100);
    mZoomSlider->setStyleSheet(QString::fromLatin1(kZoomSliderSheet));
    mZoomInButton = makeToolButton(this, ":/res/res/magnifyingGlassPlusIcon.png");

    connect(mSelectModeButton, &QPushButton::clicked, this, &MainWindow::setEditMode);
    connect(mZoomModeButton, &QPushButton::clicked, this, &MainWindow::setZoomMode);
    connect(mFullScreenButton, &QPushButton::clicked, this, &MainWindow::applyLayoutZoomFromUi);
    connect(mZoomOutButton, &QPushButton::clicked, this, &MainWindow::zoomStepDown);
    connect(mZoomSlider, &QSlider::valueChanged, this, &MainWindow::applyZoomFromSlider);
    connect(mZoomInButton, &QPushButton::clicked, this, &MainWindow::zoomStepUp);

    // After the form's spacers, so the tools sit at the right end.
    ui->horizontalLayout->addWidget(mSelectModeButton);
    ui->horizontalLayout->addWidget(mZoomModeButton);
    ui->horizontalLayout->addWidget(mFullScreenButton);
    ui->horizontalLayout->addWidget(mZoomOutButton);
    ui->horizontalLayout->addWidget(mZoomSlider);
    ui->horizontalLayout->addWidget(mZoomInButton);

    mSelectModeButton->setStyleSheet(QString::fromLatin1(kActiveModeSheet));
}

void MainWindow::setEditMode()
{
    g_viewMode = 1;
    ui->graphicsView->setCursorMode(1);
    mZoomModeButton->setStyleSheet(QString::fromLatin1(kInactiveModeSheet));
    mSelectModeButton->setStyleSheet(QString::fromLatin1(kActiveModeSheet));
}

void MainWindow::setZoomMode()
{
    g_viewMode = 0;
    ui->graphicsView->setCursorMode(0);
    mZoomModeButton->setStyleSheet(QString::fromLatin1(kActiveModeSheet));
    mSelectModeButton->setStyleSheet(QString::fromLatin1(kInactiveModeSheet));
}

void MainWindow::zoomStepUp()
{
    mZoomSlider->setValue(mZoomSlider->value() + 1);
    g_zoomStep = mZoomSlider->value();
}

void MainWindow::zoomStepDown()
{
    mZoomSlider->setValue(mZoomSlider->value() - 1);
    g_zoomStep = mZoomSlider->value();
}

// The wall's zoom curve: small steps near the whole-wall view, large ones
// close up. Worked in extended precision, used as a float.
float MainWindow::zoomScale(int value)
{
    const long double v = value;
    const long double a = 0.009L * v;
    const long double s = (0.01L + a * (a + 0.01L)) * (0.0148L * v) + 0.02L;
    return float(s);
}

void MainWindow::applyZoomFromSlider()
{
    const int v = mZoomSlider->value();
    const float s = zoomScale(v);
    ui->graphicsView->resetTransform();
    ui->graphicsView->scale(s, s);
    g_zoomStep = v;
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);

    // The shifted digits recall presets 1 to 10; the text decides, not the key.
    static const QString kPresetKeys = QStringLiteral("!@#$%^&*()");
    const QString text = event->text();
    if (text.size() != 1)
        return;
    const int index = kPresetKeys.indexOf(text);
    if (index < 0)
        return;
    ++mPresetKeyCount;
    mLastPresetKey = index;
    applyPresetByNumber(index);
}

void MainWindow::on_MyMessageButton_clicked()
{
    const QString filler = QStringLiteral("测试内容");
    bool answer = MyMessageBox::warning(this, QStringLiteral("测试警告"), filler.repeated(12));
    qDebug() << "这是警告窗口的返回值：" << (answer ? "true" : "false");
    answer = MyMessageBox::error(this, QStringLiteral("测试错误"),
                                 filler.repeated(3) + QStringLiteral("fdsafasfdasfsdafasdfda") + filler.repeated(2));
    qDebug() << "这是错误窗口的返回值：" << (answer ? "true" : "false");
    answer = MyMessageBox::information(this, QStringLiteral("测试信息"),
                                       filler + QStringLiteral("fdsafdafda") + filler.repeated(4));
    qDebug() << "这是信息窗口的返回值：" << (answer ? "true" : "false");
    answer = MyMessageBox::question(this, QStringLiteral("测试询问"),
                                    filler.repeated(2) + QStringLiteral("fdsafasfdasfsdafasdfda") + filler);
    qDebug() << "这是询问窗口的返回值：" << (answer ? "true" : "false");
}
