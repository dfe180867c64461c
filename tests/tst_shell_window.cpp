// The constructed main window: its form, the state the constructor leaves,
// the status line, the zoom toolbar, the preset keys and the limit check.
#include <QtTest>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTextEdit>
#include <QTimer>
#include <QToolBox>
#include <QValidator>

#include "dialoganswerer.h"
#include "globals.h"
#include "Graphics/inputchannel.h"
#include "Graphics/inputsourcebutton.h"
#include "Graphics/resolutionratioscene.h"
#include "Graphics/userview.h"
#include "maincontent/myslider.h"
#include "mainwindow.h"
#include "windowfixture.h"
#include "maincontent/about.h"
#include "maincontent/cabout.h"
#include "networkdialog.h"
#include "networkhelp.h"
#include "titlebar/maintitlebar.h"

namespace {

template<class T>
T *child(QObject *window, const char *name)
{
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qWarning("no %s named %s", T::staticMetaObject.className(), name);
    return found;
}

QString text(QObject *window, const char *name)
{
    if (auto *label = window->findChild<QLabel *>(QString::fromLatin1(name)))
        return label->text();
    if (auto *button = window->findChild<QAbstractButton *>(QString::fromLatin1(name)))
        return button->text();
    if (auto *box = window->findChild<QGroupBox *>(QString::fromLatin1(name)))
        return box->title();
    return QStringLiteral("<missing %1>").arg(QLatin1String(name));
}

// Every named object of the form, by class, as the form tables list them.
struct FormClass {
    const char *className;
    int count;
    const char *names;
};

const FormClass kForm[] = {
    {"QWidget", 14, "centralWidget layoutWidget widget_4 widget widget_3 widget_2 widget_7 widget_5 widget_6 "
                    "page1 page2 page3 page4 page5"},
    {"MainTitleBar", 1, "widgetTitle"},
    {"InputSourceButton", 4, "inBtn_3 inBtn_4 inBtn_2 inBtn_1"},
    {"ControlTreeWidget", 1, "widgetTree"},
    {"UserView", 1, "graphicsView"},
    {"SliceUpView", 1, "sliceUpView"},
    {"QGroupBox", 11, "groupBox groupBox_2 groupBox_3 groupBox_4 groupBox_11 groupBox_10 groupBox_8 groupBox_7 "
                      "groupBox_6 groupBox_5 groupBox_9"},
    {"QComboBox", 7, "serialPortComboBox rowCbx columnCbx cbx_language outputModeComBox currentChannelCBox "
                     "cbx_windowLevel"},
    {"QPushButton", 32, "comboBoxSerialPort openButton selectSceneBtn comboBoxSerialPort_2 connect DHCPoff DHCPon "
                        "NetConnectBtn testButton pushButtonReset103 MyMessageButton ptn_saveAll presetApplyButton "
                        "presetSaveButton presetPreButton presetNextButton btn_page2Reset ptn_FreezeAllWindow "
                        "btn_openColorPalette ptn_singleScreenModel ptn_twoDivisionModel_OBOS "
                        "ptn_twoScreenModel_leftRight ptn_twoDivisionModel_upDown ptn_fourDivisionModel "
                        "ptn_fourDivisionModel_OBTS ptn_openWindowModel ptn_overlayModel ptn_levelMode ptn_offLine "
                        "ptn_refresh pushButton ptn_factoryDataReset"},
    {"QLabel", 58, "label label_6 label_7 label_5 label_2 label_3 label_42 label_43 label_logo label_41 label_11 "
                   "label_17 label_10 label_14 label_16 label_15 label_13 label_9 label_44 label_45 label_46 label_47 "
                   "label_48 label_49 label_sliceImage label_52 label_53 label_4 label_8 label_12 label_18 label_19 "
                   "label_20 label_21 label_28 label_29 label_30 label_31 label_34 label_33 label_32 label_22 "
                   "label_23 label_24 label_25 label_26 label_27 label_37 label_40 label_38 label_39 label_35 "
                   "label_36 label_50 label_51 label_55 label_54 label_56"},
    {"QTextEdit", 2, "IP port"},
    {"QToolBox", 1, "rightTBox"},
    {"QLineEdit", 35, "ldt_PosX ldt_PosY ldt_Width ldt_Heigh ldt_HorizontalStartLocation ldt_VerticalStartLocation "
                      "ldt_HorizontalEndLocation ldt_VerticalEndLocation ldt_luminance ldt_contrastRatio "
                      "ldt_saturability ldt_colorTemperature ldt_hue ldt_horizontalSharpness ldt_verticalSharpness "
                      "ldt_colorR ldt_colorG ldt_colorB ldt_blueCorrection ldt_greenCorrection ldt_skinCorrection "
                      "ldt_horizontalFiltration ldt_verticalFiltration ldt_shadowFiltration ldt_blockFiltration "
                      "ldt_noiseProcessing ldt_hairTreatment ldt_DeGrammaMode ldt_PanelGammaMode ldt_sensitivity "
                      "ldt_diagonalCorrection ldt_2p2Timer ldt_2p3Timer lineEdit_speed lineEdit_speed_2"},
    {"QSlider", 22, "hSdr_luminance hSdr_contrastRatio hSdr_saturability hSdr_colorTemperature hSdr_hue "
                    "hSdr_horizontalSharpness hSdr_verticalSharpness hSdr_blueCorrection hSdr_greenConrrection "
                    "hSdr_skinCorrection hSdr_horizontalFiltration hSdr_verticalFiltration hSdr_shadowFiltration "
                    "hSdr_blockFiltration hSdr_noiseProcessing hSdr_hairTreatment hSdr_DeGrammaMode "
                    "hSdr_PanelGammaMode hSdr_sensitivity hSdr_diagonalCorrection hSdr_2p2Timer hSdr_2p3Timer"},
    {"QCheckBox", 12, "ckx_showWindow ckx_enableAudio ckx_freezeWindow ckx_freezeAllWindows ckx_solidColor "
                      "ckx_horizontalMirrored ckx_vericalMirrored checkBox cbx_deinterlace cbx_24PSFMode "
                      "ckx_2p2PullDown ckx_2p3PullDown"},
    {"QStatusBar", 1, "statusBar"},
    {"QHBoxLayout", 5, "horizontalLayout_5 horizontalLayout_3 horizontalLayout_4 horizontalLayout horizontalLayout_2"},
    {"QVBoxLayout", 5, "verticalLayout_5 verticalLayout_2 verticalLayout_3 verticalLayout_4 verticalLayout"},
    {"QGridLayout", 1, "gridLayout"},
    {"QFormLayout", 2, "formLayout_2 formLayout"},
};

} // namespace

class TstShellWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WindowFixture> mFixture;
    MainWindow *w = nullptr;

    ResolutionRatioScene *currentScene()
    {
        UserView *view = child<UserView>(w, "graphicsView");
        if (view->mScenes.size() <= w->mCurrentSceneIndex)
            view->mScenes.append(new ResolutionRatioScene(QRectF(0, 0, 1920, 1080), view));
        return view->mScenes.at(w->mCurrentSceneIndex);
    }

    void typeLimits(int x, int y, int width, int height)
    {
        child<QLineEdit>(w, "ldt_PosX")->setText(QString::number(x));
        child<QLineEdit>(w, "ldt_PosY")->setText(QString::number(y));
        child<QLineEdit>(w, "ldt_Width")->setText(QString::number(width));
        child<QLineEdit>(w, "ldt_Heigh")->setText(QString::number(height));
    }

private slots:
    void init()
    {
        mFixture.reset(new WindowFixture);
        w = mFixture->mw;
    }

    void cleanup()
    {
        mFixture.reset();
        w = nullptr;
    }

    // What the window makes without a parent (the wall's canvases, the help
    // page, the About windows) goes with it.
    void closingTheWindowFreesWhatItMade()
    {
        QList<QPointer<QObject>> made;
        for (ResolutionRatioScene *scene : child<UserView>(w, "graphicsView")->mScenes)
            made << scene;
        made << w->mNetworkDialog->mHelp;
        auto *bar = child<MainTitleBar>(w, "widgetTitle");
        made << bar->mAbout << bar->mCabout;
        QCOMPARE(made.size(), 7);
        for (const QPointer<QObject> &object : made)
            QVERIFY(object && !object->parent());

        delete w;
        w = nullptr;
        for (const QPointer<QObject> &object : made)
            QVERIFY(!object);
    }

    void formHoldsEveryObjectUnderItsClass()
    {
        QCOMPARE(QString::fromLatin1(w->metaObject()->className()), QStringLiteral("MainWindow"));
        QCOMPARE(w->objectName(), QStringLiteral("MainWindow"));
        int total = 1;   // the window itself
        for (const FormClass &entry : kForm) {
            const QStringList names = QString::fromLatin1(entry.names).split(QLatin1Char(' '));
            QCOMPARE(names.size(), entry.count);
            total += entry.count;
            for (const QString &name : names) {
                QObject *object = w->findChild<QObject *>(name);
                QVERIFY2(object, qPrintable(name));
                QCOMPARE(QString::fromLatin1(object->metaObject()->className()), QString::fromLatin1(entry.className));
            }
        }
        QCOMPARE(total + 14, 230 + 1);   // plus the 14 spacers, minus the window

        // Where the form puts things.
        QCOMPARE(w->size(), QSize(1260, 756));
        QCOMPARE(w->minimumSize(), QSize(1260, 635));
        QCOMPARE(w->maximumSize(), QSize(1260, QWIDGETSIZE_MAX));
        QWidget *title = child<QWidget>(w, "widgetTitle");
        QCOMPARE(title->geometry(), QRect(0, 0, 1260, 30));
        QCOMPARE(title->minimumSize(), QSize(1260, 30));
        QCOMPARE(title->maximumSize(), QSize(1260, 30));
        QCOMPARE(child<QWidget>(w, "layoutWidget")->geometry(), QRect(1, 32, 1261, 701));
        const QRect homes[] = {QRect(30, 175, 75, 25), QRect(110, 175, 75, 25), QRect(30, 210, 75, 25),
                               QRect(110, 210, 75, 25)};
        for (int i = 0; i < 4; ++i) {
            const QByteArray name = "inBtn_" + QByteArray::number(i + 1);
            auto *button = child<QPushButton>(w, name.constData());
            QCOMPARE(button->parentWidget(), child<QWidget>(w, "centralWidget"));
            QCOMPARE(button->geometry(), homes[i]);
            QCOMPARE(button->text(), QStringLiteral("输入 %1").arg(i + 1));
        }
        QWidget *tree = child<QWidget>(w, "widgetTree");
        QCOMPARE(tree->minimumWidth(), 210);
        QCOMPARE(tree->maximumWidth(), 160);
        QCOMPARE(child<QWidget>(w, "groupBox")->geometry(), QRect(10, 424, 201, 121));
        QCOMPARE(child<QWidget>(w, "groupBox_2")->geometry(), QRect(10, 5, 191, 106));
        QCOMPARE(child<QWidget>(w, "groupBox_3")->geometry(), QRect(10, 219, 191, 91));
        QCOMPARE(child<QWidget>(w, "groupBox_4")->geometry(), QRect(10, 115, 191, 100));
        QCOMPARE(child<QWidget>(w, "groupBox_11")->geometry(), QRect(10, 310, 191, 51));
        QCOMPARE(child<QWidget>(w, "NetConnectBtn")->geometry(), QRect(10, 30, 171, 41));
        QCOMPARE(child<QWidget>(w, "sliceUpView")->geometry(), QRect(0, 260, 201, 201));
        QCOMPARE(child<QWidget>(w, "label_sliceImage")->geometry(), QRect(10, 310, 21, 20));
        QCOMPARE(child<QWidget>(w, "presetNextButton")->geometry(), QRect(700, 160, 111, 23));
        QCOMPARE(child<QWidget>(w, "ptn_factoryDataReset")->geometry(), QRect(20, 410, 161, 21));
        QCOMPARE(child<QWidget>(w, "lineEdit_speed_2")->geometry(), QRect(130, 480, 41, 16));
        QCOMPARE(child<QWidget>(w, "widget_5")->minimumWidth(), 210);
        QCOMPARE(child<QWidget>(w, "widget_5")->maximumWidth(), 210);

        // Ranges, page steps and start states.
        struct Range { const char *name; int min, max, pageStep; };
        const Range ranges[] = {
            {"hSdr_luminance", -1024, 1024, 0}, {"hSdr_contrastRatio", 0, 399, 0}, {"hSdr_saturability", 0, 399, 0},
            {"hSdr_colorTemperature", 0, 1, 0}, {"hSdr_hue", -180, 180, 0}, {"hSdr_horizontalSharpness", -10, 10, 0},
            {"hSdr_verticalSharpness", -10, 10, 0}, {"hSdr_blueCorrection", 0, 4, 0},
            {"hSdr_greenConrrection", 0, 4, 10}, {"hSdr_DeGrammaMode", 0, 3, 10}, {"hSdr_sensitivity", 0, 4, 10},
            {"hSdr_diagonalCorrection", 0, 3, 10}, {"hSdr_2p3Timer", 0, 15, 10},
        };
        for (const Range &r : ranges) {
            auto *slider = child<QSlider>(w, r.name);
            QCOMPARE(slider->orientation(), Qt::Horizontal);
            QCOMPARE(slider->minimum(), r.min);
            QCOMPARE(slider->maximum(), r.max);
            QCOMPARE(slider->pageStep(), r.pageStep);
        }
        for (const char *name : {"hSdr_2p2Timer", "hSdr_2p3Timer", "ldt_2p2Timer", "ldt_2p3Timer", "btn_openColorPalette"})
            QVERIFY2(!child<QWidget>(w, name)->isEnabled(), name);
        QCOMPARE(text(w, "btn_openColorPalette"), QStringLiteral("调\n色\n板"));
        QCOMPARE(child<QToolBox>(w, "rightTBox")->currentIndex(), 0);
        QCOMPARE(child<QToolBox>(w, "rightTBox")->itemText(4), QStringLiteral("开发者功能"));
        QCOMPARE(child<QCheckBox>(w, "ckx_2p2PullDown")->font().pointSize(), 8);
        QCOMPARE(child<QWidget>(w, "rowCbx")->font().family(), QStringLiteral("微软雅黑"));

        auto items = [this](const char *name) {
            QStringList out;
            auto *combo = child<QComboBox>(w, name);
            for (int i = 0; i < combo->count(); ++i)
                out << combo->itemText(i);
            return out;
        };
        QCOMPARE(items("cbx_language"), QStringList({"中文", "English", "русский", "Spain"}));
        QCOMPARE(items("outputModeComBox"), QStringList({"1080P", "1200P", "1400 x 1050", "1280 x 960"}));
        QCOMPARE(items("currentChannelCBox"), QStringList({"窗口1", "窗口2", "窗口3", "窗口4"}));
        QCOMPARE(items("cbx_windowLevel"), QStringList({"1", "2", "3", "4"}));
    }

    void constructorHidesAndPresets()
    {
        for (const char *name : {"port", "IP", "label_2", "label_3", "label_sliceImage", "groupBox", "label_43",
                                 "cbx_language", "pushButtonReset103", "testButton", "MyMessageButton", "checkBox"})
            QVERIFY2(child<QWidget>(w, name)->isHidden(), name);
        for (const char *name : {"groupBox_2", "groupBox_3", "groupBox_4", "groupBox_11", "ptn_saveAll", "NetConnectBtn"})
            QVERIFY2(!child<QWidget>(w, name)->isHidden(), name);

        auto *outputList = qobject_cast<QListView *>(child<QComboBox>(w, "outputModeComBox")->view());
        QVERIFY(outputList);
        QVERIFY(!outputList->isRowHidden(0));
        QVERIFY(!outputList->isRowHidden(1));
        QVERIFY(outputList->isRowHidden(2));
        QVERIFY(outputList->isRowHidden(3));

        QVERIFY(child<QWidget>(w, "DHCPon")->isEnabled());
        QVERIFY(!child<QWidget>(w, "DHCPoff")->isEnabled());
        QVERIFY(!child<QLabel>(w, "label_7")->pixmap(Qt::ReturnByValue).isNull());

        QCOMPARE(g_outputMode, 0);
        QCOMPARE(w->mCurrentSceneIndex, 0);
        QCOMPARE(w->mSelectedPreset, -1);
        QCOMPARE(w->mInitialChannelIndex, 0);
        QVERIFY(w->mSendPackets && w->mSendTexts);
        QCOMPARE(w->mSendPackets->size(), w->mSendTexts->size());
        QVERIFY(w->mSliderTimer && w->mSliderTimer->parent() == w);
        QVERIFY(w->mQueryTimer && !w->mQueryTimer->isActive());
        QVERIFY(w->mSendTimer->isActive());
        QCOMPARE(w->mSendTimer->interval(), 250);
        QVERIFY(w->mStatusTimer->isActive());
        QCOMPARE(w->mStatusTimer->interval(), 100);

        // The row and column combos list 1 to 18.
        QStringList numbers;
        for (int n = 1; n <= 18; ++n)
            numbers << QString::number(n);
        for (const char *name : {"rowCbx", "columnCbx"}) {
            auto *combo = child<QComboBox>(w, name);
            QStringList entries;
            for (int i = 0; i < combo->count(); ++i)
                entries << combo->itemText(i);
            QCOMPARE(entries, numbers);
            QCOMPARE(combo->currentIndex(), 0);
        }

        // The send intervals: 55 and 110, digits only.
        for (const char *name : {"lineEdit_speed", "lineEdit_speed_2"}) {
            auto *edit = child<QLineEdit>(w, name);
            QVERIFY(edit->validator());
            QString value = QStringLiteral("12a");
            int pos = 0;
            QCOMPARE(edit->validator()->validate(value, pos), QValidator::Invalid);
            value = QStringLiteral("120");
            QCOMPARE(edit->validator()->validate(value, pos), QValidator::Acceptable);
        }
        QCOMPARE(child<QLineEdit>(w, "lineEdit_speed")->text(), QStringLiteral("55"));
        auto *serialInterval = child<QLineEdit>(w, "lineEdit_speed_2");
        QCOMPARE(serialInterval->text(), QStringLiteral("110"));
        serialInterval->clear();
        QTest::keyClicks(serialInterval, QStringLiteral("9x-8 7"));
        QCOMPARE(serialInterval->text(), QStringLiteral("987"));

        // Title and status line.
        QCOMPARE(child<QLabel>(w, "labelTitleName")->text(), QStringLiteral("Halden"));
        QCOMPARE(w->mStatusLabel->text(), QStringLiteral("连接状态: 未连接"));
        QCOMPARE(w->mVersionLabel->text(), QStringLiteral("V2.4.3.15"));
        auto *bar = child<QStatusBar>(w, "statusBar");
        QCOMPARE(w->mStatusLabel->parentWidget(), bar);
        QCOMPARE(w->mVersionLabel->parentWidget(), bar);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QVERIFY(w->mVersionLabel->geometry().left() > w->mStatusLabel->geometry().right());
        QVERIFY(w->mVersionLabel->geometry().right() > bar->width() - 40);
    }

    void statusCodesBecomeLines()
    {
        g_languageIndex = 2;
        g_pendingStatusCode = 9;
        g_statusMessagePending = true;
        QTRY_COMPARE_WITH_TIMEOUT(w->mStatusLabel->text(), QStringLiteral("Статус соединения: Статус «Не в сети»"), 5000);
        QVERIFY(!g_statusMessagePending);

        // Codes that name no line clear the flag and leave the line as it was.
        for (int code : {12, -1, -100, 17, 99}) {
            g_pendingStatusCode = code;
            g_statusMessagePending = true;
            QTRY_VERIFY_WITH_TIMEOUT(!g_statusMessagePending, 5000);
            QCOMPARE(w->mStatusLabel->text(), QStringLiteral("Статус соединения: Статус «Не в сети»"));
        }

        // Only the latest of two posts counts.
        g_languageIndex = 0;
        g_pendingStatusCode = 1;
        g_statusMessagePending = true;
        g_pendingStatusCode = 2;
        QTRY_COMPARE_WITH_TIMEOUT(w->mStatusLabel->text(), QStringLiteral("连接状态: 已连接"), 5000);

        // An index outside the table reads the Chinese column.
        g_languageIndex = 7;
        QCOMPARE(w->statusLine(8), QStringLiteral("连接状态: 正在连接..."));
        g_languageIndex = 3;
        QCOMPARE(w->statusLine(8), QStringLiteral("Estado de conexión: Conectando…"));
        QCOMPARE(w->statusLine(4), QStringLiteral("Estado de conexión: Open Successfully"));
        QVERIFY(w->statusLine(10).isNull());
        QVERIFY(w->statusLine(13).isNull());
        QCOMPARE(w->statusLine(0), QStringLiteral("Estado de conexión: Estado de conexión: "));
    }

    void zoomScaleFollowsTheCurve_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<float>("scale");
        QTest::newRow("0") << 0 << 0.02f;
        QTest::newRow("1") << 1 << 0.0201505f;
        QTest::newRow("10") << 10 << 0.022812f;
        QTest::newRow("40") << 40 << 0.1047744f;
        QTest::newRow("50") << 50 << 0.18058f;
        QTest::newRow("100") << 100 << 1.24692f;
    }

    void zoomScaleFollowsTheCurve()
    {
        QFETCH(int, value);
        QFETCH(float, scale);
        QCOMPARE(MainWindow::zoomScale(value), scale);
    }

    void zoomToolbarStepsAndFollowsTheWall()
    {
        // Appended after the twelve spacers, in order. (The title bar has a
        // layout of the same name.)
        QLayout *row = nullptr;
        for (QHBoxLayout *layout : w->findChildren<QHBoxLayout *>(QStringLiteral("horizontalLayout")))
            if (layout->indexOf(w->mZoomSlider) >= 0)
                row = layout;
        QVERIFY(row);
        QCOMPARE(row->parentWidget(), child<QWidget>(w, "layoutWidget"));
        QCOMPARE(row->count(), 18);
        for (int i = 0; i < 12; ++i)
            QVERIFY(row->itemAt(i)->spacerItem());
        const QList<QWidget *> tools = {w->mSelectModeButton, w->mZoomModeButton, w->mFullScreenButton,
                                        w->mZoomOutButton, w->mZoomSlider, w->mZoomInButton};
        for (int i = 0; i < tools.size(); ++i)
            QCOMPARE(row->itemAt(12 + i)->widget(), tools.at(i));
        QCOMPARE(w->mZoomSlider->size(), QSize(125, 30));
        QCOMPARE(w->mZoomInButton->iconSize(), QSize(21, 21));
        QVERIFY(w->mZoomInButton->text().isEmpty());
        QVERIFY(w->mSelectModeButton->styleSheet().contains(QLatin1String("#889bb1")));
        QVERIFY(w->mZoomModeButton->styleSheet().isEmpty());

        UserView *view = child<UserView>(w, "graphicsView");
        // The status tick carries the wall's zoom value to the slider and view.
        g_zoomStep = 50;
        QTRY_COMPARE_WITH_TIMEOUT(w->mZoomSlider->value(), 50, 5000);
        QCOMPARE(float(view->transform().m11()), 0.18058f);
        QCOMPARE(float(view->transform().m22()), 0.18058f);

        w->mStatusTimer->stop();   // the buttons alone from here on
        w->mZoomSlider->setValue(99);
        QTest::mouseClick(w->mZoomInButton, Qt::LeftButton);
        QCOMPARE(w->mZoomSlider->value(), 100);
        QTest::mouseClick(w->mZoomInButton, Qt::LeftButton);
        QCOMPARE(w->mZoomSlider->value(), 100);
        QCOMPARE(g_zoomStep, 100);
        QCOMPARE(float(view->transform().m11()), 1.24692f);
        w->mZoomSlider->setValue(1);
        QTest::mouseClick(w->mZoomOutButton, Qt::LeftButton);
        QTest::mouseClick(w->mZoomOutButton, Qt::LeftButton);
        QCOMPARE(w->mZoomSlider->value(), 0);
        QCOMPARE(g_zoomStep, 0);

        QTest::mouseClick(w->mZoomModeButton, Qt::LeftButton);
        QCOMPARE(g_viewMode, 0);
        QVERIFY(w->mZoomModeButton->styleSheet().contains(QLatin1String("#889bb1")));
        QVERIFY(w->mSelectModeButton->styleSheet().contains(QLatin1String("#bdd0e8")));
        QTest::mouseClick(w->mSelectModeButton, Qt::LeftButton);
        QCOMPARE(g_viewMode, 1);
        QVERIFY(w->mSelectModeButton->styleSheet().contains(QLatin1String("#889bb1")));
        QVERIFY(w->mZoomModeButton->styleSheet().contains(QLatin1String("#bdd0e8")));
    }

    void shiftedDigitsRecallPresets()
    {
        DialogAnswerer answerer;   // every preview is empty: each recall warns
        const QString keys = QStringLiteral("!@#$%^&*()");
        for (int i = 0; i < keys.size(); ++i) {
            QTest::keyClick(w, keys.at(i).toLatin1());
            QCOMPARE(w->mPresetKeyCount, i + 1);
            QCOMPARE(w->mLastPresetKey, i);
        }
        QCOMPARE(answerer.seen.size(), keys.size());
        // Return, Enter, plain digits and letters recall nothing.
        QTest::keyClick(w, Qt::Key_Return);
        QTest::keyClick(w, Qt::Key_Enter);
        QTest::keyClick(w, '3');
        QTest::keyClick(w, 'a');
        QCOMPARE(w->mPresetKeyCount, keys.size());
    }

    void limitCheckPassesOrRefuses()
    {
        ResolutionRatioScene *scene = currentScene();
        InputChannel *channel = scene->mChannels.at(0);
        channel->setPos(120, 80);
        channel->setRect(QRectF(0, 0, 640, 360));
        auto *rows = child<QComboBox>(w, "rowCbx");
        auto *columns = child<QComboBox>(w, "columnCbx");
        DialogAnswerer answerer;

        // One row: the single screen in the output mode's size.
        scene->setSceneRect(0, 0, 1920, 1080);
        rows->setCurrentIndex(0);
        columns->setCurrentIndex(3);
        typeLimits(0, 0, 1920, 1080);
        QVERIFY(w->checkResolutionLimit());
        typeLimits(1000, 0, 1000, 100);
        QVERIFY(!w->checkResolutionLimit());
        QCOMPARE(answerer.titles(), QStringList({"错误"}));
        QCOMPARE(answerer.texts(), QStringList({"超出1920X1080分辨率"}));
        // The window's present values are back in the edits, as the panel
        // shows them (half the canvas pixels on one row of screens).
        QCOMPARE(child<QLineEdit>(w, "ldt_PosX")->text(), QStringLiteral("60"));
        QCOMPARE(child<QLineEdit>(w, "ldt_PosY")->text(), QStringLiteral("40"));
        QCOMPARE(child<QLineEdit>(w, "ldt_Width")->text(), QStringLiteral("320"));
        QCOMPARE(child<QLineEdit>(w, "ldt_Heigh")->text(), QStringLiteral("180"));

        g_outputMode = 1;
        typeLimits(0, 100, 100, 1000);
        QVERIFY(!w->checkResolutionLimit());
        QCOMPARE(answerer.texts().last(), QStringLiteral("超出1920X1200分辨率"));

        // Several screens: the canvas scaled by half the column count.
        scene->setSceneRect(0, 0, 3840, 2160);
        rows->setCurrentIndex(1);
        columns->setCurrentIndex(1);
        g_outputMode = 0;
        typeLimits(3000, 0, 840, 2160);
        QVERIFY(w->checkResolutionLimit());
        typeLimits(3000, 0, 841, 10);
        QVERIFY(!w->checkResolutionLimit());
        QCOMPARE(answerer.texts().last(), QStringLiteral("超出3840X2160分辨率"));
        columns->setCurrentIndex(2);
        typeLimits(5000, 3000, 760, 240);
        QVERIFY(w->checkResolutionLimit());
        g_outputMode = 1;
        columns->setCurrentIndex(1);
        typeLimits(0, 0, 3841, 10);
        QVERIFY(!w->checkResolutionLimit());
        QCOMPARE(answerer.texts().last(), QStringLiteral("超出3840X2400分辨率"));

        // Other output modes are not checked; text that is no number counts as 0.
        g_outputMode = 2;
        typeLimits(99999, 99999, 99999, 99999);
        QVERIFY(w->checkResolutionLimit());
        g_outputMode = 0;
        typeLimits(0, 0, 3840, 2160);
        child<QLineEdit>(w, "ldt_PosX")->setText(QStringLiteral("abc"));
        QVERIFY(w->checkResolutionLimit());
        QCOMPARE(answerer.seen.size(), 4);
    }

    void newSourceResetsTheCrop()
    {
        ResolutionRatioScene *scene = currentScene();
        InputChannel *channel = scene->mChannels.at(2);
        channel->mCropHStart = 10;
        channel->mCropVStart = 20;
        QVERIFY(w->mInputSourceButtons.size() >= 2 || w->mInputSourceButtons.isEmpty());
        if (w->mInputSourceButtons.isEmpty()) {
            // Until the input table is set up, an unknown source changes nothing.
            w->onChangeInputSourceInfo(2, 1);
            QCOMPARE(channel->mCropHStart, 10);
            return;
        }
        const int queued = w->mSendTexts->size();
        w->mInputSourceButtons.at(1)->mSourceWidth = 1280;
        w->mInputSourceButtons.at(1)->mSourceHeight = 720;
        emit child<UserView>(w, "graphicsView")->changeInputSourceInfo(2, 1);
        QCOMPARE(channel->mCropHStart, 0);
        QCOMPARE(channel->mCropVStart, 0);
        QCOMPARE(channel->mCropHEnd, 1280);
        QCOMPARE(channel->mCropVEnd, 720);
        QCOMPARE(w->mSendTexts->size(), queued);
    }

    void sliderJumpsToTheClickedPlace()
    {
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        auto *slider = child<QSlider>(w, "hSdr_hue");   // -180..180
        child<QToolBox>(w, "rightTBox")->setCurrentIndex(1);
        slider->resize(101, 20);
        const QPoint left = slider->mapToGlobal(QPoint(0, 0));
        QCursor::setPos(left + QPoint(25, 5));
        if (QCursor::pos() != left + QPoint(25, 5))
            QSKIP("the platform does not move the cursor");
        w->sliderCursorLambda(slider);
        // -180 + trunc(25 * 360 / 101 + 0.5) = -180 + 89
        QCOMPARE(slider->value(), -91);
    }

    void keysStepASliderWhereverThePointerIs()
    {
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        child<QToolBox>(w, "rightTBox")->setCurrentIndex(1);
        auto *slider = child<QSlider>(w, "hSdr_hue");   // -180..180
        w->enableControls();
        QVERIFY(slider->isEnabled());
        slider->setValue(10);
        slider->setFocus();
        // Far left of the slider: a jump would land on the minimum.
        QCursor::setPos(slider->mapToGlobal(QPoint(-500, 5)));
        QTest::keyClick(slider, Qt::Key_Right);
        QCOMPARE(slider->value(), 11);
        QTest::keyClick(slider, Qt::Key_Left);
        QTest::keyClick(slider, Qt::Key_Left);
        QCOMPARE(slider->value(), 9);
    }

    void throttleTimeoutClearsThePendingFlag()
    {
        w->mSliderPending = true;
        w->mSliderTimer->start(1);
        QTRY_VERIFY_WITH_TIMEOUT(!w->mSliderPending, 5000);
        QVERIFY(!w->mSliderTimer->isActive());
    }
};

QTEST_MAIN(TstShellWindow)
#include "tst_shell_window.moc"
