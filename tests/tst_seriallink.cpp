#include <QtTest>

#include "dialoganswerer.h"
#include "globals.h"
#include "link/devicepacket.h"
#include "link/serialportmanager.h"
#include "windowfixture.h"
#include "mainwindow.h"
#include "networkdialog.h"
#include "ptypair.h"
#include "screen/languagefile.h"

#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSerialPort>
#include <QTimer>

namespace {
// Counts the connections of a signal from outside the object.
struct ReceiverCount : QObject {
    static int of(const QObject *object, const char *signal)
    {
        return (object->*(&ReceiverCount::receivers))(signal);
    }
};
} // namespace

// The serial road end to end over a pseudo-terminal pair.
class TstSerialLink : public QObject
{
    Q_OBJECT

    std::unique_ptr<PtyPair> mPty;
    std::unique_ptr<WindowFixture> mFixture;
    MainWindow *w = nullptr;

    QPushButton *openButton() const { return formChild<QPushButton>(w, "openButton"); }
    QComboBox *portList() const { return formChild<QComboBox>(w, "serialPortComboBox"); }
    QSerialPort *port() const { return SerialPortManager::getInstance()->serialPort(); }
    bool editingEnabled() const { return formChild<QWidget>(w, "currentChannelCBox")->isEnabled(); }

    void openThePty()
    {
        offerSerialPorts({mPty->slavePath()});
        w->showValidPort();
        openButton()->click();
        QVERIFY(port()->isOpen());
    }

private slots:
    void init()
    {
        mPty.reset(new PtyPair);
        QVERIFY(mPty->isValid());
        mFixture.reset(new WindowFixture([] { offerSerialPorts({}); }));
        w = mFixture->mw;
    }

    void cleanup()
    {
        LanguageFile::installTranslation(0);
        mFixture.reset();
        w = nullptr;
        if (port())
            port()->close();
        mPty.reset();
    }

    void pollFindsPortsByItself()
    {
        QVERIFY(w->mSerialPortNames.isEmpty());
        offerSerialPorts({mPty->slavePath(), "/dev/ttyTEST9"});
        QTRY_COMPARE_WITH_TIMEOUT(w->mSerialPortNames.size(), 2, 5000);
        QCOMPARE(portList()->count(), 2);
        QCOMPARE(portList()->itemText(0), mPty->slavePath() + " test pty");
        QCOMPARE(w->mSerialPortTexts.at(1), QStringLiteral("/dev/ttyTEST9 test pty"));
    }

    void openMarksTheRoadUpAtOnce()
    {
        openThePty();
        QVERIFY(g_serialConnected);
        QCOMPARE(g_serialPortOpen, 1);
        QVERIFY(!g_offlineMode);
        QCOMPARE(g_pendingStatusCode, 14);
        QVERIFY(g_statusMessagePending);
        QCOMPARE(openButton()->text(), QStringLiteral("关闭串口"));
        QVERIFY(editingEnabled());
        QVERIFY(!w->mSerialHandshakeTimer->isActive());
        QCOMPARE(port()->baudRate(), 115200);
        QCOMPARE(port()->dataBits(), QSerialPort::Data8);
        QCOMPARE(port()->parity(), QSerialPort::NoParity);
        QCOMPARE(port()->stopBits(), QSerialPort::OneStop);
        QCOMPARE(port()->flowControl(), QSerialPort::NoFlowControl);
        QCOMPARE(port()->readBufferSize(), qint64(500));
    }

    void networkDialogSerialGroup()
    {
        offerSerialPorts({"/dev/ttyTEST9", mPty->slavePath()});
        w->showValidPort();
        QComboBox *dialogList = formChild<QComboBox>(w->mNetworkDialog, "serialPortComboBox");
        QPushButton *dialogOpen = formChild<QPushButton>(w->mNetworkDialog, "openButton");
        QCOMPARE(dialogList->count(), 2);
        QCOMPARE(dialogList->itemText(1), portList()->itemText(1));
        // The port opened is the one chosen in the dialog's list.
        dialogList->setCurrentIndex(1);
        QTest::mouseClick(dialogOpen, Qt::LeftButton);
        QVERIFY(port()->isOpen());
        QVERIFY(mPty->slavePath().endsWith(port()->portName()));
        QCOMPARE(dialogOpen->text(), QStringLiteral("关闭串口"));
        QCOMPARE(openButton()->text(), QStringLiteral("关闭串口"));
        QCOMPARE(w->mSendTimer->interval(), 110);
        const QString line = QStringLiteral("连接状态: ") + mPty->slavePath() + QStringLiteral(" test pty 已连接");
        QTRY_COMPARE_WITH_TIMEOUT(w->mStatusLabel->text(), line, 5000);

        QTest::mouseClick(dialogOpen, Qt::LeftButton);
        QVERIFY(!port()->isOpen());
        QCOMPARE(dialogOpen->text(), QStringLiteral("打开串口"));
        QTRY_VERIFY_WITH_TIMEOUT(w->mStatusLabel->text().endsWith(QStringLiteral(" test pty 未连接")), 5000);
    }

