#include "app/Translation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

// The translations live in the game's library; this pulls them into whatever links it.
static void initTranslations()
{
    Q_INIT_RESOURCE(translations);
}

namespace Translation {
namespace {
QString qtTranslations()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    return QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
}

bool load(QCoreApplication &app, const QString &file, const QString &folder)
{
    QTranslator *translator = new QTranslator(&app);
    if (translator->load(file, folder) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}
} // namespace

bool installLanguage(QCoreApplication &app, const QString &language)
{
    initTranslations();
    if (!load(app, QStringLiteral("swirlfall_") + language, QStringLiteral(":/i18n")))
        return false;
    load(app, QStringLiteral("qtbase_") + language, qtTranslations());
    return true;
}

QString install(QCoreApplication &app)
{
    for (const QString &preferred : QLocale::system().uiLanguages()) {
        const QString language = preferred.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (language == QLatin1String("en") || language == QLatin1String("c"))
            return QString();
        if (installLanguage(app, language))
            return language;
    }
    return QString();
}

} // namespace Translation
