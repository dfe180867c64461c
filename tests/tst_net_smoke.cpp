#include <QtTest>
#include <QNetworkInterface>

// The socket tests run in a private namespace with the veth pair present.
class TstNetSmoke : public QObject
{
    Q_OBJECT
private slots:
    void privateNamespaceHasTheTestPair()
    {
        const auto found = [] {
            for (const QHostAddress &a : QNetworkInterface::allAddresses())
                if (a.toString() == QLatin1String("10.77.0.1"))
                    return true;
            return false;
        };
        // Read again for a while: on a loaded machine the pair's address may
        // show a moment late.
        QTRY_VERIFY_WITH_TIMEOUT(found(), 5000);
    }
};

QTEST_MAIN(TstNetSmoke)
#include "tst_net_smoke.moc"
