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
// What is typed into x, y, width and height (a null text leaves the field), the colour and level picked
// (-1: left), the command texts written and window 1's geometry after OK; refused values close nothing.
struct Case {
    int road; QStringList typed; int colour, level; QStringList texts; QRectF geometry;
    int canvasWidth = 3840; QString refusal = {};
};
Q_DECLARE_METATYPE(Case)

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

    // On window 1 (0, 0, 1920 x 1080, layer 1, grey). No road warns (a write to the unconnected socket
    // would). Negative values, values beyond the command's 12 bits and beyond the canvas are refused: the
    // dialog stays open and nothing changes.
    void okWritesOneCommandPerChangedField_data()
    {
        QTest::addColumn<Case>("c");
        const QRectF start(0, 0, 1920, 1080);
        for (int road : {Tcp, Serial}) {
            const QString on = road == Tcp ? "tcp: " : "serial: ";
            auto row = [&](const QString &name) -> QTestData & { return QTest::newRow(qPrintable(on + name)); };
            row("colour") << Case{road, {}, 3, -1, {"00702e", "008094", "0090b9"}, start};
            row("level") << Case{road, {}, -1, 3, {"00b004"}, start};
            row("geometry") << Case{road, {"100", "200", "1000", "500"}, -1, -1,
                                    {"001064", "0020c8", "0033e8", "0041f4"}, QRectF(100, 200, 1000, 500)};
            // Shrinking while moving toward the right edge: the old size must not hold it back.
            row("narrow at the right edge") << Case{road, {"3040", QString(), "800"}, -1, -1, {"001be0", "003320"},
                                                    QRectF(3040, 0, 800, 1080)};
        }
        QTest::newRow("udp writes nothing") << Case{Udp, {"100", "200"}, 3, 3, {}, QRectF(100, 200, 1920, 1080)};
        const QString beyond4K = "超出3840X2160分辨率";
        QTest::newRow("right edge passed") << Case{Serial, {"1921"}, 3, 3, {}, start, 3840, beyond4K};
        QTest::newRow("negative height") << Case{Serial, {"0", "0", "1920", "-5"}, 3, 3, {}, start, 3840, beyond4K};
        QTest::newRow("x beyond the field") << Case{Serial, {"4096"}, 3, 3, {}, start, 7680, "超出7680X2160分辨率"};
    }
    void okWritesOneCommandPerChangedField()
    {
        QFETCH(Case, c);
        g_serialConnected = c.road == Serial;
        g_networkConnected = c.road != Serial;   // a UDP session leaves the TCP socket unconnected
        if (c.road == Serial) {
            mPty.reset(new PtyPair);
            QSerialPort *port = SerialPortManager::getInstance()->serialPort();
            port->setPortName(mPty->slavePath());
            QVERIFY(mPty->isValid() && port->open(QIODevice::ReadWrite));
        } else if (c.road == Tcp) {
            QTcpSocket *socket = NetworkPortManager::getInstance()->tcpSocket();
            socket->connectToHost(QHostAddress(QStringLiteral("10.77.0.2")), mServer.serverPort());
            QVERIFY(socket->waitForConnected(3000) && mServer.waitForNewConnection(3000));
            mBoxSide = mServer.nextPendingConnection();
        }
        mScene->setSceneRect(0, 0, c.canvasWidth, 2160);
        DialogAnswerer answerer;
        static QStringList warnings;
        warnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &,
                                                                    const QString &text) {
            if (type != QtDebugMsg)
                warnings << text;
        });
        QPointer<SetItemAttribute> dialog = new SetItemAttribute(0, mScene);
        dialog->show();
        const char *fields[4] = {"posXLdt", "posYLdt", "widthLdt", "heightLdt"};
        for (int i = 0; i < c.typed.size(); ++i) {
            auto *field = dialog->findChild<QLineEdit *>(fields[i]);
            if (!c.typed.at(i).isNull()) {
                field->selectAll();
                QTest::keyClick(field, Qt::Key_Delete);
                QTest::keyClicks(field, c.typed.at(i));
            }
        }
        if (c.colour >= 0)
            dialog->findChild<QComboBox *>("colorCbx")->setCurrentIndex(c.colour);
        if (c.level >= 0)
            dialog->findChild<QComboBox *>("levelCbx")->setCurrentIndex(c.level);
        QTest::mouseClick(dialog->findChild<QPushButton *>("pushButton_2"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const bool closed = dialog.isNull();
        delete dialog.data();
        qInstallMessageHandler(previous);
        if (closed)   // a refusal's message box warns on this platform
            QCOMPARE(warnings, QStringList());
        QCOMPARE(closed, c.refusal.isEmpty());
        QCOMPARE(answerer.texts().value(0), c.refusal);
        // Each command is three bytes and their CRC-8.
        QByteArray expected, received;
        for (const QString &text : c.texts) {
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
        QCOMPARE(QRectF(window1->pos(), window1->mRect.size()), c.geometry);
        QCOMPARE(window1->mColorIndex, closed && c.colour >= 0 ? c.colour : 0);
        QCOMPARE(window1->mLayer, closed ? qMax(c.level + 1, 1) : 1);
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
