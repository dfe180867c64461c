#include "udpstage.h"

#include "dialoganswerer.h"
#include "mainwindow.h"
#include "netdialogdriver.h"

#include <QDir>

bool UdpStage::start()
{
    if (!dir.isValid() || !QDir::setCurrent(dir.path()))
        return false;
    box = new FakeBoxUdp(&state);
    if (!box->start())
        return false;
    window = new MainWindow;
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
    delete window;
    delete box;
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
