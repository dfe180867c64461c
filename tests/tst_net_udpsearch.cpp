#include <QtTest>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "dialoganswerer.h"
#include "link/udpreply.h"
#include "fakebox.h"
#include "udpstage.h"
#include "windowfixture.h"
#include "globals.h"
#include "mainwindow.h"
#include "netdialogdriver.h"
#include "networkdialog.h"
#include "networkhelp.h"
#include "link/networkportmanager.h"

// The network dialog against the stand-in box at 10.77.0.2: search, address
// change, the checks of connect and change, help and language buttons.
class TstNetUdpSearch : public QObject
{
    Q_OBJECT

    UdpStage mStage;

    QTableWidget *table() const { return mStage.driver->table(); }
    QString cell(int row, int column) const { return mStage.driver->cell(row, column); }
    bool editable(int row, int column) const { return table()->item(row, column)->flags() & Qt::ItemIsEditable; }
    QList<FakeBoxUdp::Packet> changePackets() const
    {
        QList<FakeBoxUdp::Packet> out;
        for (const FakeBoxUdp::Packet &p : mStage.box->received)
            if (p.broadcast && p.port == 23 && p.data.size() > 5)
                out << p;
        return out;
    }
    // Runs the click and returns the texts of the message boxes it raised.
    QStringList answers(const char *button)
    {
        mStage.answerer->clear();
        mStage.driver->click(button);
        QTest::qWait(20);
        return mStage.answerer->texts();
    }
    void freshSearch()
    {
        mStage.box->clear();
        QVERIFY(mStage.driver->quickSearch());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(mStage.start());
    }

    void cleanupTestCase()
    {
        mStage.stop();
    }

    // Each test starts from a box with its first state and no link, whatever
    // the test before left when it failed.
    void init()
    {
        mStage.reset();
    }

    void cleanup()
    {
        mStage.reset();
        mStage.state = FakeBoxState();
        g_networkConnected = false;
    }

    void listsTheLocalAddresses()
    {
        mStage.driver->dialog()->hide();
        QTest::mouseClick(formChild<QPushButton>(mStage.window, "NetConnectBtn"), Qt::LeftButton);
        QVERIFY(mStage.driver->dialog()->isVisible());
        const QStringList addresses = mStage.driver->dialog()->localIPv4Addresses();
        QVERIFY(addresses.contains("10.77.0.1"));
        QVERIFY(addresses.contains("10.77.0.2"));
        QVERIFY(!addresses.contains("127.0.0.1"));
        auto *list = mStage.driver->dialog()->findChild<QComboBox *>("cbx_ipAddress");
        QCOMPARE(list->count(), addresses.size());
        QCOMPARE(list->currentText(), addresses.first());
        // Before any search only the address columns can be edited.
        NetworkDialog unsearched;
        auto *rows = unsearched.findChild<QTableWidget *>("tableWidget");
        QCOMPARE(rows->rowCount(), 14);
        const auto editableCell = [rows](int column) { return bool(rows->item(13, column)->flags() & Qt::ItemIsEditable); };
        QVERIFY(editableCell(1) && editableCell(2) && !editableCell(6) && !editableCell(0));
    }

