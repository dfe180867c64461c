// The About windows, the tray icon and the three fixed message forms: their
// texts in each language and the web page each link opens (caught by a URL
// handler, so nothing is started).
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

namespace {
const QString kChinesePage = QStringLiteral("halden.example/cn");
const QString kOtherPage = QStringLiteral("halden.example/en");
const QString kChineseUrl = "http://" + kChinesePage;
const QString kOtherUrl = "http://" + kOtherPage;

QString labelText(QWidget *form, const char *name) { return form->findChild<QLabel *>(name)->text(); }
} // namespace

class TstCommonAbout : public QObject
{
    Q_OBJECT

    QStringList mPages;

public slots:
    void open(const QUrl &url) { mPages << url.toString(); }

private slots:
    void initTestCase() { QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open"); }
    void init() { mPages.clear(); }
    void cleanup()
    {
        g_languageIndex = 0;
        LanguageFile::installTranslation(-1);
    }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }

    // Title, version, name, link and website label; the second window reads
    // the same in every language.
    void aboutTextsFollowTheTitleBarsLanguage_data()
    {
        QTest::addColumn<int>("language");   // -1: no translation installed
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("none") << -1 << QStringList{"相关信息", "V1R1C00", "Halden控制", kChinesePage, "更多信息："};
        QTest::newRow("Chinese") << 0 << QStringList{"相关信息", "V1R1C10", "Halden控制", kChinesePage, "更多信息："};
        QTest::newRow("English") << 1 << QStringList{"Related Information", "V1R1C10", "Halden Control", kOtherPage, "Website :"};
        QTest::newRow("Russian") << 2 << QStringList{"Сведения о программе", "V1R1C10", "Управление Halden", kOtherPage, "Сайт:"};
        QTest::newRow("Spanish") << 3 << QStringList{"Información relacionada", "V1R1C10", "Control de Halden", kOtherPage, "Sitio web:"};
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
        QCOMPARE(mPages, QStringList({kChineseUrl, kOtherUrl, kOtherUrl, kOtherUrl, kOtherUrl}));
    }

    void trayOffersOneEntryThatOpensTheChinesePage()
    {
        LanguageFile::installTranslation(1);
        g_languageIndex = 1;
        SystemTray tray;
        QCOMPARE(tray.contextMenu()->actions().size(), 1);
        QAction *entry = tray.contextMenu()->actions().first();
        QCOMPARE(entry->text(), QStringLiteral("About Corvane "));
        entry->trigger();
        QCOMPARE(mPages, QStringList{kChineseUrl});
    }

    void fixedFormsTexts()
    {
        messagebox chinese;
        QCOMPARE(labelText(&chinese, "label"),
                 "当前串口号无法打开！请检查后重新打开！\n\n   1、USB串口松了\n\n   2、是否被其他的程序占用\n");
        messagerboxen english;
        QCOMPARE(labelText(&english, "label"),
                 "  The current serial number cannot be opened!\n  Please check and reopen! \n"
                 "  1.USB serial port loose \n  2.Whether it is occupied  by other programs\n");
        LanguageFile::installTranslation(3);
        error spanish;
        QCOMPARE(labelText(&spanish, "label_3"), "2.¿Otro programa está usando el puerto serie?");
    }
};

QTEST_MAIN(TstCommonAbout)
#include "tst_common_about.moc"
