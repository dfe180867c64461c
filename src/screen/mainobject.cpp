#include "mainobject.h"

#include <QDebug>

#include "globals.h"
#include "languagefile.h"
#include "mainwindow.h"
#include "splashscreen.h"

MainObject::MainObject(QObject *parent) : QObject(parent)
{
}

MainObject::~MainObject()
{
    // A deletion the title bar asked for after the event loop had ended
    // never runs, so the window still left is destroyed here, once.
    delete mMainWindow.data();
}

void MainObject::startUp()
{
    const int language = LanguageFile::read();
    qDebug() << "nubEN = " << language;
    qDebug() << "nubEN = " << language;
    qDebug() << "执行中英文切换";
    switch (language) {
    case 0: qDebug() << "中文界面： " << 0; break;
    case 1: qDebug() << "英文界面： " << 1; break;
    case 2: qDebug() << "俄文界面： " << 2; break;
    case 3: qDebug() << "西班牙界面：" << 3; break;
    default: break;
    }
    LanguageFile::installTranslation(language);

    SplashScreen *splash = SplashScreen::instance();
    splash->setProgress(0, tr("初始化应用程序 ..."));

    mMainWindow = new MainWindow;
    mMainWindow->setWindowTitle(tr("control"));

    splash->setStart(mMainWindow, tr("control"), QStringLiteral(":/res/res/splash.png"));
    splash->setProgress(20, tr("初始化主界面 ..."));
    splash->setProgress(70, tr("加载中 ..."));
    splash->setProgress(100, tr("加载完毕！"));
    splash->finishStart();
    mMainWindow->showNormal();
}
