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
// The link captions, and the pages they open.
const QString kChinesePage = QStringLiteral("halden.example/cn");
const QString kInternationalPage = QStringLiteral("halden.example/en");
const QString kChineseUrl = QStringLiteral("http://halden.example/cn");
const QString kInternationalUrl = QStringLiteral("http://halden.example/en");

QString labelText(QWidget *form, const char *name)
{
    auto *label = form->findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

void clickLink(QWidget *form, const char *name)
{
    form->findChild<QPushButton *>(QLatin1String(name))->click();
}
} // namespace

class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QStringList pages;
public slots:
    void open(const QUrl &url) { pages << url.toString(); }
};

class TstCommonAbout : public QObject
{
    Q_OBJECT

    UrlCatcher mCatcher;

private slots:
    void initTestCase()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &mCatcher, "open");
    }

    void init() { mCatcher.pages.clear(); }

    void cleanup()
    {
        g_languageIndex = 0;
        LanguageFile::installTranslation(-1);
    }

    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }

    void aboutTextsFollowTheTitleBarsLanguage_data()
    {
        QTest::addColumn<int>("language");   // -1: no translation installed
        QTest::addColumn<QStringList>("texts");  // title, version, name, link, website label
        QTest::newRow("none") << -1 << QStringList{"相关信息", "V1R1C00", "Halden控制", kChinesePage, "更多信息："};
        QTest::newRow("Chinese") << 0 << QStringList{"相关信息", "V1R1C10", "Halden控制", kChinesePage, "更多信息："};
        QTest::newRow("English") << 1 << QStringList{"Related Information", "V1R1C10", "Halden Control",
                                                     kInternationalPage, "Website :"};
        QTest::newRow("Russian") << 2 << QStringList{"Сведения о программе", "V1R1C10", "Управление Halden",
                                                     kInternationalPage, "Сайт:"};
        QTest::newRow("Spanish") << 3 << QStringList{"Información relacionada", "V1R1C10", "Control de Halden",
                                                     kInternationalPage, "Sitio web:"};
    }

    void aboutTextsFollowTheTitleBarsLanguage()
    {
        QFETCH(int, language);
        QFETCH(QStringList, texts);
        MainTitleBar bar;
        LanguageFile::installTranslation(language);
        bar.retranslateTexts();
        About *about = bar.mAbout;
        QVERIFY(about && !about->isVisible() && !about->parent());
        QCOMPARE(QStringList({about->windowTitle(), labelText(about, "label_6"), labelText(about, "label_7"),
                              about->findChild<QPushButton *>("pushButton")->text(), labelText(about, "label_4")}),
                 texts);
        // The second window reads the same in every language.
        QCOMPARE(labelText(bar.mCabout, "label_2"), QStringLiteral("Version  : V1R1C00"));
        QCOMPARE(labelText(bar.mCabout, "label"), QStringLiteral("Name     : Halden Controller"));
    }

    void linksOpenThePageOfTheLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("pages");   // About's link, then Cabout's
        QTest::newRow("Chinese") << 0 << QStringList{kChineseUrl, kInternationalUrl};
        QTest::newRow("English") << 1 << QStringList{kInternationalUrl, kInternationalUrl};
        QTest::newRow("Spanish") << 3 << QStringList{kInternationalUrl, kInternationalUrl};
        QTest::newRow("unknown") << 4 << QStringList{kInternationalUrl};
    }

    void linksOpenThePageOfTheLanguage()
    {
        QFETCH(int, language);
        QFETCH(QStringList, pages);
        g_languageIndex = language;
        About about;
        Cabout cabout;
        clickLink(&about, "pushButton");
        clickLink(&cabout, "pushButton_2");
        QCOMPARE(mCatcher.pages, pages);
        // The link buttons point with the hand picture, 20 pixels square.
        for (QWidget *link : {about.findChild<QWidget *>("pushButton"), cabout.findChild<QWidget *>("pushButton_2")})
            QCOMPARE(link->cursor().pixmap().size(), QSize(20, 20));
    }

    void trayOffersOneEntryThatOpensTheChinesePage()
    {
        LanguageFile::installTranslation(1);
        g_languageIndex = 1;
        SystemTray tray;
        QCOMPARE(tray.contextMenu(), tray.mMenu);
        const QList<QAction *> entries = tray.mMenu->actions();
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries.first()->text(), QStringLiteral("About Corvane "));
        QCOMPARE(tray.toolTip(), QStringLiteral("control"));
        QVERIFY(!tray.icon().isNull());
        entries.first()->trigger();
        QCOMPARE(mCatcher.pages, QStringList{kChineseUrl});
    }

    void fixedFormsTexts_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::newRow("error, source") << -1 << "error" << "label" << "当前串口号无法打开！请检查后重新打开！";
        QTest::newRow("error, English") << 1 << "error" << "label"
                                        << "The current serial number cannot be opened! Please check and re-open!";
        QTest::newRow("error, Spanish") << 3 << "error" << "label_3"
                                        << "2.¿Otro programa está usando el puerto serie?";
        QTest::newRow("messagebox, source")
            << -1 << "messagebox" << "label"
            << "当前串口号无法打开！请检查后重新打开！\n\n   1、USB串口松了\n\n   2、是否被其他的程序占用\n";
        QTest::newRow("messagerboxen, source")
            << -1 << "messagerboxen" << "label"
            << "  The current serial number cannot be opened!\n  Please check and reopen! \n"
               "  1.USB serial port loose \n  2.Whether it is occupied  by other programs\n";
        QTest::newRow("messagerboxen, Russian")
            << 2 << "messagerboxen" << "label"
            << "  Текущий последовательный порт не открывается!\n  Проверьте и откройте снова! \n"
               "  1.Отошёл USB-кабель \n  2.Порт занят другой программой\n";
    }

    void fixedFormsTexts()
    {
        QFETCH(int, language);
        QFETCH(QString, form);
        QFETCH(QString, label);
        QFETCH(QString, text);
        LanguageFile::installTranslation(language);
        std::unique_ptr<QWidget> widget;
        if (form == QLatin1String("error"))
            widget.reset(new error);
        else if (form == QLatin1String("messagebox"))
            widget.reset(new messagebox);
        else
            widget.reset(new messagerboxen);
        QCOMPARE(widget->objectName(), form);
        QCOMPARE(widget->size(), QSize(400, 300));
        QCOMPARE(labelText(widget.get(), label.toLatin1().constData()), text);
    }
};

QTEST_MAIN(TstCommonAbout)
#include "tst_common_about.moc"
