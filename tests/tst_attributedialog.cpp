// The window-attribute dialog: its command texts, what it loads from a
// window, what OK writes to the serial port (a pty pair) and does to the
// drawn window, the refusals, and the wall view's property entry that opens it.
#include <QtTest>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSerialPort>

#include "attributedialogcommand.h"
#include "attributedialogdriver.h"
#include "dialoganswerer.h"
#include "globals.h"
#include "panelfixture.h"
#include "ptypair.h"
#include "setitemattribute.h"
#include "Graphics/inputchannel.h"
#include "Graphics/resolutionratioscene.h"
#include "Graphics/userview.h"
#include "link/devicepacket.h"
#include "link/serialportmanager.h"

class TstAttributeDialog : public QObject
{
    Q_OBJECT

    std::unique_ptr<PtyPair> mPty;
    ResolutionRatioScene *mScene = nullptr;

    QSerialPort *port() const { return SerialPortManager::getInstance()->serialPort(); }
    InputChannel *window(int n) const { return mScene->mChannels.at(n - 1); }

    template<class T> static T *field(SetItemAttribute *dialog, const char *name)
    {
        return dialog->findChild<T *>(QLatin1String(name));
    }

private slots:
    void initTestCase()
    {
        SerialPortManager::getInstance()->init();
    }

    void init()
    {
        g_languageIndex = 0;
        g_networkConnected = false;
        g_offlineMode = false;
        mPty.reset(new PtyPair);
        QVERIFY(mPty->isValid());
        port()->setPortName(mPty->slavePath());
        QVERIFY(port()->open(QIODevice::ReadWrite));
        g_serialConnected = true;
        mScene = new ResolutionRatioScene(QRectF(0, 0, 3840, 2160));
    }

    void cleanup()
    {
        delete mScene;
        port()->close();
        mPty.reset();
        g_serialConnected = false;
    }

