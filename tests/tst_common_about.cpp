// The About windows, the tray icon and the three fixed message forms: their texts in each
// language and the web page each link opens (caught by a URL handler, so nothing is started).
#include <QtTest>
#include <QDesktopServices>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "globals.h"
#include "maincontent/about.h"
#include "maincontent/cabout.h"
#include "maincontent/controlwidget/bannacontrol/messagerboxen.h"
#include "maincontent/error.h"
#include "maincontent/messagebox.h"
#include "screen/languagefile.h"
#include "systemtray/systemtray.h"
#include "titlebar/maintitlebar.h"

static const QString kCn = QStringLiteral("halden.example/cn"), kEn = QStringLiteral("halden.example/en");
static QString labelText(QWidget *form, const char *name) { return form->findChild<QLabel *>(name)->text(); }

class TstCommonAbout : public QObject
{
    Q_OBJECT
    QStringList mPages;

public slots:
    void open(const QUrl &url) { mPages << url.toString().remove(QStringLiteral("http://")); }

private slots:
    void initTestCase() { QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open"); }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }
    void init() { mPages.clear(); }
    void cleanup() { g_languageIndex = 0; LanguageFile::installTranslation(-1); }

    // Title, version, name, link and website label; the second window reads the same in every language.
    void aboutTextsFollowTheTitleBarsLanguage_data()
    {
        QTest::addColumn<int>("language");   // -1: no translation installed
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("none") << -1 << QStringList{"相关信息", "V1R1C00", "Halden控制", kCn, "更多信息："};
        QTest::newRow("Chinese") << 0 << QStringList{"相关信息", "V1R1C10", "Halden控制", kCn, "更多信息："};
        QTest::newRow("English") << 1 << QStringList{"Related Information", "V1R1C10", "Halden Control", kEn, "Website :"};
        QTest::newRow("Russian") << 2 << QStringList{"Сведения о программе", "V1R1C10", "Управление Halden", kEn, "Сайт:"};
        QTest::newRow("Spanish") << 3 << QStringList{"Información relacionada", "V1R1C10", "Control de Halden", kEn, "Sitio web:"};
    }
    void aboutTextsFollowTheTitleBarsLanguage()
    {
        QFETCH(int, language);
        MainTitleBar bar;
        LanguageFile::installTranslation(language);
        bar.retranslateTexts();
        About *about = bar.mAbout;
        QVERIFY(about && !about->isVisible());
        QTEST(QStringList({about->windowTitle(), labelText(about, "label_6"), labelText(about, "label_7"),
                           about->findChild<QPushButton *>("pushButton")->text(), labelText(about, "label_4")}),
              "texts");
        QCOMPARE(labelText(bar.mCabout, "label_2"), QStringLiteral("Version  : V1R1C00"));
    }

    // About's link, then Cabout's: Chinese, English, then a language unknown to Cabout.
    void linksOpenThePageOfTheLanguage()
    {
        for (int language : {0, 1, 4}) {
            g_languageIndex = language;
            About about;
            Cabout cabout;
            about.findChild<QPushButton *>("pushButton")->click();
            cabout.findChild<QPushButton *>("pushButton_2")->click();
        }
        QCOMPARE(mPages, QStringList({kCn, kEn, kEn, kEn, kEn}));
    }

    void trayOffersOneEntryThatOpensTheChinesePage()
    {
        LanguageFile::installTranslation(1);
        g_languageIndex = 1;
        SystemTray tray;
        const QList<QAction *> entries = tray.contextMenu()->actions();
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries.first()->text(), QStringLiteral("About Corvane "));
        entries.first()->trigger();
        QCOMPARE(mPages, QStringList{kCn});
    }

    void fixedFormsTexts()
    {
        messagebox chinese;
        messagerboxen english;
        QCOMPARE(labelText(&chinese, "label"),
                 "当前串口号无法打开！请检查后重新打开！\n\n   1、USB串口松了\n\n   2、是否被其他的程序占用\n");
        QCOMPARE(labelText(&english, "label"), "  The current serial number cannot be opened!\n  Please check and reopen! \n"
                                               "  1.USB serial port loose \n  2.Whether it is occupied  by other programs\n");
        LanguageFile::installTranslation(3);
        error spanish;
        QCOMPARE(labelText(&spanish, "label_3"), "2.¿Otro programa está usando el puerto serie?");
    }
};

QTEST_MAIN(TstCommonAbout)
#include "tst_common_about.moc"
