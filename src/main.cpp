#include <QApplication>
#include <QFile>

#include "common.h"
#include "mainwindow.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("Microsoft YaHi"), 9));
    MainWindow w;
    w.show();
    QFile sheet(kStyleSheetPath);
    if (sheet.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromUtf8(sheet.readAll()));
    return app.exec();
}