    void searchListsTheBoxAndCountsDown()
    {
        // The captions are sampled; the last countdown text is caught while the
        // search's end refills the address list.
        QPushButton *find = mStage.driver->button("ptn_findDevice");
        QStringList captions;
        auto record = [&captions, find] {
            if (captions.isEmpty() || captions.last() != find->text())
                captions << find->text();
        };
        QTimer sampler;
        connect(&sampler, &QTimer::timeout, this, record);
        sampler.start(5);
        auto *addresses = mStage.driver->dialog()->findChild<QComboBox *>("cbx_ipAddress");
        // The sampler is the context: the recording stops with this function.
        connect(addresses, QOverload<int>::of(&QComboBox::currentIndexChanged), &sampler, record);

        mStage.driver->dialog()->show();
        mStage.box->clear();
        QElapsedTimer clock;
        clock.start();
        mStage.driver->click("ptn_findDevice");
        QCOMPARE(mStage.driver->button("ptn_findDevice")->text(), QString("停止查找(3)"));
        for (const char *name : {"ptn_connectDevice", "ptn_disconnectDevice", "changeIP"})
            QVERIFY(!mStage.driver->button(name)->isEnabled());
        QVERIFY(mStage.window->mDiscoveryMode);

        QTRY_COMPARE_WITH_TIMEOUT(mStage.driver->button("ptn_findDevice")->text(), QString("查找设备"), 8000);
        // Three one-second steps of a coarse timer.
        QVERIFY2(clock.elapsed() >= 2700, qPrintable(QString::number(clock.elapsed())));
        record();
        sampler.stop();
        QCOMPARE(captions, QStringList({"查找设备", "停止查找(3)", "停止查找(2)", "停止查找(1)", "停止查找(0)", "查找设备"}));
        QVERIFY(!mStage.window->mDiscoveryMode);
        QVERIFY(mStage.driver->button("changeIP")->isEnabled());

        QStringList firstRow;
        for (int column = 0; column < DeviceColumn::Count; ++column)
            firstRow << cell(0, column);
        QCOMPARE(firstRow, QStringList({"1", "10.77.0.2", "00-11-22-33-44-55", "23", "2.4.10", "UDP", "10.77.0.1", "Halden"}));
        QCOMPARE(cell(1, DeviceColumn::Ip), QString());
        QCOMPARE(mStage.driver->dialog()->mMacList, QStringList({"00-11-22-33-44-55"}));
        QVERIFY(table()->isColumnHidden(DeviceColumn::Type));
        // A UDP box keeps its address cells editable; the rest of the row is not.
        QVERIFY(editable(0, 1) && editable(0, 2));
        for (int column : {0, 3, 4, 5, 6, 7})
            QVERIFY2(!editable(0, column), qPrintable(QString::number(column)));
        // Empty rows of a search take edits in the address and interface columns.
        QVERIFY(editable(1, 6) && editable(1, 7) && !editable(1, 3));
        QCOMPARE(table()->item(0, DeviceColumn::Version)->textAlignment(), int(Qt::AlignCenter));

        // The request went to the broadcast address on both ports, from the first address.
        QList<FakeBoxUdp::Packet> requests;
        for (const FakeBoxUdp::Packet &p : mStage.box->received)
            if (p.data.toHex() == "08080000e1")
                requests << p;
        QCOMPARE(requests.size(), 2);
        QVERIFY(requests.at(0).broadcast && requests.at(1).broadcast);
        QCOMPARE(requests.at(0).port, quint16(23));
        QCOMPARE(requests.at(1).port, quint16(68));
        QVERIFY(requests.at(0).crcOk);
        QCOMPARE(requests.at(0).from.toString(), QString("10.77.0.1"));
        QCOMPARE(requests.at(0).fromPort, quint16(1400));
    }

    void dhcpBoxRowKeepsItsAddress()
    {
        mStage.state.dhcp = true;
        freshSearch();
        mStage.state.dhcp = false;
        QCOMPARE(cell(0, DeviceColumn::Protocol), QString("DHCP"));
        QVERIFY(!editable(0, 1) && !editable(0, 2) && !editable(0, 6));
        QCOMPARE(cell(1, DeviceColumn::Ip), QString());
    }

    void manyAnswersAddRowsAndBadOnesAreSkipped()
    {
        mStage.box->discoveryAnswers = 16;
        mStage.box->numberDiscoveryAnswers = true;
        mStage.box->malformedDiscoveryFirst = true;
        freshSearch();
        mStage.box->discoveryAnswers = 1;
        mStage.box->malformedDiscoveryFirst = false;
        QTRY_COMPARE(mStage.driver->dialog()->mMacList.size(), 16);
        QCOMPARE(cell(0, DeviceColumn::Index), QString("1"));
        QCOMPARE(cell(15, DeviceColumn::Index), QString("16"));
        QCOMPARE(cell(15, DeviceColumn::Ip), QString("10.77.0.2"));
        QCOMPARE(table()->rowCount(), 17);
        QCOMPARE(table()->item(16, DeviceColumn::Ip)->textAlignment(), int(Qt::AlignCenter));
        QVERIFY(editable(16, 1) && editable(16, 6) && !editable(16, 0));
        QCOMPARE(cell(16, DeviceColumn::Ip), QString());
    }

