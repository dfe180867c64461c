// Start-up with its splash, the language switch, the title bar and the close
// sequence that keeps the language in "./FontSize.ini" for the next start.
#include <QtTest>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QLayout>
#include <QPushButton>
#include <QSpacerItem>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolBox>

#include "globals.h"
#include "Graphics/inputsourcebutton.h"
#include "maincontent/about.h"
#include "maincontent/waitingwidget.h"
#include "mainwindow.h"
#include "windowfixture.h"
#include "networkdialog.h"
#include "screen/languagefile.h"
#include "screen/mainobject.h"
#include "screen/splashscreen.h"
#include "titlebar/maintitlebar.h"

namespace {

QString text(QObject *window, const char *name)
{
    const QString objectName = QString::fromLatin1(name);
    if (auto *box = window->findChild<QGroupBox *>(objectName))
        return box->title();
    if (auto *label = window->findChild<QLabel *>(objectName))
        return label->text();
    if (auto *button = window->findChild<QAbstractButton *>(objectName))
        return button->text();
    return QStringLiteral("<missing %1>").arg(objectName);
}

void clickButton(QWidget *window, const char *name)
{
    auto *button = formChild<QPushButton>(window, name);
    QVERIFY2(button, name);
    button->click();
}

QStringList iniKeys()
{
    QSettings settings(LanguageFile::path(), QSettings::IniFormat);
    return settings.allKeys();
}

} // namespace

class TstShellLanguage : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WindowFixture> mFixture;
    MainWindow *w = nullptr;

    // The constructor's input table comes from the panel code; the form's
    // four buttons are what it lists.
    void ensureInputButtons()
    {
        if (!w->mInputSourceButtons.isEmpty())
            return;
        for (const char *name : {"inBtn_1", "inBtn_2", "inBtn_3", "inBtn_4"})
            w->mInputSourceButtons << formChild<InputSourceButton>(w, name);
    }

    MainTitleBar *titleBar() { return formChild<MainTitleBar>(w, "widgetTitle"); }

    // Width of the network dialog's spacer between its two action buttons.
    int networkSpacerWidth()
    {
        QWidget *left = formChild<QWidget>(w->mNetworkDialog, "changeIP");
        QWidget *right = formChild<QWidget>(w->mNetworkDialog, "ptn_connectDevice");
        if (!left || !right)
            return -1;
        for (QLayout *layout : w->mNetworkDialog->findChildren<QLayout *>()) {
            const int from = layout->indexOf(left), to = layout->indexOf(right);
            if (from < 0 || to < 0)
                continue;
            for (int i = from + 1; i < to; ++i)
                if (QSpacerItem *spacer = layout->itemAt(i)->spacerItem())
                    return spacer->sizeHint().width();
        }
        return -1;
    }

