#include <QtTest>

#include <QSettings>
#include <QTemporaryDir>

#include "globals.h"
#include "inisettings.h"

class TstCommonIni : public QObject
{
    Q_OBJECT
    QTemporaryDir mDir;
    QString mOldDir;

    static void writeFile(const QString &name, const QByteArray &content)
    {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(mDir.isValid());
        mOldDir = QDir::currentPath();
        QDir::setCurrent(mDir.path());
    }
    void cleanupTestCase() { QDir::setCurrent(mOldDir); }

    void findsAKeyWhateverItsCase()
    {
        {
            QSettings writer("./FontSize.ini", QSettings::IniFormat);
            writer.setValue("ID", 2);
        }
        QSettings reader("./FontSize.ini", QSettings::IniFormat);
        QCOMPARE(iniValue(reader, "id", 0).toInt(), 2);
        QCOMPARE(iniValue(reader, "ID", 0).toInt(), 2);
        QCOMPARE(iniValue(reader, "Id", 0).toInt(), 2);
        QCOMPARE(iniKey(reader, "id"), QStringLiteral("ID"));
        QVERIFY(iniContains(reader, "iD"));
        QCOMPARE(iniValue(reader, "language", 5).toInt(), 5);
        QVERIFY(!iniContains(reader, "i"));
    }

    void missingFileReadsAsDefault()
    {
        QSettings reader("./absent.ini", QSettings::IniFormat);
        QCOMPARE(iniValue(reader, "ID", 0).toInt(), 0);
        QVERIFY(!iniValue(reader, "ID").isValid());
    }

    void findsKeysInsideGroups()
    {
        writeFile("./inputSourceButton.ini",
                  "[InputSourceButton_1]\nText=Camera\nENABLE=true\n[inputSourceButton_2]\ntext=PC\n");
        QSettings reader("./inputSourceButton.ini", QSettings::IniFormat);
        QCOMPARE(iniValue(reader, "inputSourceButton_1/text").toString(), QStringLiteral("Camera"));
        QCOMPARE(iniValue(reader, "inputSourceButton_1/enable").toBool(), true);
        QCOMPARE(iniValue(reader, "inputSourceButton_2/text").toString(), QStringLiteral("PC"));

        reader.beginGroup("inputSourceButton_2");
        QCOMPARE(iniValue(reader, "TEXT").toString(), QStringLiteral("PC"));
        QVERIFY(!iniValue(reader, "enable").isValid());
        reader.endGroup();
    }

    void exactSpellingWins()
    {
        writeFile("./both.ini", "[General]\nid=1\nID=3\n");
        QSettings reader("./both.ini", QSettings::IniFormat);
        QCOMPARE(iniValue(reader, "ID").toInt(), 3);
        QCOMPARE(iniValue(reader, "id").toInt(), 1);
    }

    void writerReplacesOtherSpellings()
    {
        writeFile("./FontSize.ini", "[General]\nid=1\n");
        {
            QSettings writer("./FontSize.ini", QSettings::IniFormat);
            setIniValue(writer, "ID", 3);
        }
        QSettings reader("./FontSize.ini", QSettings::IniFormat);
        QCOMPARE(reader.allKeys(), QStringList{"ID"});
        QCOMPARE(iniValue(reader, "id").toInt(), 3);
    }

    void damagedFileReadsAsDefault()
    {
        static const char garbage[] = "\x00\xff[[[=\n=\x01garbage";
        writeFile("./FontSize.ini", QByteArray(garbage, sizeof garbage - 1));
        QSettings reader("./FontSize.ini", QSettings::IniFormat);
        bool ok = true;
        const int value = iniValue(reader, "ID", 0).toInt(&ok);
        QCOMPARE(value, 0);
    }

    void languageColumnFallsBackToChinese()
    {
        const int saved = g_languageIndex;
        for (int i = 0; i < 4; ++i) {
            g_languageIndex = i;
            QCOMPARE(languageColumn(), i);
        }
        for (int bad : {-1, 4, 7, 1000}) {
            g_languageIndex = bad;
            QCOMPARE(languageColumn(), 0);
            QCOMPARE(g_languageIndex, bad);
        }
        g_languageIndex = saved;
    }
};

QTEST_MAIN(TstCommonIni)
#include "tst_common_ini.moc"
