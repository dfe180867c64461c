#include <QApplication>
#include <QFile>
#include <QFont>

#include "common.h"
#include "screen/mainobject.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("Microsoft YaHi"), 9));

    MainObject mainObject;
    mainObject.startUp();

    // Applied after the window exists; a sheet that does not open is skipped.
    QFile sheet(kStyleSheetPath);
    if (sheet.open(QIODevice::ReadOnly)) {
        QByteArray bytes = sheet.readAll();
        const int nul = bytes.indexOf('\0');
        if (nul >= 0)
            bytes.truncate(nul);
        app.setStyleSheet(QString::fromUtf8(bytes));
        sheet.close();
    }
    return app.exec();
}