    void commandTexts_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<char>("code");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("layer 1 on window 2") << 1 << char(AttributeDialogCommand::Layer) << 1 << "01b001";
        QTest::newRow("x 100 on window 2") << 1 << char(AttributeDialogCommand::PosX) << 100 << "011064";
        QTest::newRow("largest value") << 0 << char(AttributeDialogCommand::Height) << 0xFFF << "004fff";
        QTest::newRow("negative refused") << 0 << char(AttributeDialogCommand::PosX) << -1 << "";
        QTest::newRow("13 bits refused") << 0 << char(AttributeDialogCommand::Width) << 0x1000 << "";
    }

    void commandTexts()
    {
        QFETCH(int, window);
        QFETCH(char, code);
        QFETCH(int, value);
        QFETCH(QString, text);
        QCOMPARE(AttributeDialogCommand::text(window, AttributeDialogCommand::Code(code), value), text);
        // Packed like every other command: its bytes and their CRC-8.
        if (!text.isEmpty())
            QCOMPARE(SetItemAttribute::hexToPacket(text), hexToPacket(text));
    }

    void loadsTheChosenWindow()
    {
        window(3)->setPos(100.5, 200);
        window(3)->mColorIndex = 4;
        window(3)->mInputSourceIndex = 2;
        SetItemAttribute dialog(1, mScene);
        QCOMPARE(field<QComboBox>(&dialog, "channelComboBox")->currentIndex(), 1);
        QCOMPARE(field<QLineEdit>(&dialog, "posXLdt")->text(), QStringLiteral("1920"));
        QCOMPARE(field<QComboBox>(&dialog, "levelCbx")->currentIndex(), 1);

        // Choosing another channel reloads the form from that window.
        field<QComboBox>(&dialog, "channelComboBox")->setCurrentIndex(2);
        QCOMPARE(field<QLineEdit>(&dialog, "posXLdt")->text(), QStringLiteral("100.5"));
        QCOMPARE(field<QComboBox>(&dialog, "colorCbx")->currentIndex(), 4);
        QCOMPARE(field<QComboBox>(&dialog, "comboBox")->currentIndex(), 2);
        QCOMPARE(field<QComboBox>(&dialog, "levelCbx")->currentIndex(), 2);
        QVERIFY(!field<QComboBox>(&dialog, "colorCbx")->itemIcon(3).isNull());
    }

    void okWritesTheChangesToTheSerialPort_data() { addAttributeChangeRows(); }

    void okWritesTheChangesToTheSerialPort()
    {
        const int count = runAttributeChangeRow(mScene);
        QFETCH(QStringList, texts);
        QCOMPARE(attributePacketTexts(mPty->read(4 * count, 3000)), texts);
        QVERIFY(mPty->readAvailable(50).isEmpty());
        verifyAttributeChangeRow(mScene);
    }

    void refusedValues_data()
    {
        QTest::addColumn<QRectF>("canvas");
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("message");
        QTest::newRow("right edge passed") << QRectF(0, 0, 3840, 2160) << "1921" << "0" << "1920" << "1080"
                                           << "超出3840X2160分辨率";
        QTest::newRow("negative x") << QRectF(0, 0, 3840, 2160) << "-1" << "0" << "1920" << "1080"
                                    << "超出3840X2160分辨率";
        QTest::newRow("negative height") << QRectF(0, 0, 3840, 1080) << "0" << "0" << "1920" << "-5"
                                         << "超出3840X1080分辨率";
        // A wide wall: inside the canvas, but beyond the command's 12 bits.
        QTest::newRow("x beyond the field") << QRectF(0, 0, 7680, 2160) << "4096" << "0" << "1920" << "1080"
                                            << "超出7680X2160分辨率";
    }

    void refusedValues()
    {
        QFETCH(QRectF, canvas);
        QFETCH(QString, x);
        QFETCH(QString, y);
        QFETCH(QString, width);
        QFETCH(QString, height);
        QFETCH(QString, message);
        mScene->setSceneRect(canvas);
        DialogAnswerer answerer;
        auto *dialog = new SetItemAttribute(0, mScene);
        QPointer<SetItemAttribute> guard(dialog);
        dialog->show();
        applyAttributeEdit(dialog, {x, y, width, height, 3, 3});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QCOMPARE(answerer.texts(), QStringList{message});
        QCOMPARE(answerer.titles(), QStringList{"错误"});
        QVERIFY(guard);                      // stays open with the typed values
        QCOMPARE(field<QLineEdit>(dialog, "posXLdt")->text(), x);
        QVERIFY(mPty->readAvailable(100).isEmpty());
        QCOMPARE(QRectF(window(1)->pos(), window(1)->mRect.size()), QRectF(0, 0, 1920, 1080));
        QCOMPARE(window(1)->mColorIndex, 0);
        QCOMPARE(window(1)->mLayer, 1);
        delete dialog;
    }

    void cancelChangesNothing()
    {
        auto *dialog = new SetItemAttribute(0, mScene);
        QPointer<SetItemAttribute> guard(dialog);
        dialog->show();
        field<QComboBox>(dialog, "colorCbx")->setCurrentIndex(2);
        QTest::mouseClick(field<QPushButton>(dialog, "pushButton"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(guard.isNull());
        QCOMPARE(window(1)->mColorIndex, 0);
        QVERIFY(mPty->readAvailable(100).isEmpty());
    }

    void propertyEntryOpensTheDialogOfTheWindowUnderThePointer()
    {
        PanelFixture fixture;
        UserView *view = fixture.ui->graphicsView;
        QCOMPARE(view->prepareContextMenu(view->mapFromScene(QPointF(2400, 500))), view->mContextMenu);
        QCOMPARE(view->mCurrentChannelIndex, 1);

        int shownChannel = -1;
        QString shownX;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<SetItemAttribute *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            shownChannel = field<QComboBox>(dialog, "channelComboBox")->currentIndex();
            shownX = field<QLineEdit>(dialog, "posXLdt")->text();
            QTest::mouseClick(field<QPushButton>(dialog, "pushButton"), Qt::LeftButton);
        });
        view->mWindowActions.at(2)->trigger();
        QCOMPARE(shownChannel, 1);
        QCOMPARE(shownX, QStringLiteral("1920"));
        QVERIFY(view->mAttributeDialog.isNull());   // CANCEL deleted it
        QVERIFY(fixture.takeTexts().isEmpty());     // nothing goes through the queue
    }

};

QTEST_MAIN(TstAttributeDialog)
#include "tst_attributedialog.moc"
