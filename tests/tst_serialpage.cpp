#include <QtTest>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSerialPort>

#include "dialoganswerer.h"
#include "globals.h"
#include "link/comchange.h"
#include "link/serialportmanager.h"
#include "maincontent/controlwidget/bannawidget/bannawidget.h"
#include "ptypair.h"
#include "screen/languagefile.h"
#include "windowfixture.h"

// The serial connection page against pseudo-terminal pairs standing in for
// two serial adapters, and the device-change filter.
class TstSerialPage : public QObject
{
    Q_OBJECT

    QTemporaryDir mDir;
    std::unique_ptr<PtyPair> mFirst, mSecond;
    std::unique_ptr<BannaWidget> mPage;
    std::unique_ptr<QSignalSpy> mBar;   // the status bar's text
    template <class T> T *child(const char *name) const { return formChild<T>(mPage.get(), name); }
    QComboBox *portList() const { return child<QComboBox>("serialPortComboBox"); }
    QPushButton *openButton() const { return child<QPushButton>("openButton"); }
    QSerialPort *port() const { return SerialPortManager::getInstance()->serialPort(); }
    QString entry(const PtyPair &pty) const { return pty.slavePath() + QStringLiteral(" test pty"); }
    void makePage(const QStringList &paths)
    {
        offerSerialPorts(paths);
        mPage.reset(new BannaWidget(nullptr));
        mBar.reset(new QSignalSpy(SerialPortManager::getInstance(), &SerialPortManager::serialStatus));
    }
    // Code 2 is open, 1 closed; label and status bar say it in the same words, laid out differently.
    void checkStatus(int code, const QString &tail, const QString &head = QStringLiteral("连接状态："))
    {
        QCOMPARE(QVector<int>({port()->isOpen(), g_serialPortOpen, g_pendingStatusCode, g_statusMessagePending}),
                 QVector<int>({code == 2, code == 2, code, true}));
        QCOMPARE(child<QLabel>("tips")->text(), head + QStringLiteral("\n\n") + tail);
        QCOMPARE(mBar->isEmpty() ? QString() : mBar->last().at(0).toString(), head + tail);
    }

private slots:
    void initTestCase() { QVERIFY(mDir.isValid() && QDir::setCurrent(mDir.path())); }
    void init()
    {
        resetProgramState();
        mFirst.reset(new PtyPair), mSecond.reset(new PtyPair);
        QVERIFY(mFirst->isValid() && mSecond->isValid());
    }
    void cleanup() { LanguageFile::installTranslation(0), mPage.reset(), port()->close(); }

    // Send writes the bytes of a hex text, blanks and letter case as typed; the texts follow the language.
    void opensTheSelectedPortSendsAndClosesIt()
    {
        makePage({mFirst->slavePath(), mSecond->slavePath()});
        QCOMPARE(portList()->itemText(1), entry(*mSecond));
        portList()->setCurrentIndex(1);
        QTest::mouseClick(openButton(), Qt::LeftButton);
        mPage->send(QStringLiteral("08 05 aB Cd7f"));
        QCOMPARE(mSecond->read(5, 3000), QByteArray("\x08\x05\xab\xcd\x7f", 5));
        QSerialPort *p = port();
        QCOMPARE(QVector<int>({int(p->baudRate()), p->dataBits(), p->parity(), p->stopBits(), p->flowControl()}),
                 QVector<int>({115200, 8, QSerialPort::NoParity, QSerialPort::OneStop, QSerialPort::NoFlowControl}));
        QCOMPARE(openButton()->text(), QStringLiteral("关闭串口"));
        checkStatus(2, entry(*mSecond) + QStringLiteral("已连接"));

        QVERIFY(LanguageFile::installTranslation(2));
        g_languageIndex = 2;
        mPage->langban();
        QCOMPARE(openButton()->text(), QStringLiteral("Закрыть последовательный порт"));
        const QString ru = QStringLiteral("Статус соединения: ");
        checkStatus(2, entry(*mSecond) + QStringLiteral(" Связь установлена"), ru);
        QTest::mouseClick(openButton(), Qt::LeftButton);
        checkStatus(1, entry(*mSecond) + QStringLiteral(" Нет связи"), ru);
    }