    // A host that answers a search over and over lists one box, not thousands.
    void repeatedAnswerAddsNoRow()
    {
        freshSearch();
        const int rows = table()->rowCount();
        mStage.box->discoveryAnswers = 100;
        mStage.box->lastDiscoveryType = QStringLiteral("Halden-2");
        mStage.box->clear();
        mStage.driver->click("ptn_findDevice");
        // Answers keep their order here: once the last is listed, all are in.
        QTRY_COMPARE(cell(1, DeviceColumn::Type), QString("Halden-2"));
        QCOMPARE(mStage.driver->dialog()->mMacList.size(), 2);
        QCOMPARE(table()->rowCount(), rows);
    }

    // A host that floods distinct answers fills the table up to its bound;
    // the rest are passed over with one debug line per search.
    void floodOfDistinctAnswersStopsAtTheBound()
    {
        static int notes = 0;
        notes = 0;
        static QtMessageHandler previous = nullptr;
        previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &text) {
            if (text.contains(QStringLiteral("其余应答被忽略")))
                ++notes;
            previous(type, context, text);
        });
        const int bound = NetworkDialog::MaxSearchRows;
        mStage.box->discoveryAnswers = bound + 100;
        mStage.box->numberDiscoveryAnswers = true;
        mStage.box->discoveryBurst = 50;
        mStage.driver->dialog()->show();
        mStage.driver->click("ptn_findDevice");
        QTRY_VERIFY_WITH_TIMEOUT(notes > 0, 10000);
        QTest::qWait(100);
        mStage.driver->click("ptn_findDevice");
        qInstallMessageHandler(previous);

        QCOMPARE(notes, 1);
        QCOMPARE(mStage.driver->dialog()->mMacList.size(), bound);
        QCOMPARE(table()->rowCount(), bound);
        QCOMPARE(cell(bound - 1, DeviceColumn::Type), QString("Halden%1").arg(bound - 1));
    }

    void addressChangeSendsMacThenIpToTheBroadcastAddress()
    {
        freshSearch();
        mStage.driver->selectRow(0);
        mStage.driver->setCell(0, DeviceColumn::Mac, "00-11-22-0a-0B-fe");
        mStage.driver->setCell(0, DeviceColumn::Ip, "10.77.0.9");
        mStage.answerer->clear();
        QElapsedTimer clock;
        clock.start();
        mStage.driver->click("changeIP");
        // The busy box's five seconds run on a coarse timer.
        QVERIFY2(clock.elapsed() >= 4700, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(mStage.busyTexts(), QStringList({"正在更改..."}));

        QTRY_COMPARE(changePackets().size(), 2);
        const FakeBoxUdp::Packet mac = changePackets().at(0), ip = changePackets().at(1);
        QCOMPARE(mac.data.left(7).toHex(), QByteArray("f70011220a0bfe"));
        QVERIFY(mac.crcOk);
        QCOMPARE(ip.data.left(5).toHex(), QByteArray("ff0a4d0009"));
        QVERIFY(ip.crcOk);
        // Both arrival times may be late under load; the wait between them is
        // still most of five seconds.
        QVERIFY2(ip.atMs - mac.atMs >= 4500, qPrintable(QString::number(ip.atMs - mac.atMs)));
        QCOMPARE(mac.from.toString(), QString("10.77.0.1"));
        QCOMPARE(mStage.driver->dialog()->mMacList.at(0), QString("00-11-22-0a-0B-fe"));
        QCOMPARE(mStage.state.ip, QString("10.77.0.9"));
        QCOMPARE(mStage.state.mac, QList<int>({0x00, 0x11, 0x22, 0x0a, 0x0b, 0xfe}));
        mStage.state = FakeBoxState();
    }

    void addressChangeRefusals()
    {
        mStage.state.mac = {0, 0xAA, 0x22, 0x33, 0x44, 0x55};
        freshSearch();
        mStage.state = FakeBoxState();
        QCOMPARE(cell(0, DeviceColumn::Mac), QString("00-AA-22-33-44-55"));

        table()->clearSelection();
        QCOMPARE(answers("changeIP"), QStringList({"请选择一行"}));

        mStage.driver->selectRow(0);
        for (const char *ip : {"10.77.0.x", "10.77.0.256", "10.77..1", "10.77.0"}) {
            mStage.driver->setCell(0, DeviceColumn::Ip, ip);
            QCOMPARE(answers("changeIP"), QStringList({"请输入正确的IP地址"}));
        }
        mStage.driver->setCell(0, DeviceColumn::Ip, "10.77.0.2");
        for (const char *mac : {"00-AA-22-33-44", "00-AA-22-33-44-FF", "00-AA-22-33-44-ZZ", "00-AA-22-33--55"}) {
            mStage.driver->setCell(0, DeviceColumn::Mac, mac);
            QCOMPARE(answers("changeIP"), QStringList({"请输入正确的MAC地址"}));
        }
        // The first three bytes are compared as typed, letter case included.
        for (const char *mac : {"02-AA-22-33-44-55", "00-aa-22-33-44-55"}) {
            mStage.driver->setCell(0, DeviceColumn::Mac, mac);
            QCOMPARE(answers("changeIP"), QStringList({"MAC地址前三个字节不能修改"}));
            QCOMPARE(cell(0, DeviceColumn::Mac), QString("00-AA-22-33-44-55"));
        }
        // A row no search filled has no MAC to compare with.
        mStage.driver->selectRow(2);
        mStage.driver->setCell(2, DeviceColumn::Ip, "10.77.0.7");
        mStage.driver->setCell(2, DeviceColumn::Mac, "00-11-22-33-44-55");
        QCOMPARE(answers("changeIP"), QStringList({"请选择一行"}));

        QTest::qWait(50);
        QVERIFY(changePackets().isEmpty());
    }

    void connectRefusals()
    {
        freshSearch();
        table()->clearSelection();
        QCOMPARE(answers("ptn_connectDevice"), QStringList({"请先选择要连接的设备！"}));

        mStage.driver->selectRow(0);
        mStage.driver->setCell(0, DeviceColumn::Port, "");
        QCOMPARE(answers("ptn_connectDevice"), QStringList({"IP地址、TCP端口号为必填！"}));
        mStage.driver->setCell(0, DeviceColumn::Port, "23");

        g_networkConnected = true;
        mStage.driver->setCell(0, DeviceColumn::Ip, "10.77.0.256");
        QCOMPARE(answers("ptn_connectDevice"), QStringList({"您已建立连接，若要建立新的连接，请先断开连接！"}));
        g_networkConnected = false;

        QCOMPARE(answers("ptn_connectDevice"), QStringList({"请输入正确的IP地址"}));
        QCOMPARE(mStage.driver->dialog()->mIp, QString("10.77.0.256"));
        mStage.driver->setCell(0, DeviceColumn::Ip, "10.77.0");
        QCOMPARE(answers("ptn_connectDevice"), QStringList({"请输入正确的IP地址"}));
        mStage.driver->setCell(0, DeviceColumn::Ip, "10.77.0.2");

        mStage.driver->setCell(0, DeviceColumn::Mac, "00-11-22-33-44");
        QCOMPARE(answers("ptn_connectDevice"), QStringList({"请输入正确的MAC地址"}));
        mStage.driver->setCell(0, DeviceColumn::Mac, "01-11-22-33-44-256");
        QCOMPARE(answers("ptn_connectDevice"), QStringList({"要求MAC第一和第二位必须是偶数", "请输入正确的MAC地址"}));

        // The parts are read as decimal numbers: 11 is odd, and the connect goes on.
        mStage.driver->setCell(0, DeviceColumn::Mac, "00-11-22-33-44-55");
        table()->item(0, DeviceColumn::Protocol)->setText("TCP");
        QCOMPARE(answers("ptn_connectDevice"), QStringList({"要求MAC第一和第二位必须是偶数", "未确定连接协议，无法连接"}));
        mStage.driver->setCell(0, DeviceColumn::Mac, "00-22-22-33-44-55");
        QCOMPARE(answers("ptn_connectDevice"), QStringList({"未确定连接协议，无法连接"}));
        table()->item(0, DeviceColumn::Protocol)->setText("UDP");

        // An unknown device generation is refused before anything is sent.
        QSignalSpy log(mStage.window, &MainWindow::readInfo);
        const int before = versionType;
        for (const char *version : {"2.4.2", "2.4.3", "2.4"}) {
            table()->item(0, DeviceColumn::Version)->setText(version);
            mStage.box->clear();
            QCOMPARE(answers("ptn_connectDevice"), QStringList({"未识别的下位机版本，连接错误！"}));
            QCOMPARE(versionType, before);
            QCOMPARE(g_pendingStatusCode, 1);
            QVERIFY(!g_networkConnected);
        }
        QCOMPARE(log.first().first().toString(),
                 QString("MainWindow::connect\uFF1Aversion —— Unknow | versionType —— Unknow"));
        QTest::qWait(50);
        QVERIFY(mStage.box->unicastHex().isEmpty());
    }

    void disconnectWithoutALink()
    {
        QCOMPARE(answers("ptn_disconnectDevice"), QStringList({"您还未建立连接！"}));
    }

    void dhcpBoxIsReadOnPort68()
    {
        mStage.state.dhcp = true;
        freshSearch();
        mStage.driver->selectRow(0);
        mStage.box->script(1, {FakeBoxUdp::Reply::Drop, FakeBoxUdp::Reply::Drop, FakeBoxUdp::Reply::Drop});
        mStage.box->clear();
        mStage.answerer->clear();
        mStage.endResultBoxesEarly();
        mStage.driver->click("ptn_connectDevice");
        mStage.state.dhcp = false;

        QCOMPARE(mStage.box->unicastHex(), QStringList({"0805000070", "08010001dc", "08010001dc", "08010001dc"}));
        for (const FakeBoxUdp::Packet &p : mStage.box->received)
            QCOMPARE(p.port, quint16(68));
        QVERIFY(NetworkPortManager::getInstance()->mDhcpMode);
        QVERIFY(!g_networkConnected);
        QVERIFY(!NetworkPortManager::getInstance()->udpSession());
        QCOMPARE(g_pendingStatusCode, 1);
        QVERIFY(mStage.busyTexts().contains("连接失败！"));
    }

    void helpPageAndLanguageButtons()
    {
        NetworkHelp *help = mStage.driver->dialog()->mHelp;
        mStage.driver->click("pushButtonHelp");
        QVERIFY(help->isVisible());
        QCOMPARE(help->windowModality(), Qt::ApplicationModal);
        QCOMPARE(help->windowTitle(), QString("帮助"));
        QVERIFY(help->findChild<QLabel *>("label")->text().startsWith("1.如果设置IP后"));
        help->close();

        mStage.driver->click("Button_EN");
        QCOMPARE(g_languageIndex, 1);
        QCOMPARE(mStage.driver->dialog()->windowTitle(), QString("Connection Settings"));
        QCOMPARE(mStage.driver->button("ptn_findDevice")->text(), QString("Find device"));
        QCOMPARE(help->windowTitle(), QString("Help"));
        QVERIFY(help->findChild<QLabel *>("label")->text().startsWith("1.If the device"));
        mStage.driver->click("Button_RU");
        QCOMPARE(g_languageIndex, 2);
        QCOMPARE(mStage.driver->button("ptn_findDevice")->text(), QString("Найти устройство"));
        mStage.driver->click("Button_ES");
        QCOMPARE(g_languageIndex, 3);
        QCOMPARE(mStage.driver->button("changeIP")->text(), QString("Modificar la IP y la MAC"));
        mStage.driver->click("Button_CN");
        QCOMPARE(g_languageIndex, 0);
        QCOMPARE(mStage.driver->dialog()->windowTitle(), QString("连接设置"));
        QCOMPARE(mStage.driver->button("ptn_findDevice")->text(), QString("查找设备"));
        QCOMPARE(help->windowTitle(), QString("帮助"));
        auto *title = mStage.window->findChild<QLabel *>("labelTitleName");
        QVERIFY(title);
        QCOMPARE(title->text(), QString("Halden"));
    }
};

QTEST_MAIN(TstNetUdpSearch)
#include "tst_net_udpsearch.moc"
