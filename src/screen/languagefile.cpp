#include "languagefile.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTranslator>

// The compiled-in resources sit in a static library; nothing else refers
// to them, so the linker would drop them unless they are named here.
static void registerCompiledResources()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    Q_INIT_RESOURCE(translations);
    Q_INIT_RESOURCE(resources);
}

namespace LanguageFile {

static const char kKey[] = "ID";

QString path()
{
    return QStringLiteral("./FontSize.ini");
}

int read()
{
    QSettings settings(path(), QSettings::IniFormat);
    const QStringList keys = settings.allKeys();
    for (const QString &key : keys) {
        if (key.compare(QLatin1String(kKey), Qt::CaseInsensitive) == 0)
            return settings.value(key).toInt();   // not a number reads as 0
    }
    return 0;
}

void write(int index)
{
    QSettings settings(path(), QSettings::IniFormat);
    const QStringList keys = settings.allKeys();
    for (const QString &key : keys) {
        if (key != QLatin1String(kKey) && key.compare(QLatin1String(kKey), Qt::CaseInsensitive) == 0)
            settings.remove(key);
    }
    settings.setValue(QLatin1String(kKey), index);
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
    registerCompiledResources();
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
