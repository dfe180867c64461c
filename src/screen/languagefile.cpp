#include "languagefile.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTranslator>

#include "inisettings.h"

namespace LanguageFile {

QString path()
{
    return QStringLiteral("./FontSize.ini");
}

int read()
{
    QSettings settings(path(), QSettings::IniFormat);
    return iniValue(settings, QStringLiteral("ID"), 0).toInt();   // not a number reads as 0
}

void write(int index)
{
    QSettings settings(path(), QSettings::IniFormat);
    setIniValue(settings, QStringLiteral("ID"), index);
}

QString translationResource(int index)
{
    switch (index) {
    case 0: return QStringLiteral(":/res/lanague_cn.qm");
    case 1: return QStringLiteral(":/res/lanague_en.qm");
    case 2: return QStringLiteral(":/res/lanague_ru.qm");
    case 3: return QStringLiteral(":/res/lanague_es.qm");
    default: return QString();
    }
}

bool installTranslation(int index)
{
    static QTranslator *translator = nullptr;
    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    translator = new QTranslator;
    const QString file = translationResource(index);
    const bool loaded = !file.isEmpty() && translator->load(file);
    QCoreApplication::installTranslator(translator);
    return loaded;
}

} // namespace LanguageFile
