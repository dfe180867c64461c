#include <QtTest>

#include "dialoganswerer.h"
#include "globals.h"
#include "link/serialportmanager.h"
#include "windowfixture.h"
#include "maincontent/controlwidget/bannawidget/bannawidget.h"
#include "ptypair.h"
#include "screen/languagefile.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSerialPort>

// The serial connection page against pseudo-terminal pairs standing in for
// two serial adapters.
class TstSerialPage : public QObject
{
    Q_OBJECT

    QTemporaryDir mDir;
    std::unique_ptr<PtyPair> mFirst;
    std::unique_ptr<PtyPair> mSecond;
    std::unique_ptr<BannaWidget> mPage;

    QComboBox *portList() const { return formChild<QComboBox>(mPage.get(), "serialPortComboBox"); }
    QPushButton *openButton() const { return formChild<QPushButton>(mPage.get(), "openButton"); }
    QPushButton *refreshButton() const { return formChild<QPushButton>(mPage.get(), "comboBoxSerialPort"); }
    QLabel *tips() const { return formChild<QLabel>(mPage.get(), "tips"); }
    QSerialPort *port() const { return SerialPortManager::getInstance()->serialPort(); }
    QString entry(const PtyPair &pty) const { return pty.slavePath() + QStringLiteral(" test pty"); }

    void makePage(const QStringList &paths)
    {
        offerSerialPorts(paths);
        mPage.reset(new BannaWidget(nullptr));
    }

    void checkStatus(int code, const QString &label)
    {
        QCOMPARE(g_pendingStatusCode, code);
        QVERIFY(g_statusMessagePending);
        QCOMPARE(tips()->text(), label);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(mDir.isValid());
        QDir::setCurrent(mDir.path());
    }

    void init()
    {
        resetProgramState();
        mFirst.reset(new PtyPair);
        mSecond.reset(new PtyPair);
        QVERIFY(mFirst->isValid() && mSecond->isValid());
    }

    void cleanup()
    {
        LanguageFile::installTranslation(0);
        mPage.reset();
        if (port())
            port()->close();
        mFirst.reset();
        mSecond.reset();
    }

    void opensTheSelectedPortAndClosesIt()
    {
        makePage({mFirst->slavePath(), mSecond->slavePath()});
        QCOMPARE(portList()->count(), 2);
        QCOMPARE(portList()->itemText(1), entry(*mSecond));
        QSignalSpy bar(SerialPortManager::getInstance(), &SerialPortManager::serialStatus);

        portList()->setCurrentIndex(1);
        QTest::mouseClick(openButton(), Qt::LeftButton);
        QVERIFY(port()->isOpen());
        QVERIFY(mSecond->slavePath().endsWith(port()->portName()));
        QCOMPARE(port()->baudRate(), 115200);
        QCOMPARE(port()->dataBits(), QSerialPort::Data8);
        QCOMPARE(port()->parity(), QSerialPort::NoParity);
        QCOMPARE(port()->stopBits(), QSerialPort::OneStop);
        QCOMPARE(port()->flowControl(), QSerialPort::NoFlowControl);
        QCOMPARE(port()->readBufferSize(), qint64(500));
        QCOMPARE(g_serialPortOpen, 1);
        QCOMPARE(openButton()->text(), QStringLiteral("关闭串口"));
        checkStatus(2, QStringLiteral("连接状态：\n\n") + entry(*mSecond) + QStringLiteral("已连接"));
        QCOMPARE(bar.takeFirst().at(0).toString(), QStringLiteral("连接状态：") + entry(*mSecond) + QStringLiteral("已连接"));

        QTest::mouseClick(openButton(), Qt::LeftButton);
        QVERIFY(!port()->isOpen());
        QCOMPARE(g_serialPortOpen, 0);
        QCOMPARE(openButton()->text(), QStringLiteral("打开串口"));
        checkStatus(1, QStringLiteral("连接状态：\n\n") + entry(*mSecond) + QStringLiteral("未连接"));
        QCOMPARE(bar.takeFirst().at(0).toString(), QStringLiteral("连接状态：") + entry(*mSecond) + QStringLiteral("未连接"));
    }

