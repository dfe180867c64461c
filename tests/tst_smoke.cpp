#include <QtTest>

#include "mainwindow.h"
#include "windowfixture.h"

class TstSmoke : public QObject
{
    Q_OBJECT
private slots:
    void constructsMainWindow()
    {
        WindowFixture fixture;
        QVERIFY(fixture.mw->mSendPackets);
        QVERIFY(fixture.mw->mSendTexts);
    }
};

QTEST_MAIN(TstSmoke)
#include "tst_smoke.moc"