    // An unchanged list leaves the open port alone; the port vanishing or a click on refresh closes it.
    void aChangedPortListClosesThePort_data()
    {
        QTest::addColumn<bool>("click");
        QTest::newRow("open port vanishes") << false;
        QTest::newRow("refresh button") << true;
    }
    void aChangedPortListClosesThePort()
    {
        QFETCH(bool, click);
        makePage({mFirst->slavePath()});
        mPage->refreshSerialPorts();   // the first tick counts as a change
        openButton()->click();
        mPage->refreshSerialPorts();
        QVERIFY(port()->isOpen());
        offerSerialPorts(click ? QStringList({mFirst->slavePath(), mSecond->slavePath()})
                               : QStringList({mSecond->slavePath()}));
        click ? QTest::mouseClick(child<QPushButton>("comboBoxSerialPort"), Qt::LeftButton) : mFirst.reset();
        QTRY_VERIFY_WITH_TIMEOUT(!port()->isOpen(), 5000);
        QCOMPARE(openButton()->text(), QStringLiteral("打开串口"));
        // A click reports while the list is still empty.
        checkStatus(1, (click ? QString() : entry(*mSecond)) + QStringLiteral("未连接"));
        QCOMPARE(portList()->count(), click ? 2 : 1);
    }

    // The entry chosen must still stand at its place when the button is pressed, and open;
    // otherwise nothing opens and the user is told.
    void aPortThatCannotBeOpenedIsReported_data()
    {
        QTest::addColumn<int>("road");
        QTest::addColumn<QString>("text");
        const QString gone = QStringLiteral("所选串口已不存在，请刷新串口列表！");
        QTest::newRow("gone") << 0 << gone;
        QTest::newRow("another port now at its place") << 1 << gone;
        QTest::newRow("will not open") << 2 << QStringLiteral(
            "当前串口号无法打开！请检查后重新打开！\n1、USB串口松了\n2、是否被其他的程序占用\n");
    }
    void aPortThatCannotBeOpenedIsReported()
    {
        QFETCH(int, road);
        QFETCH(QString, text);
        const QString first = mFirst->slavePath();
        const QString second = road == 2 ? mDir.filePath("no-such-tty") : mSecond->slavePath();
        makePage({first, second});
        portList()->setCurrentIndex(1);
        if (road < 2)
            offerSerialPorts(road == 1 ? QStringList({second, first}) : QStringList({first}));
        DialogAnswerer answerer;
        openButton()->click();
        QCOMPARE(answerer.texts(), QStringList({text}));
        QVERIFY(!port()->isOpen() && !g_serialPortOpen);
    }

    // The device-change filter reports ports coming and going by name; one there from the start
    // is no arrival.
    void portsThatAppearAndVanishAreReported()
    {
        offerSerialPorts({"/dev/ttyUSB0"});
        ComChange filter(this);
        filter.setHwnd(WId(1));
        QSignalSpy spy(&filter, &ComChange::comStatus);
        offerSerialPorts({"/dev/ttyUSB0", "/dev/ttyUSB1"});
        QTRY_COMPARE_WITH_TIMEOUT(spy.size(), 1, 3000);
        offerSerialPorts({});
        QTRY_COMPARE_WITH_TIMEOUT(spy.size(), 3, 3000);
        QCOMPARE(QList<QVariantList>(spy),
                 QList<QVariantList>({{"/dev/ttyUSB1", true}, {"/dev/ttyUSB0", false}, {"/dev/ttyUSB1", false}}));
    }
};

QTEST_MAIN(TstSerialPage)
#include "tst_serialpage.moc"
