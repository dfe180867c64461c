// The window-attribute dialog: what OK writes to the box over TCP (a server at 10.77.0.2 in the test's own
// network namespace), over a pty pair and, with only a UDP session, not at all; what it does to the drawn
// window; the refusals; and the wall view's property entry.
#include <QtTest>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSerialPort>
#include <QTcpServer>
#include <QTcpSocket>

#include "dialoganswerer.h"
#include "globals.h"
#include "panelfixture.h"
#include "ptypair.h"
#include "setitemattribute.h"
#include "Graphics/inputchannel.h"
#include "Graphics/resolutionratioscene.h"
#include "Graphics/userview.h"
#include "link/devicepacket.h"
#include "link/networkportmanager.h"
#include "link/serialportmanager.h"

enum Road { Tcp, Serial, Udp };

class TstNetAttributeDialog : public QObject
{
    Q_OBJECT
    QTcpServer mServer;
    QPointer<QTcpSocket> mBoxSide;
    std::unique_ptr<PtyPair> mPty;
    ResolutionRatioScene *mScene = nullptr;

private slots:
    void initTestCase()
    {
        NetworkPortManager::getInstance()->init();
        SerialPortManager::getInstance()->init();
        QVERIFY(mServer.listen(QHostAddress(QStringLiteral("10.77.0.2"))));
    }
    void init() { mScene = new ResolutionRatioScene(QRectF(0, 0, 3840, 2160)); }
    void cleanup()
    {
        delete mScene;
        NetworkPortManager::getInstance()->tcpSocket()->abort();
        delete mBoxSide;
        SerialPortManager::getInstance()->serialPort()->close();
        mPty.reset();
        g_networkConnected = g_serialConnected = false;
    }

