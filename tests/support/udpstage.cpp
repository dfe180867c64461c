#include "udpstage.h"
#include "link/udpreply.h"

#include "dialoganswerer.h"
#include "globals.h"
#include "mainwindow.h"
#include "netdialogdriver.h"
#include "networkdialog.h"
#include "networkhelp.h"
#include "windowfixture.h"

#include <QPushButton>
#include <QtTest>

bool UdpStage::start()
{
    box = new FakeBoxUdp(&state);
    if (!box->start())
        return false;
    fixture = new WindowFixture;
    window = fixture->mw;
    window->show();
    driver = new NetDialogDriver(window);
    answerer = new DialogAnswerer(DialogAnswerer::Accept);
    answerer->setClassAnswer(QStringLiteral("WaitingWidget"), DialogAnswerer::Leave);
    return true;
}

void UdpStage::stop()
{
    delete answerer;
    delete driver;
    delete fixture;
    delete box;
}

void UdpStage::reset()
{
    box->reset();
    NetworkDialog *dialog = driver->dialog();
    // A search left running would turn the next search click into a stop;
    // its late interface steps and answers must not reach the next search.
    if (dialog->mCountdownTimer->isActive()) {
        driver->button("ptn_findDevice")->click();
        QTest::qWait(300);
    }
    dialog->mHelp->close();
    if (g_languageIndex != 0)
        driver->button("Button_CN")->click();
    answerer->clear();
    answerer->clearTextAnswers();
}

void UdpStage::resetState()
{
    state = FakeBoxState();
    state.mac = {0, 0x22, 0x22, 0x33, 0x44, 0x55};
}

void UdpStage::resetForRead()
{
    reset();
    endResultBoxesEarly();
    resetState();
    driver->setCell(0, DeviceColumn::Version, state.version);
    driver->setCell(0, DeviceColumn::Callback, QStringLiteral("10.77.0.1"));
}

void UdpStage::connectToFirstRow()
{
    if (g_networkConnected)
        driver->click("ptn_disconnectDevice");
    box->clear();
    answerer->clear();
    driver->selectRow(0);
    driver->click("ptn_connectDevice");
}

void UdpStage::endResultBoxesEarly()
{
    for (const char *text : {"通道1校正成功!", "通道2校正成功!", "通道3校正成功!", "通道4校正成功!",
                                "连接成功！", "连接失败！", "刷新成功！", "刷新失败！"})
        answerer->setTextAnswer(text, DialogAnswerer::Accept);
}

static QStringList seenTexts(const DialogAnswerer *answerer, bool busy)
{
    QStringList out;
    for (const DialogAnswerer::Seen &s : answerer->seen)
        if ((s.className == QLatin1String("WaitingWidget")) == busy)
            out << (s.text.isEmpty() ? s.title : s.text);
    return out;
}

QStringList UdpStage::busyTexts() const
{
    return seenTexts(answerer, true);
}

QStringList UdpStage::messageTexts() const
{
    return seenTexts(answerer, false);
}