    void queuedCommandsLeaveOnThePortOnePerTick()
    {
        openThePty();
        QStringList log;
        connect(w, &MainWindow::readInfo, this, [&log](const QString &line) { log << line; });
        QList<int> queueAtTick;
        connect(w->mSendTimer, &QTimer::timeout, this, [&]() { queueAtTick << w->mSendPackets->size(); });
        w->mSendPackets->clear();
        w->mSendTexts->clear();
        w->sendCommand("08050000");
        w->sendCommand("04140000");
        w->mSendTimer->start(15);
        QCOMPARE(mPty->read(10, 5000), QByteArray::fromHex("0805000070") + hexToPacket("04140000"));
        QCOMPARE(queueAtTick.mid(0, 2), QList<int>({1, 0}));
        QCOMPARE(log, QStringList({QStringLiteral("MainWindow::send(SerialPort)\uFF1A 08050000"),
                                   QStringLiteral("MainWindow::send(SerialPort)\uFF1A 04140000")}));
    }

    void deviceDataChangesNothingOnceUp()
    {
        openThePty();
        g_statusMessagePending = false;
        QVERIFY(mPty->write("\x01\x02hello"));
        QTest::qWait(50);
        QVERIFY(g_serialConnected);
        QVERIFY(!g_statusMessagePending);
        QCOMPARE(openButton()->text(), QStringLiteral("关闭串口"));
    }

    void firstDataRaisesTheRoadWhenDown()
    {
        openThePty();
        // The status tick would take the post before the check below.
        w->mStatusTimer->stop();
        g_serialConnected = false;
        g_statusMessagePending = false;
        QVERIFY(mPty->write("ok"));
        QTRY_VERIFY_WITH_TIMEOUT(g_serialConnected, 5000);
        QCOMPARE(g_pendingStatusCode, 14);
        QVERIFY(g_statusMessagePending);
    }

    void closeAndReopen()
    {
        openThePty();
        openButton()->click();
        QVERIFY(!port()->isOpen());
        QVERIFY(!g_serialConnected);
        QCOMPARE(g_serialPortOpen, 0);
        QCOMPARE(g_pendingStatusCode, 15);
        QCOMPARE(openButton()->text(), QStringLiteral("打开串口"));
        QVERIFY(!editingEnabled());

        for (int i = 0; i < 3; ++i) {
            openButton()->click();
            QVERIFY(port()->isOpen());
            openButton()->click();
        }
        openButton()->click();
        QCOMPARE(ReceiverCount::of(port(), SIGNAL(readyRead())), 1);
    }

    void closeKeepsControlsWithNetworkLink()
    {
        openThePty();
        g_networkConnected = true;
        openButton()->click();
        QVERIFY(editingEnabled());
    }

    void portListChangeEndsTheRoad()
    {
        openThePty();
        DialogAnswerer answerer;
        offerSerialPorts({mPty->slavePath(), "/dev/ttyTEST9"});
        w->showValidPort();
        QVERIFY(!port()->isOpen());
        QVERIFY(!g_serialConnected);
        QCOMPARE(g_serialPortOpen, 0);
        QCOMPARE(portList()->count(), 2);
        QCOMPARE(openButton()->text(), QStringLiteral("打开串口"));
        QVERIFY(!editingEnabled());
        QCOMPARE(answerer.texts(), QStringList({QStringLiteral("连接中断，请检查串口连接")}));
        QCOMPARE(answerer.seen.first().title, QString());
        QCOMPARE(answerer.seen.first().buttons, QStringList({QStringLiteral("确定")}));

        // The same list again is no change.
        w->showValidPort();
        QCOMPARE(answerer.seen.size(), 1);
        // A change without a connection closes nothing and says nothing.
        offerSerialPorts({mPty->slavePath()});
        w->showValidPort();
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(portList()->count(), 1);
    }

