#include <QtTest>

#include "mainwindow.h"

class TstSmoke : public QObject
{
    Q_OBJECT
private slots:
    void constructsMainWindow()
    {
        MainWindow w;
        QVERIFY(w.mSendPackets);
        QVERIFY(w.mSendTexts);
    }
};

QTEST_MAIN(TstSmoke)
#include "tst_smoke.moc"
