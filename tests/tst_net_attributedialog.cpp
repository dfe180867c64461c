// The window-attribute dialog: what OK writes to the box over
// the TCP socket (a server at 10.77.0.2 inside the test's own network
// namespace) and over the serial port (a pty pair) and does to the drawn
// window, the refusals, and the wall view's property entry that opens it.
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

class TstNetAttributeDialog : public QObject
{
    Q_OBJECT

    QTcpServer mServer;
    QPointer<QTcpSocket> mBoxSide;
    std::unique_ptr<PtyPair> mPty;
    ResolutionRatioScene *mScene = nullptr;

    QTcpSocket *socket() const { return NetworkPortManager::getInstance()->tcpSocket(); }
    QSerialPort *port() const { return SerialPortManager::getInstance()->serialPort(); }
    InputChannel *window1() const { return mScene->mChannels.at(0); }
    static QString text(QWidget *dialog, const char *name) { return dialog->findChild<QLineEdit *>(name)->text(); }
    static QComboBox *combo(QWidget *dialog, const char *name) { return dialog->findChild<QComboBox *>(name); }

    // Opens the dialog on window 1, types x, y, width and height (a null text
    // leaves the field as loaded), picks colour and level (-1: left) and
    // presses OK. True when the dialog closed.
    bool edit(const QStringList &typed, int colour, int level)
    {
        QPointer<SetItemAttribute> dialog = new SetItemAttribute(0, mScene);
        dialog->show();
        const char *names[4] = {"posXLdt", "posYLdt", "widthLdt", "heightLdt"};
        for (int i = 0; i < 4; ++i) {
            if (typed.value(i).isNull())
                continue;
            auto *field = dialog->findChild<QLineEdit *>(names[i]);
            field->selectAll();
            QTest::keyClick(field, Qt::Key_Delete);
            QTest::keyClicks(field, typed.at(i));
        }
        if (colour >= 0)
            combo(dialog, "colorCbx")->setCurrentIndex(colour);
        if (level >= 0)
            combo(dialog, "levelCbx")->setCurrentIndex(level);
        QTest::mouseClick(dialog->findChild<QPushButton *>("pushButton_2"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const bool closed = dialog.isNull();
        delete dialog.data();
        return closed;
    }

    // Command texts of what reached the box: three bytes and their CRC-8 each.
    QStringList receivedAtBox(int bytes)
    {
        QByteArray raw;
        if (mPty) {
            raw = mPty->read(bytes, 3000);
            raw += mPty->readAvailable(50);
        } else if (!QTest::qWaitFor([&] { return (raw += mBoxSide->readAll()).size() >= bytes; }, 3000)) {
            qWarning("the box received %d of %d bytes", raw.size(), bytes);
        }
        QStringList texts;
        for (int at = 0; at < raw.size(); at += 4) {
            const QByteArray packet = raw.mid(at, 4);
            texts << (packet.size() == 4 && quint8(packet.at(3)) == calculateCrc8(packet.left(3))
                          ? QString::fromLatin1(packet.left(3).toHex()) : QStringLiteral("bad packet"));
        }
        return texts;
    }

    void openSerial()
    {
        mPty.reset(new PtyPair);
        QVERIFY(mPty->isValid());
        port()->setPortName(mPty->slavePath());
        QVERIFY(port()->open(QIODevice::ReadWrite));
        g_serialConnected = true;
    }

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
        socket()->abort();
        delete mBoxSide;
        port()->close();
        mPty.reset();
        g_networkConnected = g_serialConnected = false;
    }

    // On window 1 (0, 0, 1920 x 1080, layer 1, grey) of a 3840 x 2160 canvas.
    void okWritesOneCommandPerChangedField_data()
    {
        QTest::addColumn<bool>("serial");
        QTest::addColumn<QStringList>("typed");   // x, y, width, height
        QTest::addColumn<int>("colour");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("startLayer");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QRectF>("geometry");
        QTest::addColumn<int>("layer");
        const QRectF start(0, 0, 1920, 1080);
        for (bool serial : {false, true}) {
            const QString road = serial ? "serial: " : "tcp: ";
            auto row = [&](const char *name) -> QTestData & { return QTest::newRow(qPrintable(road + name)) << serial; };
            row("nothing changed") << QStringList() << -1 << -1 << 1 << QStringList() << start << 1;
            row("colour blue") << QStringList() << 3 << -1 << 1 << QStringList{"00702e", "008094", "0090b9"} << start << 1;
            row("level 1 from layer 3") << QStringList() << -1 << 0 << 3 << QStringList{"00b001"} << start << 1;
            row("level 4 from layer 1") << QStringList() << -1 << 3 << 1 << QStringList{"00b004"} << start << 4;
            row("geometry") << QStringList{"100", "200", "1000", "500"} << -1 << -1 << 1
                            << QStringList{"001064", "0020c8", "0033e8", "0041f4"} << QRectF(100, 200, 1000, 500) << 1;
            // Shrinking while moving toward the right edge: the old size must not hold it back.
            row("narrow at the right edge") << QStringList{"3040", QString(), "800"} << -1 << -1 << 1
                                            << QStringList{"001be0", "003320"} << QRectF(3040, 0, 800, 1080) << 1;
        }
    }
    void okWritesOneCommandPerChangedField()
    {
        QFETCH(bool, serial);
        QFETCH(QStringList, typed);
        QFETCH(int, colour);
        QFETCH(int, level);
        QFETCH(int, startLayer);
        QFETCH(QStringList, texts);
        QFETCH(int, layer);
        if (serial) {
            openSerial();
        } else {
            g_networkConnected = true;
            socket()->connectToHost(QHostAddress(QStringLiteral("10.77.0.2")), mServer.serverPort());
            QVERIFY(socket()->waitForConnected(3000) && mServer.waitForNewConnection(3000));
            mBoxSide = mServer.nextPendingConnection();
        }
        while (window1()->mLayer < startLayer)
            mScene->setLayer(0, ResolutionRatioScene::LayerDown);
        QVERIFY(edit(typed, colour, level));
        QCOMPARE(receivedAtBox(4 * texts.size()), texts);
        QTEST(QRectF(window1()->pos(), window1()->mRect.size()), "geometry");
        QCOMPARE(window1()->mLayer, layer);
        QCOMPARE(window1()->zValue(), qreal(5 - layer));
    }

    // Negative values and values beyond the command's 12 bits are refused;
    // the dialog stays open and nothing changes.
    void refusedValues_data()
    {
        QTest::addColumn<int>("canvasWidth");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("right edge passed") << 3840 << QStringList{"1921"} << "超出3840X2160分辨率";
        QTest::newRow("negative x") << 3840 << QStringList{"-1"} << "超出3840X2160分辨率";
        QTest::newRow("negative height") << 3840 << QStringList{"0", "0", "1920", "-5"} << "超出3840X2160分辨率";
        QTest::newRow("x beyond the field") << 7680 << QStringList{"4096"} << "超出7680X2160分辨率";
    }
    void refusedValues()
    {
        QFETCH(int, canvasWidth);
        QFETCH(QStringList, typed);
        openSerial();
        mScene->setSceneRect(0, 0, canvasWidth, 2160);
        DialogAnswerer answerer;
        QVERIFY(!edit(typed, 3, 3));
        QTEST(answerer.texts().value(0), "message");
        QCOMPARE(receivedAtBox(0), QStringList());
        QCOMPARE(QRectF(window1()->pos(), window1()->mRect.size()), QRectF(0, 0, 1920, 1080));
        QCOMPARE(window1()->mColorIndex, 0);
    }

    // With only a UDP session the TCP socket is not connected: nothing is
    // written to it (a write would fail with a warning); the window follows.
    void udpSessionWritesNothingButTheWindowFollows()
    {
        g_networkConnected = true;
        static QStringList warnings;
        const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &,
                                                                    const QString &text) {
            if (type != QtDebugMsg)
                warnings << text;
        });
        const bool closed = edit({"100", "200"}, 3, 2);
        qInstallMessageHandler(previous);
        QVERIFY(closed);
        QCOMPARE(warnings, QStringList());
        QCOMPARE(window1()->pos(), QPointF(100, 200));
        QCOMPARE(window1()->mColorIndex, 3);
        QCOMPARE(window1()->mLayer, 3);
    }

    void propertyEntryOpensTheDialogOfTheWindowUnderThePointer()
    {
        PanelFixture fixture;
        UserView *view = fixture.ui->graphicsView;
        QCOMPARE(view->prepareContextMenu(view->mapFromScene(QPointF(2400, 500))), view->mContextMenu);
        QString shownX;
        QTimer::singleShot(0, [&] {
            if (auto *dialog = qobject_cast<SetItemAttribute *>(QApplication::activeModalWidget())) {
                shownX = text(dialog, "posXLdt");
                combo(dialog, "colorCbx")->setCurrentIndex(2);
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
