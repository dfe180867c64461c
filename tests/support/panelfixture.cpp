#include "panelfixture.h"

#include <QtTest>
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QLineEdit>
#include <QToolBox>

#include "Graphics/inputchannel.h"
#include "Graphics/resolutionratioscene.h"
#include "Graphics/userview.h"
#include "globals.h"
#include "mainwindow.h"
#include "Graphics/inputsourcebutton.h"
#include "Graphics/sliceupview.h"

QString windowText(int window, int code, int value)
{
    return QStringLiteral("%1%2%3").arg(window, 2, 16, QLatin1Char('0')).arg(code, 2, 16, QLatin1Char('0'))
        .arg(value, 4, 16, QLatin1Char('0'));
}

PanelFixture::PanelFixture(const std::function<void()> &beforeWindow) : WindowFixture(beforeWindow)
{
    ui = new PanelUi;
#define PANEL_FIND(Type, name) \
    ui->name = mw->findChild<Type *>(QStringLiteral(#name)); \
    if (!ui->name) \
        qWarning("form widget missing: %s", #name);
    PANEL_WIDGETS(PANEL_FIND)
#undef PANEL_FIND
    mw->resize(1500, 900);
    mw->show();
    if (!QTest::qWaitForWindowExposed(mw))
        qWarning("main window not exposed");
    QTest::mouseClick(ui->ptn_offLine, Qt::LeftButton);
    // The pump would drop every entry without a link; the tests read them.
    mw->mSendTimer->stop();
    select(1);
    waitSliderPause();
    takeTexts();
}

PanelFixture::~PanelFixture()
{
    delete ui;
}

QStringList PanelFixture::takeTexts()
{
    const QStringList texts = *mw->mSendTexts;
    mw->mSendTexts->clear();
    mw->mSendPackets->clear();
    return texts;
}

void PanelFixture::showPageOf(QWidget *widget)
{
    for (QWidget *w = widget; w; w = w->parentWidget()) {
        if (ui->rightTBox->indexOf(w) >= 0) {
            ui->rightTBox->setCurrentWidget(w);
            return;
        }
    }
}

void PanelFixture::type(QLineEdit *edit, const QString &text)
{
    showPageOf(edit);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Enter);
}

void PanelFixture::click(QAbstractButton *button)
{
    showPageOf(button);
    // A check box takes clicks on its box and label only, not on spare width.
    const QPoint at = qobject_cast<QCheckBox *>(button) ? QPoint(qMin(8, button->width() / 2), button->height() / 2)
                                                        : button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, {}, at);
}

ResolutionRatioScene *PanelFixture::scene() const
{
    return ui->graphicsView->mScenes.at(mw->mCurrentSceneIndex);
}

InputChannel *PanelFixture::window(int n) const
{
    return scene()->mChannels.at(n - 1);
}

void PanelFixture::select(int n)
{
    mw->changeUIBaseSelectChannel(n);
}

void PanelFixture::setWall(int rows, int columns, const QRectF &sceneRect)
{
    ui->rowCbx->setCurrentIndex(rows - 1);
    ui->columnCbx->setCurrentIndex(columns - 1);
    if (!sceneRect.isEmpty()) {
        scene()->mSceneRect = sceneRect;
        scene()->setSceneRect(sceneRect);
    }
}

QPoint PanelFixture::wallGlobal(const QPointF &scenePoint) const
{
    UserView *view = ui->graphicsView;
    return view->viewport()->mapToGlobal(view->mapFromScene(scenePoint));
}

void PanelFixture::waitSliderPause()
{
    QTRY_VERIFY_WITH_TIMEOUT(!mw->mSliderPending, 5000);
}