    // On window 1 (0, 0, 1920 x 1080, layer 1, grey): types x, y, width and height (a null text leaves
    // the field), picks colour and level (-1: left) and presses OK. No road warns (a write to the
    // unconnected socket would). Negative values, values beyond the command's 12 bits and beyond the
    // canvas are refused: the dialog stays open and nothing changes.
    void okWritesOneCommandPerChangedField_data()
    {
        QTest::addColumn<int>("road");
        QTest::addColumn<int>("canvasWidth");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<int>("colour");
        QTest::addColumn<int>("level");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QRectF>("geometry");
        auto row = [](const QString &name, int road, int canvasWidth = 3840,
                      const QString &refusal = {}) -> QTestData & {
            return QTest::newRow(qPrintable(name)) << road << canvasWidth << refusal;
        };
        const QRectF start(0, 0, 1920, 1080);
        for (int road : {Tcp, Serial}) {
            const QString on = road == Tcp ? "tcp: " : "serial: ";
            row(on + "colour", road) << QStringList() << 3 << -1 << QStringList{"00702e", "008094", "0090b9"} << start;
            row(on + "level", road) << QStringList() << -1 << 3 << QStringList{"00b004"} << start;
            row(on + "geometry", road) << QStringList{"100", "200", "1000", "500"} << -1 << -1
                                       << QStringList{"001064", "0020c8", "0033e8", "0041f4"}
                                       << QRectF(100, 200, 1000, 500);
            // Shrinking while moving toward the right edge: the old size must not hold it back.
            row(on + "narrow at the right edge", road) << QStringList{"3040", QString(), "800"} << -1 << -1
                                                       << QStringList{"001be0", "003320"} << QRectF(3040, 0, 800, 1080);
        }
        row("udp writes nothing", Udp) << QStringList{"100", "200"} << 3 << 3 << QStringList() << QRectF(100, 200, 1920, 1080);
        const QString beyond4K = "超出3840X2160分辨率";
        row("right edge passed", Serial, 3840, beyond4K) << QStringList{"1921"} << 3 << 3 << QStringList() << start;
        row("negative height", Serial, 3840, beyond4K) << QStringList{"0", "0", "1920", "-5"} << 3 << 3 << QStringList() << start;
        row("x beyond the field", Serial, 7680, "超出7680X2160分辨率") << QStringList{"4096"} << 3 << 3 << QStringList() << start;
    }
    void okWritesOneCommandPerChangedField()
    {
        QFETCH(int, road);
        QFETCH(int, canvasWidth);
        QFETCH(QStringList, typed);
        QFETCH(int, colour);
        QFETCH(int, level);
        QFETCH(QStringList, texts);
        QFETCH(QString, refusal);
        g_serialConnected = road == Serial;
        g_networkConnected = road != Serial;   // a UDP session leaves the TCP socket unconnected
        if (road == Serial) {
            mPty.reset(new PtyPair);
            QSerialPort *port = SerialPortManager::getInstance()->serialPort();
            port->setPortName(mPty->slavePath());
            QVERIFY(mPty->isValid() && port->open(QIODevice::ReadWrite));
        } else if (road == Tcp) {
            QTcpSocket *socket = NetworkPortManager::getInstance()->tcpSocket();
            socket->connectToHost(QHostAddress(QStringLiteral("10.77.0.2")), mServer.serverPort());
            QVERIFY(socket->waitForConnected(3000) && mServer.waitForNewConnection(3000));
            mBoxSide = mServer.nextPendingConnection();
        }
        mScene->setSceneRect(0, 0, canvasWidth, 2160);
        DialogAnswerer answerer;
        static QStringList warnings;
        warnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &,
                                                                    const QString &text) { if (type != QtDebugMsg) warnings << text; });
        QPointer<SetItemAttribute> dialog = new SetItemAttribute(0, mScene);
        dialog->show();
        const char *fields[4] = {"posXLdt", "posYLdt", "widthLdt", "heightLdt"};
        for (int i = 0; i < typed.size(); ++i) {
            if (typed.at(i).isNull())
                continue;
            auto *field = dialog->findChild<QLineEdit *>(fields[i]);
            field->selectAll();
            QTest::keyClick(field, Qt::Key_Delete);
            QTest::keyClicks(field, typed.at(i));
        }
        if (colour >= 0)
            dialog->findChild<QComboBox *>("colorCbx")->setCurrentIndex(colour);
        if (level >= 0)
            dialog->findChild<QComboBox *>("levelCbx")->setCurrentIndex(level);
        QTest::mouseClick(dialog->findChild<QPushButton *>("pushButton_2"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const bool closed = dialog.isNull();
        delete dialog.data();
        qInstallMessageHandler(previous);
        if (closed)   // a refusal's message box warns on this platform
            QCOMPARE(warnings, QStringList());
        QCOMPARE(closed, refusal.isEmpty());
        QCOMPARE(answerer.texts().value(0), refusal);
        // Each command is three bytes and their CRC-8.
        QByteArray expected, received;
        for (const QString &text : texts) {
            const QByteArray command = QByteArray::fromHex(text.toLatin1());
            expected += command + char(calculateCrc8(command));
        }
        if (mPty) {
            received = mPty->read(expected.size(), 3000);
            received += mPty->readAvailable(50);
        } else if (mBoxSide)
            (void)QTest::qWaitFor([&] { return (received += mBoxSide->readAll()).size() >= expected.size(); }, 3000);
        QCOMPARE(received.toHex(' '), expected.toHex(' '));
        InputChannel *window1 = mScene->mChannels.at(0);
        QTEST(QRectF(window1->pos(), window1->mRect.size()), "geometry");
        QCOMPARE(window1->mColorIndex, closed && colour >= 0 ? colour : 0);
        QCOMPARE(window1->mLayer, closed ? qMax(level + 1, 1) : 1);
        QCOMPARE(window1->zValue(), qreal(5 - window1->mLayer));
    }

    // The property entry opens the dialog of the window under the pointer; cancel changes nothing.
    void propertyEntryOpensTheDialogOfTheWindowUnderThePointer()
    {
        PanelFixture fixture;
        UserView *view = fixture.ui->graphicsView;
        QCOMPARE(view->prepareContextMenu(view->mapFromScene(QPointF(2400, 500))), view->mContextMenu);
        QString shownX;
        QTimer::singleShot(0, [&] {
            if (auto *dialog = qobject_cast<SetItemAttribute *>(QApplication::activeModalWidget())) {
                shownX = dialog->findChild<QLineEdit *>("posXLdt")->text();
                dialog->findChild<QComboBox *>("colorCbx")->setCurrentIndex(2);
                QTest::mouseClick(dialog->findChild<QPushButton *>("pushButton"), Qt::LeftButton);
            }
        });
        view->mWindowActions.at(2)->trigger();
        QCOMPARE(shownX, QStringLiteral("1920"));
        QVERIFY(view->mAttributeDialog.isNull());   // cancel deleted it
        QCOMPARE(fixture.window(2)->mColorIndex, 0);
        QVERIFY(fixture.takeTexts().isEmpty());
    }
};

QTEST_MAIN(TstNetAttributeDialog)
#include "tst_net_attributedialog.moc"
