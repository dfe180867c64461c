// The window-attribute dialog over the serial port (a pty pair): what it
// loads, what OK writes and does to the drawn window, the refusals, and the
// wall view's property entry that opens it.
#include <QtTest>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSerialPort>

#include "attributedialogdriver.h"
#include "dialoganswerer.h"
#include "globals.h"
#include "panelfixture.h"
#include "ptypair.h"
#include "setitemattribute.h"
#include "Graphics/inputchannel.h"
#include "Graphics/resolutionratioscene.h"
#include "Graphics/userview.h"
#include "link/serialportmanager.h"

class TstAttributeDialog : public QObject
{
    Q_OBJECT

    std::unique_ptr<PtyPair> mPty;
    ResolutionRatioScene *mScene = nullptr;

    QSerialPort *port() const { return SerialPortManager::getInstance()->serialPort(); }
    static QString text(QWidget *dialog, const char *name) { return dialog->findChild<QLineEdit *>(name)->text(); }
    static QComboBox *combo(QWidget *dialog, const char *name) { return dialog->findChild<QComboBox *>(name); }

private slots:
    void initTestCase() { SerialPortManager::getInstance()->init(); }

    void init()
    {
        g_languageIndex = 0;
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

    void loadsTheChosenWindow()
    {
        mScene->mChannels.at(2)->setPos(100.5, 200);
        mScene->mChannels.at(2)->mColorIndex = 4;
        SetItemAttribute dialog(1, mScene);
        QCOMPARE(text(&dialog, "posXLdt"), QStringLiteral("1920"));
        QCOMPARE(combo(&dialog, "levelCbx")->currentIndex(), 1);
        // Choosing another channel reloads the form from that window.
        combo(&dialog, "channelComboBox")->setCurrentIndex(2);
        QCOMPARE(text(&dialog, "posXLdt"), QStringLiteral("100.5"));
        QCOMPARE(combo(&dialog, "colorCbx")->currentIndex(), 4);
        QCOMPARE(combo(&dialog, "levelCbx")->currentIndex(), 2);
    }

    void okWritesTheChangesToTheSerialPort_data() { addAttributeChangeRows(); }
    void okWritesTheChangesToTheSerialPort()
    {
        runAttributeChangeRow(mScene, [this](int bytes) {
            const QByteArray raw = mPty->read(bytes, 3000);
            return raw + mPty->readAvailable(50);   // and nothing more
        });
    }

    // Negative values and values beyond the command's 12 bits are refused;
    // the dialog stays open and nothing changes.
    void refusedValues_data()
    {
        QTest::addColumn<int>("canvasWidth");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("right edge passed") << 3840 << QStringList{"1921", "0", "1920", "1080"} << "超出3840X2160分辨率";
        QTest::newRow("negative x") << 3840 << QStringList{"-1"} << "超出3840X2160分辨率";
        QTest::newRow("negative height") << 3840 << QStringList{"0", "0", "1920", "-5"} << "超出3840X2160分辨率";
        QTest::newRow("x beyond the field") << 7680 << QStringList{"4096"} << "超出7680X2160分辨率";
    }
    void refusedValues()
    {
        QFETCH(int, canvasWidth);
        QFETCH(QStringList, typed);
        mScene->setSceneRect(0, 0, canvasWidth, 2160);
        DialogAnswerer answerer;
        QPointer<SetItemAttribute> dialog = new SetItemAttribute(0, mScene);
        dialog->show();
        applyAttributeEdit(dialog, typed, 3, 3);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(dialog);
        delete dialog.data();
        QTEST(answerer.texts().value(0), "message");
        QVERIFY(mPty->readAvailable(100).isEmpty());
        const InputChannel *window = mScene->mChannels.at(0);
        QCOMPARE(QRectF(window->pos(), window->mRect.size()), QRectF(0, 0, 1920, 1080));
        QCOMPARE(window->mColorIndex, 0);
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

QTEST_MAIN(TstAttributeDialog)
#include "tst_attributedialog.moc"