    void sendWritesTheBytesOfTheHexText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("plain") << "08050000" << QByteArray::fromHex("08050000");
        QTest::newRow("blanks between pairs") << "08 05 00 00" << QByteArray::fromHex("08050000");
        QTest::newRow("mixed case") << "66 01 aB Cd 7f" << QByteArray("\x66\x01\xab\xcd\x7f", 5);
    }

    void sendWritesTheBytesOfTheHexText()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        makePage({mFirst->slavePath()});
        openButton()->click();
        QVERIFY(port()->isOpen());
        mPage->send(text);
        QCOMPARE(mFirst->read(bytes.size(), 3000), bytes);
        mPage->sendIfOpen(text);
        QCOMPARE(mFirst->read(bytes.size(), 3000), bytes);

        // A closed port refuses the write itself; only send() tries it.
        openButton()->click();
        QTest::ignoreMessage(QtWarningMsg, "QIODevice::write (QSerialPort): device not open");
        mPage->sendIfOpen(text);
        mPage->send(text);
    }

    // The page follows the list by itself: the open port vanishes, it closes.
    void aVanishedPortClosesThePage()
    {
        makePage({mFirst->slavePath()});
        openButton()->click();
        QVERIFY(port()->isOpen());
        QSignalSpy bar(SerialPortManager::getInstance(), &SerialPortManager::serialStatus);

        offerSerialPorts({mSecond->slavePath()});
        mFirst.reset();
        QTRY_VERIFY_WITH_TIMEOUT(!port()->isOpen(), 5000);
        QCOMPARE(portList()->count(), 1);
        QCOMPARE(portList()->itemText(0), entry(*mSecond));
        QCOMPARE(g_serialPortOpen, 0);
        QCOMPARE(openButton()->text(), QStringLiteral("打开串口"));
        checkStatus(1, QStringLiteral("连接状态：\n\n") + entry(*mSecond) + QStringLiteral("未连接"));
        QCOMPARE(bar.last().at(0).toString(), QStringLiteral("连接状态：") + entry(*mSecond) + QStringLiteral("未连接"));
    }

    // A refresh tick relists only on a change, and a change closes the port
    // whoever opened it; the first tick counts as one.
    void aChangedListClosesThePortOnce()
    {
        makePage({mFirst->slavePath()});
        port()->setPortName(mFirst->slavePath());
        QVERIFY(port()->open(QIODevice::ReadWrite));
        g_serialPortOpen = 1;
        mPage->refreshSerialPorts();
        QVERIFY(!port()->isOpen());
        QCOMPARE(g_serialPortOpen, 0);
        QCOMPARE(portList()->count(), 1);
        QCOMPARE(g_pendingStatusCode, 1);

        openButton()->click();
        QVERIFY(port()->isOpen());
        mPage->refreshSerialPorts();
        QVERIFY(port()->isOpen());
        QCOMPARE(g_serialPortOpen, 1);
    }

    // The entry chosen must still stand at its place when the button is
    // pressed; otherwise nothing opens and the user is told.
    void aPortGoneBeforeTheClickIsReported_data()
    {
        QTest::addColumn<bool>("reordered");
        QTest::newRow("gone") << false;
        QTest::newRow("another port now at its place") << true;
    }

    void aPortGoneBeforeTheClickIsReported()
    {
        QFETCH(bool, reordered);
        makePage({mFirst->slavePath(), mSecond->slavePath()});
        portList()->setCurrentIndex(1);
        offerSerialPorts(reordered ? QStringList({mSecond->slavePath(), mFirst->slavePath()})
                                   : QStringList({mFirst->slavePath()}));
        DialogAnswerer answerer;
        openButton()->click();
        QCOMPARE(answerer.texts(), QStringList({QStringLiteral("所选串口已不存在，请刷新串口列表！")}));
        QCOMPARE(answerer.titles(), QStringList({QStringLiteral("警告")}));
        QVERIFY(!port()->isOpen());
        QCOMPARE(g_serialPortOpen, 0);
    }

    void aPortThatWillNotOpenShowsTheBox_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("buttons");
        QTest::newRow("Chinese") << 0
                                 << "当前串口号无法打开！请检查后重新打开！\n1、USB串口松了\n2、是否被其他的程序占用\n"
                                 << QStringList({QStringLiteral("确定")});
        QTest::newRow("Russian") << 2
                                 << "The current serial number cannot be opened! Please check and reopen! \n"
                                    "1.USB serial port loose \n2.Whether it is occupied  by other programs\n"
                                 << QStringList({QStringLiteral("OK")});
    }

    void aPortThatWillNotOpenShowsTheBox()
    {
        QFETCH(int, language);
        QFETCH(QString, text);
        QFETCH(QStringList, buttons);
        makePage({mDir.filePath("no-such-tty")});
        g_languageIndex = language;
        DialogAnswerer answerer;
        openButton()->click();
        QCOMPARE(answerer.texts(), QStringList({text}));
        QCOMPARE(answerer.seen.first().buttons, buttons);
        QVERIFY(!port()->isOpen());
        QCOMPARE(g_serialPortOpen, 0);
        QVERIFY(!g_statusMessagePending);
        QCOMPARE(openButton()->text(), QStringLiteral("打开串口"));
    }

    void refreshButtonClosesAndRelists()
    {
        makePage({mFirst->slavePath()});
        openButton()->click();
        QVERIFY(port()->isOpen());
        offerSerialPorts({mFirst->slavePath(), mSecond->slavePath()});
        QSignalSpy bar(SerialPortManager::getInstance(), &SerialPortManager::serialStatus);
        QTest::mouseClick(refreshButton(), Qt::LeftButton);
        QVERIFY(!port()->isOpen());
        QCOMPARE(g_serialPortOpen, 0);
        QCOMPARE(openButton()->text(), QStringLiteral("打开串口"));
        // The list is empty at the moment of the report.
        checkStatus(1, QStringLiteral("连接状态：\n\n未连接"));
        QCOMPARE(bar.takeFirst().at(0).toString(), QStringLiteral("连接状态：未连接"));
        QCOMPARE(portList()->count(), 2);
    }

    void textsFollowTheLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("open");
        QTest::addColumn<QStringList>("texts"); // group box, refresh, open button, label head, word
        QTest::newRow("English, closed") << 1 << false << QStringList({
            "Serial Connection", "Serial Port Refresh", "Open Serial Port", "Connection status: ", " Not Connected"});
        QTest::newRow("Russian, open") << 2 << true << QStringList({
            "Последовательное соединение", "Обновить порты", "Закрыть последовательный порт",
            "Статус соединения: ", " Связь установлена"});
        QTest::newRow("Spanish, closed") << 3 << false << QStringList({
            "Conexión en serie", "Actualizar puertos", "Abrir puerto serie", "Estado de conexión: ", " No conectado"});
        QTest::newRow("Chinese, open") << 0 << true << QStringList({
            "串口连接", "串口刷新", "关闭串口", "连接状态：", "已连接"});
    }

    void textsFollowTheLanguage()
    {
        QFETCH(int, language);
        QFETCH(bool, open);
        QFETCH(QStringList, texts);
        makePage({mFirst->slavePath()});
        if (open)
            openButton()->click();
        QCOMPARE(port()->isOpen(), open);
        QVERIFY(LanguageFile::installTranslation(language));
        g_languageIndex = language;
        g_statusMessagePending = false;
        QSignalSpy bar(SerialPortManager::getInstance(), &SerialPortManager::serialStatus);
        mPage->langban();
        QCOMPARE(formChild<QGroupBox>(mPage.get(), "groupBox")->title(), texts.at(0));
        QCOMPARE(refreshButton()->text(), texts.at(1));
        QCOMPARE(openButton()->text(), texts.at(2));
        checkStatus(open ? 2 : 1, texts.at(3) + QStringLiteral("\n\n") + entry(*mFirst) + texts.at(4));
        QCOMPARE(bar.takeFirst().at(0).toString(), texts.at(3) + entry(*mFirst) + texts.at(4));
    }
};

QTEST_MAIN(TstSerialPage)
#include "tst_serialpage.moc"
