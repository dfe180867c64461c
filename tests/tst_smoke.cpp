#include <QtTest>

#include "mainwindow.h"

class TstSmoke : public QObject
{
    Q_OBJECT
private slots:
    void constructsMainWindow()
    {
        // The window reads its INI files from the working directory.
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QDir::setCurrent(dir.path());
        MainWindow w;
        QVERIFY(w.mSendPackets);
        QVERIFY(w.mSendTexts);
    }
};

QTEST_MAIN(TstSmoke)
#include "tst_smoke.moc"
