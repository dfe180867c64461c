#include <QtTest>

#include "Graphics/inputchannel.h"
#include "Graphics/inputsourcebutton.h"
#include "Graphics/resolutionratioscene.h"
#include "Graphics/userview.h"
#include "communicationdialog.h"
#include "dialoganswerer.h"
#include "globals.h"
#include "link/devicepacket.h"
#include "windowfixture.h"
#include "mainwindow.h"

#include <QComboBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

// Gate, control switching, command queuing and the no-link pump; no sockets.
class TstLinkGate : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowFixture> mFixture;
    MainWindow *w = nullptr;

    template <class T>
    T *ui(const char *name) const { return formChild<T>(w, name); }
    QPushButton *button(const char *name) const { return ui<QPushButton>(name); }
    bool enabled(const char *name) const { return ui<QWidget>(name)->isEnabled(); }
    ResolutionRatioScene *scene() const { return ui<UserView>("graphicsView")->mScenes.at(w->mCurrentSceneIndex); }

    // Set-up and selection changes may queue commands of their own.
    void clearQueue()
    {
        w->mSendPackets->clear();
        w->mSendTexts->clear();
    }

private slots:
    void init()
    {
        mFixture.reset(new WindowFixture([] { offerSerialPorts({}); }));
        w = mFixture->mw;
    }

    void cleanup()
    {
        mFixture.reset();
        w = nullptr;
    }

    void gateRefusesWithoutLink()
    {
        DialogAnswerer answerer;
        QVERIFY(!w->checkConnected());
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen.first().title, QStringLiteral("错误"));
        QCOMPARE(answerer.seen.first().text, QStringLiteral("请先建立连接！"));
    }

    void gateAcceptsAnyLinkFlag()
    {
        DialogAnswerer answerer;
        g_offlineMode = true;
        QVERIFY(w->checkConnected());
        g_offlineMode = false;
        g_serialConnected = true;
        QVERIFY(w->checkConnected());
        g_serialConnected = false;
        g_networkConnected = true;
        QVERIFY(w->checkConnected());
        QVERIFY(answerer.seen.isEmpty());
    }

    void controlsStartDisabledAndSwitchAsymmetrically()
    {
        QComboBox *rows = ui<QComboBox>("rowCbx");
        QComboBox *columns = ui<QComboBox>("columnCbx");
        QVERIFY(!rows->isEnabled());
        QVERIFY(!enabled("currentChannelCBox"));
        QVERIFY(!enabled("ptn_refresh"));
        UserView *view = ui<UserView>("graphicsView");
        QVERIFY(!view->mOpenWindowMenu->isEnabled());
        QVERIFY(!view->mContextMenu->isEnabled());

        // The applied layout equals the selection: the apply button stays off.
        w->mStoredRowIndex = rows->currentIndex();
        w->mStoredColumnIndex = columns->currentIndex();
        button("ptn_saveAll")->setEnabled(false);
        w->enableControls();
        QVERIFY(rows->isEnabled());
        QVERIFY(enabled("page4"));
        QVERIFY(enabled("ptn_saveAll"));
        QVERIFY(!enabled("selectSceneBtn"));
        QVERIFY(view->mOpenWindowMenu->isEnabled());
        QVERIFY(view->mContextMenu->isEnabled());
        for (InputSourceButton *b : w->mInputSourceButtons)
            QVERIFY(b->isEnabled());

        // Disabling leaves the save button as it was.
        w->disableControls();
        QVERIFY(enabled("ptn_saveAll"));
        QVERIFY(!enabled("cbx_deinterlace"));
        QVERIFY(!enabled("selectSceneBtn"));
        for (InputSourceButton *b : w->mInputSourceButtons)
            QVERIFY(!b->isEnabled());

        w->mStoredRowIndex = rows->currentIndex() + 1;
        w->enableControls();
        QVERIFY(enabled("selectSceneBtn"));
    }

    void offlineModeKeepsControlsEnabled()
    {
        button("ptn_offLine")->setEnabled(true);
        QTest::mouseClick(button("ptn_offLine"), Qt::LeftButton);
        QVERIFY(g_offlineMode);
        QVERIFY(!g_networkConnected);
        QVERIFY(!g_serialConnected);
        QVERIFY(!enabled("ptn_offLine"));
        QVERIFY(enabled("currentChannelCBox"));
        QVERIFY(enabled("ptn_factoryDataReset"));
        QCOMPARE(g_pendingStatusCode, 9);
        QVERIFY(g_statusMessagePending);
        for (InputChannel *c : scene()->mChannels)
            QVERIFY(c->flags() & QGraphicsItem::ItemIsMovable);
        DialogAnswerer answerer;
        QVERIFY(w->checkConnected());
        QVERIFY(answerer.seen.isEmpty());
    }

    void windowCommandsQueueTextAndPacket()
    {
        ui<QComboBox>("currentChannelCBox")->setCurrentIndex(1);
        clearQueue();
        w->sendWindowCommand(MainWindow::SelectedWindow, 0x0B, 1024);
        w->sendWindowCommand(2, 0x2D, 4);
        QCOMPARE(*w->mSendTexts, QList<QString>({"010b0400", "022d0004"}));
        QCOMPARE(w->mSendPackets->at(0), hexToPacket("010B0400"));
        QCOMPARE(w->mSendPackets->at(1).size(), 5);
    }

    void windowCommandsOutOfRangeAreRefused()
    {
        clearQueue();
        w->sendWindowCommand(0, 0x0A, -1);
        w->sendWindowCommand(0, 0x0A, 0x10000);
        QVERIFY(w->mSendTexts->isEmpty());
        QVERIFY(w->mSendPackets->isEmpty());
    }

    void dhcpButtons()
    {
        QPushButton *on = button("DHCPon");
        QPushButton *off = button("DHCPoff");
        clearQueue();
        on->setEnabled(true);
        QTest::mouseClick(on, Qt::LeftButton);
        QVERIFY(!on->isEnabled());
        QVERIFY(off->isEnabled());
        QTest::mouseClick(off, Qt::LeftButton);
        QVERIFY(on->isEnabled());
        QVERIFY(!off->isEnabled());
        QCOMPARE(*w->mSendTexts, QList<QString>({"04110001", "04110000"}));
        QCOMPARE(w->mSendPackets->first(), hexToPacket("04110001"));
    }

    void spliceTableFollowsGeneration()
    {
        const int saved = versionType;
        versionType = 1;
        w->initSpliceCommandTable();
        QCOMPARE(w->mSpliceCommands.size(), 23);
        versionType = 5;
        w->initSpliceCommandTable();
        QCOMPARE(w->mSpliceCommands.size(), 58);
        versionType = saved;
    }

    void noLinkDropsOnePerTickSilently()
    {
        QSignalSpy log(w, &MainWindow::readInfo);
        // The queue lengths right after each tick (this slot runs after the pump's).
        QObject recorder;
        QList<QPair<int, int>> queueAtTick;
        connect(w->mSendTimer, &QTimer::timeout, &recorder,
                [&] { queueAtTick << qMakePair(w->mSendPackets->size(), w->mSendTexts->size()); });
        clearQueue();
        w->sendCommand("08050000");
        w->sendCommand("08010001");
        w->sendCommand("08020001");
        w->mSendTimer->setInterval(20);
        // one entry leaves per tick
        QTRY_VERIFY_WITH_TIMEOUT(w->mSendPackets->isEmpty(), 5000);
        QCOMPARE(queueAtTick.mid(0, 3), (QList<QPair<int, int>>{{2, 2}, {1, 1}, {0, 0}}));
        QVERIFY(w->mSendTexts->isEmpty());
        QCOMPARE(log.count(), 0);
    }

    void trafficLogLinesCarryTheTime()
    {
        CommunicationDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Dialog"));
        QCOMPARE(dialog.size(), QSize(458, 420));
        QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
        dialog.showInfo(QStringLiteral("MainWindow::send(TCP)\uFF1A 08050000"));
        dialog.showInfo(QString());
        const QStringList lines = formChild<QPlainTextEdit>(&dialog, "plainTextEdit")->toPlainText().split('\n');
        QCOMPARE(lines.size(), 2);
        const QRegularExpression stamp(QStringLiteral("^\\[\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d\\]"));
        QVERIFY(stamp.match(lines[0]).hasMatch());
        QVERIFY(lines[0].endsWith(QStringLiteral("]MainWindow::send(TCP)\uFF1A 08050000")));
        QCOMPARE(lines[1].size(), 14);
        QVERIFY(stamp.match(lines[1]).hasMatch());
    }

    void loopBackAppliesWindowCommands()
    {
        InputChannel *second = scene()->mChannels.at(1);
        const auto apply = [this](const QString &command) {
            const QByteArray packet = hexToPacket(command);
            w->applyCommandText(QString::fromLatin1(packet.toHex()));
        };
        apply("01010064");
        apply("010200c8");
        QCOMPARE(second->pos(), QPointF(100, 200));
        apply("01030500");
        QCOMPARE(second->mRect.width(), 1280.0);
        apply("01070f00");
        QCOMPARE(second->mCropHEnd, 0x0f00);
        apply("010a0032");
        QCOMPARE(second->mContrast, 0x32);
        apply("01130001");
        QVERIFY(second->mHMirror);
        apply("012d0003");
        QCOMPARE(second->mInputSourceIndex, 3);
        QCOMPARE(second->mInputSourceID, 3);
        apply("01260010");
        apply("01270020");
        apply("01280030");
        QCOMPARE(QVector<int>({second->mRed, second->mGreen, second->mBlue, second->mSolidRed, second->mSolidGreen,
                               second->mSolidBlue}),
                 QVector<int>({0x10, 0x20, 0x30, 0x10, 0x20, 0x30}));
        apply("040f0000");
        QVERIFY(!scene()->mChannels.first()->mSysVideoGen);
        apply("040d0001");
        QVERIFY(scene()->mChannels.first()->mSysAudioAllOutputs);
    }

    void loopBackStepsLayersAndIgnoresBadOnes()
    {
        InputChannel *fourth = scene()->mChannels.at(3);
        const auto layers = [this]() {
            QVector<int> out;
            for (InputChannel *c : scene()->mChannels)
                out << c->mLayer;
            return out;
        };
        QCOMPARE(fourth->mLayer, 4);
        w->applyCommandText(QString::fromLatin1(hexToPacket("03290001").toHex()));
        QCOMPARE(fourth->mLayer, 1);
        QCOMPARE(fourth->zValue(), 4.0);
        QVector<int> sorted = layers();
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(sorted, QVector<int>({1, 2, 3, 4}));

        const QVector<int> before = layers();
        w->applyCommandText(QString::fromLatin1(hexToPacket("03290000").toHex()));
        w->applyCommandText(QString::fromLatin1(hexToPacket("03290007").toHex()));
        QCOMPARE(layers(), before);
    }

    void loopBackRejectsBadTexts()
    {
        InputChannel *first = scene()->mChannels.at(0);
        const QPointF pos = first->pos();
        w->applyCommandText("0001006400");   // wrong CRC
        w->applyCommandText("00010064");     // no CRC
        w->applyCommandText(QString::fromLatin1(hexToPacket("00010064").toHex()) + "0");
        QCOMPARE(first->pos(), pos);
    }

    void loopBackSwitchesSpliceLayout()
    {
        w->initSpliceCommandTable();
        w->applyCommandText(QString::fromLatin1(hexToPacket("06010203").toHex()));
        QCOMPARE(scene()->mLayoutName, QStringLiteral("2x3"));
    }
};

QTEST_MAIN(TstLinkGate)
#include "tst_linkgate.moc"