    void portListChangeMessageInEnglish()
    {
        openThePty();
        g_languageIndex = 1;
        DialogAnswerer answerer;
        offerSerialPorts({});
        w->showValidPort();
        QCOMPARE(answerer.texts(),
                 QStringList({QStringLiteral("Connection interrupted, Please check serial port connection")}));
        QCOMPARE(portList()->count(), 0);
    }

    void openWithoutPortsReportsIt()
    {
        DialogAnswerer answerer;
        openButton()->click();
        QCOMPARE(answerer.titles(), QStringList({QStringLiteral("错误")}));
        QCOMPARE(answerer.texts(), QStringList({QStringLiteral("无有效串口设备！")}));
        QVERIFY(!g_serialConnected);
    }

    void failedOpenPostsNotConnected()
    {
        offerSerialPorts({QDir(mFixture->dirPath()).filePath("no-such-tty")});
        w->showValidPort();
        {
            DialogAnswerer answerer;
            openButton()->click();
            QVERIFY(!port()->isOpen());
            QVERIFY(!g_serialConnected);
            QCOMPARE(g_serialPortOpen, 0);
            QCOMPARE(g_pendingStatusCode, 15);
            QCOMPARE(answerer.texts(), QStringList({QStringLiteral(
                                           "当前串口号无法打开！请检查后重新打开！\n1、USB串口松了\n2、是否被其他的程序占用\n")}));
            QCOMPARE(answerer.seen.first().buttons, QStringList({QStringLiteral("确定")}));
        }
        g_languageIndex = 1;
        DialogAnswerer english;
        openButton()->click();
        QCOMPARE(english.texts(), QStringList({QStringLiteral(
                                      "The current serial number cannot be opened! Please check and reopen! \n"
                                      "1.USB serial port loose \n2.Whether it is occupied  by other programs\n")}));
    }

    // Both open buttons tell the port's state in the language chosen.
    void captionsFollowTheLanguage()
    {
        QPushButton *dialogOpen = formChild<QPushButton>(w->mNetworkDialog, "openButton");
        openThePty();
        w->changeLanguage(1);
        QCOMPARE(openButton()->text(), QStringLiteral("close the Serial Port"));
        QCOMPARE(dialogOpen->text(), openButton()->text());
        openButton()->click();
        QCOMPARE(openButton()->text(), QStringLiteral("Open Serial Port"));
        QCOMPARE(dialogOpen->text(), QStringLiteral("Open Serial Port"));

        w->changeLanguage(2);
        QCOMPARE(dialogOpen->text(), QStringLiteral("Открыть последовательный порт"));
        openButton()->click();
        QCOMPARE(dialogOpen->text(), QStringLiteral("Отключите последовательный порт"));
        w->changeLanguage(3);
        QCOMPARE(openButton()->text(), QStringLiteral("Cerrar el puerto serie"));
        QCOMPARE(dialogOpen->text(), openButton()->text());
    }

    void languageComesFromTheSettingsFile()
    {
        QFile file("FontSize.ini");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[General]\nID=2\n");
        file.close();
        mFixture->rebuildWindow();
        w = mFixture->mw;
        QCOMPARE(g_languageIndex, 2);
    }

    void offlineClosesTheSerialRoad()
    {
        openThePty();
        formChild<QPushButton>(w, "ptn_offLine")->click();
        QVERIFY(!port()->isOpen());
        QVERIFY(!g_serialConnected);
        QVERIFY(g_offlineMode);
        QCOMPARE(g_serialPortOpen, 0);
        QVERIFY(editingEnabled());
        QCOMPARE(openButton()->text(), QStringLiteral("打开串口"));
        // commands queued now are dropped: nothing reaches the port
        w->sendCommand("08050000");
        while (!w->mSendPackets->isEmpty())
            w->sendNextPacket();
        QVERIFY(mPty->readAvailable(30).isEmpty());
    }

    // Last: the application runs its quit sequence here.
    void quittingClosesThePort()
    {
        openThePty();
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        qApp->exec();
        QVERIFY(!port()->isOpen());
    }
};

QTEST_MAIN(TstSerialLink)
#include "tst_seriallink.moc"