private slots:
    void initTestCase()
    {
        SplashScreen::instance()->mDuration = 50;   // a short fade keeps the suite fast
    }

    void init()
    {
        mFixture.reset(new WindowFixture);
        w = mFixture->mw;
    }

    void cleanup()
    {
        mFixture.reset();
        w = nullptr;
        LanguageFile::installTranslation(0);
    }

    void splashDrawsItsBar()
    {
        SplashScreen *splash = SplashScreen::instance();
        splash->mProgress = 0.0;   // as fresh, whatever start-up ran before
        QCOMPARE(splash->size(), QSize(600, 400));
        const int barY = 400 - 66;
        splash->setProgress(0, QStringLiteral("m"));
        QCOMPARE(splash->mProgress, 0.0);
        QImage image = splash->grab().toImage();
        QCOMPARE(QColor(image.pixel(150, barY)), QColor(100, 100, 100));

        splash->setProgress(50, QStringLiteral("half"));
        QVERIFY(splash->mProgress >= 50.0 && splash->mProgress < 50.03);
        QCOMPARE(splash->mMessage, QStringLiteral("half"));
        image = splash->grab().toImage();
        // 460 pixels of bar: the first 230 filled.
        QCOMPARE(QColor(image.pixel(150, barY)), QColor(150, 230, 100));
        QCOMPARE(QColor(image.pixel(295, barY)), QColor(150, 230, 100));
        QCOMPARE(QColor(image.pixel(310, barY)), QColor(100, 100, 100));

        // A lower target only changes the message.
        splash->setProgress(20, QStringLiteral("back"));
        QVERIFY(splash->mProgress >= 50.0);
        QCOMPARE(splash->mMessage, QStringLiteral("back"));
        splash->close();
    }

    void startUpReadsTheStoredLanguage_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("loaded");
        QTest::addColumn<QString>("groupTitle");
        QTest::newRow("none") << QString() << QStringLiteral("加载完毕！") << QStringLiteral("串口连接");
        QTest::newRow("ID=2") << QStringLiteral("ID=2") << QStringLiteral("Загружено!")
                              << QStringLiteral("Последовательное соединение");
        QTest::newRow("id=3") << QStringLiteral("id=3") << QStringLiteral("¡Cargado!")
                              << QStringLiteral("Conexión serie");
        QTest::newRow("Id=1") << QStringLiteral("Id=1") << QStringLiteral("Load up!")
                              << QStringLiteral("Serial connection");
        QTest::newRow("ID=9") << QStringLiteral("ID=9") << QStringLiteral("加载完毕！") << QStringLiteral("串口连接");
        QTest::newRow("garbled") << QStringLiteral("ID=zz") << QStringLiteral("加载完毕！") << QStringLiteral("串口连接");
    }

    void startUpReadsTheStoredLanguage()
    {
        QFETCH(QString, stored);
        QFETCH(QString, loaded);
        QFETCH(QString, groupTitle);
        if (!stored.isNull()) {
            QFile file(LanguageFile::path());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[General]\n" + stored.toUtf8() + "\n");
        }
        auto *object = new MainObject;
        object->startUp();
        QPointer<MainWindow> window = object->mMainWindow.data();
        QVERIFY(window);
        QCOMPARE(SplashScreen::instance()->mMessage, loaded);
        QVERIFY(!SplashScreen::instance()->isVisible());
        QVERIFY(window->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(window->windowOpacity(), 1.0, 5000);
        QCOMPARE(QCoreApplication::translate("MainWindow", "串口连接"), groupTitle);

        // The start-up object takes the window with it.
        delete object;
        QVERIFY(window.isNull());
    }

    void switchesEveryLanguageAndBack()
    {
        ensureInputButtons();
        auto *custom = w->mInputSourceButtons.at(1);
        custom->setText(QStringLiteral("Camera"));
        custom->mDefaultCaption = 0;
        formChild<QComboBox>(w, "outputModeComBox")->setCurrentIndex(1);
        formChild<QComboBox>(w, "currentChannelCBox")->setCurrentIndex(2);
        formChild<QComboBox>(w, "cbx_windowLevel")->setCurrentIndex(3);
        formChild<QLineEdit>(w, "ldt_PosX")->setText(QStringLiteral("123"));
        g_pendingStatusCode = 1;

        clickButton(w, "pushButton_EN");
        QCOMPARE(g_languageIndex, 1);
        QCOMPARE(formChild<QComboBox>(w, "cbx_language")->currentIndex(), 1);
        struct Caption { const char *name; const char *english; };
        const Caption english[] = {
            {"groupBox", "Serial connection"}, {"comboBoxSerialPort", "Serial Port Refresh"},
            {"openButton", "Open Serial Port"}, {"groupBox_2", "Wall Mode"}, {"label", "Row"}, {"label_5", "Column"},
            {"selectSceneBtn", "Modify"}, {"groupBox_3", "Connection settings"}, {"connect", "Connect to Server"},
            {"label_3", "Lan Port:"}, {"groupBox_4", "Input source (Drag && Drop)"}, {"inBtn_1", "IN 1"},
            {"inBtn_4", "IN 4"}, {"groupBox_11", "Output resolution"}, {"ptn_saveAll", "Save all config"},
            {"groupBox_10", "Preview"}, {"presetApplyButton", "Apply"}, {"presetSaveButton", "Save"},
            {"presetPreButton", "Undo"}, {"presetNextButton", "Redo"}, {"label_41", "Current Window:"},
            {"ckx_showWindow", "Layer Display/Hide"}, {"ckx_solidColor", "Solid Color Fill"},
            {"ckx_freezeAllWindows", "Freeze all Windows"}, {"btn_openColorPalette", "Palette"}, {"label_45", "X"},
            {"label_46", "Y"}, {"ptn_refresh", "Data Sync"}, {"ptn_offLine", "Offline"},
            {"label_50", "Command Send Interval:"}, {"label_51", "Network port:"},
            {"label_54", "Serial port:"}, {"ptn_factoryDataReset", "Factory Reset"},
            // Texts that read the same in every language.
            {"testButton", "测试速率"}, {"ptn_openWindowModel", "开窗模式"}, {"label_11", "Pos.X"},
            {"DHCPon", "ON"}, {"label_7", ""}, {"ptn_singleScreenModel", ""}, {"pushButton_RU", "Русский"},
        };
        for (const Caption &c : english)
            QCOMPARE(text(w, c.name), QString::fromUtf8(c.english));
        // The title bar has a "pushButton" of its own.
        QCOMPARE(formChild<QPushButton>(formChild<QWidget>(w, "page5"), "pushButton")->text(), QStringLiteral("Communication"));
        auto *pages = formChild<QToolBox>(w, "rightTBox");
        QCOMPARE(pages->itemText(0), QStringLiteral("View Adjustment"));
        QCOMPARE(pages->itemText(1), QStringLiteral("Picture Adjustment"));
        QCOMPARE(pages->itemText(2), QStringLiteral("Window Adjustment"));
        QCOMPARE(pages->itemText(3), QStringLiteral("Image Effects"));
        QCOMPARE(pages->itemText(4), QStringLiteral("Developer"));
        QCOMPARE(w->mStatusLabel->text(), QStringLiteral("Connection status: Not Connected"));
        QCOMPARE(text(w, "labelTitleName"), QStringLiteral("Halden"));
        QCOMPARE(w->windowTitle(), QStringLiteral("MainWindow"));
        QCOMPARE(custom->text(), QStringLiteral("Camera"));
        QCOMPARE(WaitingWidget::boxWidth(), 250);

        // What the user chose and typed stays; hidden stays hidden.
        QCOMPARE(formChild<QComboBox>(w, "outputModeComBox")->currentIndex(), 1);
        QCOMPARE(formChild<QComboBox>(w, "currentChannelCBox")->currentIndex(), 2);
        QCOMPARE(formChild<QComboBox>(w, "currentChannelCBox")->currentText(), QStringLiteral("Window 3"));
        QCOMPARE(formChild<QComboBox>(w, "cbx_windowLevel")->currentIndex(), 3);
        QCOMPARE(formChild<QLineEdit>(w, "ldt_PosX")->text(), QStringLiteral("123"));
        QVERIFY(formChild<QWidget>(w, "groupBox")->isHidden());
        QVERIFY(formChild<QWidget>(w, "MyMessageButton")->isHidden());
        QVERIFY(!formChild<QLabel>(w, "label_7")->pixmap(Qt::ReturnByValue).isNull());
        auto *outputList = qobject_cast<QListView *>(formChild<QComboBox>(w, "outputModeComBox")->view());
        QVERIFY(outputList->isRowHidden(2) && outputList->isRowHidden(3));

        // Russian with both links up.
        g_serialConnected = true;
        g_networkConnected = true;
        clickButton(w, "pushButton_RU");
        QCOMPARE(g_languageIndex, 2);
        QCOMPARE(text(w, "openButton"), QStringLiteral("Закрыть порт RS232"));
        QCOMPARE(text(w, "connect"), QStringLiteral("Связь установлена."));
        QCOMPARE(text(w, "groupBox_2"), QStringLiteral("Режим стены"));
        QCOMPARE(text(w, "inBtn_1"), QStringLiteral("Вход 1"));
        QCOMPARE(w->mStatusLabel->text(), QStringLiteral("Статус соединения: Нет связи"));
        QCOMPARE(WaitingWidget::boxWidth(), 450);
        QCOMPARE(WaitingWidget::boxHeight(), 100);
        QCOMPARE(text(w, "labelTitleName"), QStringLiteral("Halden"));

        // Spanish, serial port connected on COM3.
        auto *ports = w->mNetworkDialog->findChild<QComboBox *>(QStringLiteral("serialPortComboBox"));
        if (!ports) {
            ports = new QComboBox(w->mNetworkDialog);
            ports->setObjectName(QStringLiteral("serialPortComboBox"));
        }
        ports->addItem(QStringLiteral("COM3"));
        ports->setCurrentText(QStringLiteral("COM3"));
        g_pendingStatusCode = 14;
        clickButton(w, "pushButton_ES");
        QCOMPARE(g_languageIndex, 3);
        QCOMPARE(w->mStatusLabel->text(), QStringLiteral("Estado de conexión: COM3 Conectado"));
        QCOMPARE(text(w, "ptn_saveAll"), QStringLiteral("Guardar toda la configuración"));
        QCOMPARE(text(w, "openButton"), QStringLiteral("Cerrar el puerto serie"));
        QCOMPARE(text(w, "connect"), QStringLiteral("Conectar al servidor"));
        QCOMPARE(text(w, "groupBox"), QStringLiteral("Conexión serie"));
        QCOMPARE(WaitingWidget::boxWidth(), 450);
        QCOMPARE(custom->text(), QStringLiteral("Camera"));

        // Back to Chinese: the source texts again, whatever came before.
        clickButton(w, "pushButton_CH");
        QCOMPARE(g_languageIndex, 0);
        QCOMPARE(text(w, "groupBox"), QStringLiteral("串口连接"));
        QCOMPARE(text(w, "groupBox_4"), QStringLiteral("输入源(尝试拖动？)"));
        QCOMPARE(text(w, "inBtn_1"), QStringLiteral("输入 1"));
        QCOMPARE(text(w, "openButton"), QStringLiteral("关闭串口"));
        QCOMPARE(text(w, "connect"), QStringLiteral("已连接"));
        QCOMPARE(text(w, "ptn_saveAll"), QStringLiteral("保存所有配置"));
        QCOMPARE(w->mStatusLabel->text(), QStringLiteral("连接状态: COM3 已连接"));
        QCOMPARE(WaitingWidget::boxWidth(), 250);
        QCOMPARE(custom->text(), QStringLiteral("Camera"));
        QCOMPARE(formChild<QComboBox>(w, "currentChannelCBox")->currentIndex(), 2);
    }

    void unknownLanguageShowsTheSourceTexts()
    {
        if (networkSpacerWidth() < 0)
            QSKIP("the network dialog has no spacer between its action buttons");
        w->changeLanguage(1);
        QCOMPARE(text(w, "groupBox_2"), QStringLiteral("Wall Mode"));
        QCOMPARE(networkSpacerWidth(), 30);
        w->changeLanguage(0);
        QCOMPARE(networkSpacerWidth(), 40);
        w->changeLanguage(3);
        QCOMPARE(networkSpacerWidth(), 25);
        w->changeLanguage(1);
        w->changeLanguage(7);
        QCOMPARE(g_languageIndex, 7);
        QCOMPARE(text(w, "groupBox_2"), QStringLiteral("拼接模式"));
        QCOMPARE(WaitingWidget::boxWidth(), 250);
        w->changeLanguage(2);
        QCOMPARE(WaitingWidget::boxWidth(), 450);
        w->changeLanguage(-1);
        QCOMPARE(WaitingWidget::boxWidth(), 450);
        QCOMPARE(networkSpacerWidth(), 25);
        QCOMPARE(text(w, "groupBox_2"), QStringLiteral("拼接模式"));
    }

    void changeButtonStepsThroughTheLanguages()
    {
        auto *change = formChild<QPushButton>(titleBar(), "pushButtonChange");
        QVERIFY(change->isHidden());
        const int expected[] = {1, 2, 3, 0, 1};
        for (int next : expected) {
            change->click();
            QCOMPARE(g_languageIndex, next);
        }
        // The change button leaves the label to the translation.
        QCOMPARE(text(w, "labelTitleName"), QStringLiteral("Halden Control"));
        QCOMPARE(text(w, "pushButton_EN"), QStringLiteral("English"));
        QVERIFY(formChild<QWidget>(titleBar(), "pushButtonNormalMax")->isHidden());
        QVERIFY(formChild<QWidget>(titleBar(), "pushButton")->isHidden());
        QVERIFY(!formChild<QWidget>(titleBar(), "pushButtonMin")->isHidden());
    }

    void comboSwitchTouchesOnlyTheTexts()
    {
        ensureInputButtons();
        w->mInputSourceButtons.at(0)->setText(QStringLiteral("Mine"));
        w->mInputSourceButtons.at(0)->mDefaultCaption = 0;
        g_networkConnected = true;
        emit formChild<QComboBox>(w, "cbx_language")->activated(1);
        QCOMPARE(g_languageIndex, 1);
        QCOMPARE(text(w, "groupBox_2"), QStringLiteral("Wall Mode"));
        QCOMPARE(text(w, "inBtn_1"), QStringLiteral("IN 1"));
        QCOMPARE(text(w, "connect"), QStringLiteral("Connect to Server"));
        QCOMPARE(w->mStatusLabel->text(), QStringLiteral("连接状态: 未连接"));
        emit formChild<QComboBox>(w, "cbx_language")->activated(0);
        QCOMPARE(text(w, "ptn_saveAll"), QStringLiteral("保存所有配置"));
    }

    void closeButtonStoresTheLanguage()
    {
        // A spelling of the key from elsewhere does not survive next to "ID".
        {
            QSettings settings(LanguageFile::path(), QSettings::IniFormat);
            settings.setValue(QStringLiteral("id"), 1);
        }
        MainTitleBar *bar = titleBar();
        QCOMPARE(bar->moveWidget(), w);
        w->show();
        bar->mAbout->show();
        QPointer<MainWindow> window = w;
        w->changeLanguage(2);
        g_networkConnected = true;
        g_serialConnected = true;
        g_offlineMode = true;

        QTest::mouseClick(formChild<QPushButton>(bar, "pushButtonClose"), Qt::LeftButton);
        QCOMPARE(iniKeys(), QStringList({"ID"}));
        QSettings settings(LanguageFile::path(), QSettings::IniFormat);
        QCOMPARE(settings.value(QStringLiteral("ID")).toInt(), 2);
        QVERIFY(!g_networkConnected);
        QVERIFY(!g_serialConnected);
        QVERIFY(g_offlineMode);
        QVERIFY(!w->isVisible());
        QVERIFY(!bar->mAbout->isVisible());

        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
        w = nullptr;
        QCOMPARE(LanguageFile::read(), 2);
    }

    void closeAfterTheLoopEndedDestroysOnce()
    {
        delete w;
        w = nullptr;
        auto *object = new MainObject;
        object->startUp();
        QPointer<MainWindow> window = object->mMainWindow.data();
        auto *bar = window->findChild<MainTitleBar *>(QStringLiteral("widgetTitle"));
        QTest::mouseClick(formChild<QPushButton>(bar, "pushButtonClose"), Qt::LeftButton);
        QVERIFY(window);   // its deletion is only asked for
        delete object;
        QVERIFY(window.isNull());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(LanguageFile::read(), 0);
    }

    void titleBarDragsItsWindow()
    {
        QWidget top;
        top.resize(300, 100);
        top.move(200, 150);
        auto *bar = new TitleBar(&top);
        bar->setGeometry(0, 0, 300, 30);
        bar->setMoveWidget(&top);
        top.show();
        QVERIFY(QTest::qWaitForWindowExposed(&top));
        const QPoint start = top.pos();

        auto send = [bar](QEvent::Type type, QPoint local, Qt::MouseButton button, Qt::MouseButtons buttons) {
            QMouseEvent event(type, local, bar->mapToGlobal(local), button, buttons, Qt::NoModifier);
            QApplication::sendEvent(bar, &event);
        };
        // A right press records the offset but starts no drag.
        send(QEvent::MouseButtonPress, QPoint(100, 10), Qt::RightButton, Qt::RightButton);
        send(QEvent::MouseMove, QPoint(150, 10), Qt::NoButton, Qt::RightButton);
        QCOMPARE(top.pos(), start);
        send(QEvent::MouseButtonRelease, QPoint(150, 10), Qt::RightButton, Qt::NoButton);

        // A left drag keeps the grabbed point under the cursor.
        send(QEvent::MouseButtonPress, QPoint(100, 10), Qt::LeftButton, Qt::LeftButton);
        const QPoint grabbed = bar->mapToGlobal(QPoint(100, 10));
        QMouseEvent move(QEvent::MouseMove, QPoint(150, 10), grabbed + QPoint(50, 20), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &move);
        QCOMPARE(top.pos(), start + QPoint(50, 20));

        // Any release ends it.
        send(QEvent::MouseButtonRelease, QPoint(150, 10), Qt::RightButton, Qt::LeftButton);
        const QPoint after = top.pos();
        QMouseEvent later(QEvent::MouseMove, QPoint(150, 10), grabbed + QPoint(90, 90), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &later);
        QCOMPARE(top.pos(), after);

        // Without a move widget nothing moves and nothing breaks.
        bar->setMoveWidget(nullptr);
        send(QEvent::MouseButtonPress, QPoint(10, 10), Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseMove, QPoint(60, 10), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(top.pos(), after);
    }
};

QTEST_MAIN(TstShellLanguage)
#include "tst_shell_language.moc"
