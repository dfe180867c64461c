#include <QtTest>

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QImageReader>
#include <QMovie>
#include <QPushButton>
#include <QTranslator>

#include "common.h"
#include "maincontent/controlwidget/bannacontrol/bannaconstants.h"

namespace {

QStringList g_warnings;
void collectWarnings(QtMsgType type, const QMessageLogContext &, const QString &msg)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        g_warnings << msg;
}

} // namespace

class TstCommonResources : public QObject
{
    Q_OBJECT
private slots:
    void everyNamedPictureLoads_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");   // empty: any size
        const QSize any;
        const QSize icon(64, 64);
        const QSize box(13, 13);
        const QList<QPair<QString, QSize>> named = {
            {"splash2.png", QSize(600, 400)}, {"splash.png", QSize(600, 400)},
            {"questionIcon.png", icon}, {"errorIcon.png", icon},
            {"informationIcon.png", icon}, {"warningIcon.png", icon},
            {"selectMouseIcon.png", any}, {"magnifyMouseIcon.png", any}, {"fullScreenIcon.png", any},
            {"magnifyingGlassMinusIcon.png", any}, {"magnifyingGlassPlusIcon.png", any},
            {"7F.png", any},
            {"image/image.png", any}, {"image/multiply.png", any}, {"image/revolve.png", any},
            {"image/1/min.png", any}, {"image/1/max.png", any}, {"image/1/out.png", any},
            {"image/1/01.png", any}, {"image/1/02.png", any}, {"image/1/03.png", any},
            {"image/1/04.png", any}, {"image/1/05.png", any}, {"image/1/06.png", any},
            {"image/1/7.png", any},
            {"image/1/HDMI 1.png", any}, {"image/1/HDMI 2.png", any},
            {"image/1/HDMI 3.png", any}, {"image/1/HDMI 4.png", any},
            {"image/2/pointer.png", any},
            {"image/SpliceMode/OneScreen.png", any}, {"image/SpliceMode/TwoScreen_OBOS.png", any},
            {"image/SpliceMode/TwoScreen_Leftrigt.png", any}, {"image/SpliceMode/TwoScreen_Updown.png", any},
            {"image/SpliceMode/FourScreen.png", any}, {"image/SpliceMode/FourScreen_OBTS.png", any},
            {"image/blue/checkbox_unchecked.png", box}, {"image/blue/checkbox_checked.png", box},
            {"image/color/grey_65_65_65.png", any}, {"image/color/red_210_85_101.png", any},
            {"image/color/green_144_207_153.png", any}, {"image/color/blue_46_148_185.png", any},
            {"image/color/orange_240_183_117.png", any},
            {"image/other/less_than.png", any}, {"image/other/more_than.png", any},
            {"image/other/normal_gray.png", any}, {"image/other/hover_blue.png", any},
            {"image/icon-wzb/waiting.gif", icon},
        };
        for (const auto &entry : named)
            QTest::newRow(qPrintable(entry.first)) << ":/res/res/" + entry.first << entry.second;
        for (const QString &banner : kBannerImages)
            QTest::newRow(qPrintable(banner)) << banner << any;
        QTest::newRow("default image path") << kDefaultImagePath << any;
    }

    void everyNamedPictureLoads()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QImageReader reader(path);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(path + ": " + reader.errorString()));
        if (size.isValid())
            QCOMPARE(image.size(), size);
    }

    void waitingAnimationMoves()
    {
        QMovie movie(QStringLiteral(":/res/res/image/icon-wzb/waiting.gif"));
        QVERIFY(movie.isValid());
        QVERIFY(movie.frameCount() > 1);
    }

    void checkBoxMarksDiffer()
    {
        // A user must tell a ticked box from an empty one.
        const QImage off(QStringLiteral(":/res/res/image/blue/checkbox_unchecked.png"));
        const QImage on(QStringLiteral(":/res/res/image/blue/checkbox_checked.png"));
        QVERIFY(off != on);
    }

    void swatchesShowTheirColour_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("grey") << "grey_65_65_65" << QColor(65, 65, 65);
        QTest::newRow("red") << "red_210_85_101" << QColor(210, 85, 101);
        QTest::newRow("green") << "green_144_207_153" << QColor(144, 207, 153);
        QTest::newRow("blue") << "blue_46_148_185" << QColor(46, 148, 185);
        QTest::newRow("orange") << "orange_240_183_117" << QColor(240, 183, 117);
    }

    void swatchesShowTheirColour()
    {
        QFETCH(QString, name);
        QFETCH(QColor, colour);
        const QImage swatch(":/res/res/image/color/" + name + ".png");
        const QColor middle = swatch.pixelColor(swatch.width() / 2, swatch.height() / 2);
        QCOMPARE(middle.rgb(), colour.rgb());
    }

    void styleSheetLoadsAndApplies()
    {
        QFile file(kStyleSheetPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString sheet = QString::fromUtf8(file.readAll());
        for (const char *rule : {"#CFDDEE", ".MainWindow", ".InputSourceButton", "#324C6C",
                                 "checkbox_unchecked.png", "checkbox_checked.png"})
            QVERIFY2(sheet.contains(QLatin1String(rule)), rule);
        // Every picture the sheet names is compiled in.
        const QRegularExpression url(QStringLiteral("url\\(([^)]+)\\)"));
        for (auto it = url.globalMatch(sheet); it.hasNext();) {
            const QString path = it.next().captured(1);
            QVERIFY2(!QImage(path).isNull(), qPrintable(path));
        }

        g_warnings.clear();
        QtMessageHandler previous = qInstallMessageHandler(collectWarnings);
        qApp->setStyleSheet(sheet);
        QGroupBox group(QStringLiteral("预设"));
        QPushButton button(QStringLiteral("确认"), &group);
        QCheckBox check(&group);
        group.show();
        QVERIFY(QTest::qWaitForWindowExposed(&group));
        group.grab();   // paints every rule that applies, images included
        qInstallMessageHandler(previous);
        QVERIFY2(g_warnings.isEmpty(), qPrintable(g_warnings.join('\n')));

        QCOMPARE(button.palette().color(QPalette::ButtonText), QColor(0x32, 0x4C, 0x6C));
        QCOMPARE(qApp->styleSheet(), sheet);
        qApp->setStyleSheet(QString());
    }

    void translationsLoadAndTranslate_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("warning");
        QTest::newRow("cn") << "cn" << QStringLiteral("警告");
        QTest::newRow("en") << "en" << QStringLiteral("Warning");
        QTest::newRow("ru") << "ru" << QStringLiteral("Предупреждение");
        QTest::newRow("es") << "es" << QStringLiteral("Advertencia");
    }

    void translationsLoadAndTranslate()
    {
        QFETCH(QString, language);
        QFETCH(QString, warning);
        QTranslator translator;
        QVERIFY(translator.load(":/res/lanague_" + language + ".qm"));
        QCOMPARE(translator.translate("MyMessageBox", "警告"), warning);

        QCoreApplication::installTranslator(&translator);
        QCOMPARE(QCoreApplication::translate("MyMessageBox", "警告"), warning);
        QCoreApplication::removeTranslator(&translator);
    }
};

QTEST_MAIN(TstCommonResources)
#include "tst_common_resources.moc"
