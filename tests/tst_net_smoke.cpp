#include <QtTest>
#include <QNetworkInterface>

// The socket tests run in a private namespace with the veth pair present.
class TstNetSmoke : public QObject
{
    Q_OBJECT
private slots:
    void privateNamespaceHasTheTestPair()
    {
        bool found = false;
        for (const QHostAddress &a : QNetworkInterface::allAddresses())
            if (a.toString() == QLatin1String("10.77.0.1"))
                found = true;
        QVERIFY(found);
    }
};

QTEST_MAIN(TstNetSmoke)
#include "tst_net_smoke.moc"
