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
// Qt's own texts that the game shows as its own: the names of keys, as the menus and the help
// list them, the buttons of its dialogs, and the headings of --help. The game's catalogue translates them under Qt's own
// contexts, where Qt looks them up, so that they read in the player's language on a machine
// without Qt's catalogues too (the package only recommends them); where those are installed, they
// come first.
[[maybe_unused]] const char *const qtTexts[] = {
    QT_TRANSLATE_NOOP("QShortcut", "Ctrl"),    QT_TRANSLATE_NOOP("QShortcut", "Shift"),
    QT_TRANSLATE_NOOP("QShortcut", "Alt"),     QT_TRANSLATE_NOOP("QShortcut", "Meta"),
    QT_TRANSLATE_NOOP("QShortcut", "+"),       QT_TRANSLATE_NOOP("QShortcut", "Esc"),
    QT_TRANSLATE_NOOP("QShortcut", "Tab"),     QT_TRANSLATE_NOOP("QShortcut", "Backspace"),
    QT_TRANSLATE_NOOP("QShortcut", "Return"),  QT_TRANSLATE_NOOP("QShortcut", "Enter"),
    QT_TRANSLATE_NOOP("QShortcut", "Ins"),     QT_TRANSLATE_NOOP("QShortcut", "Del"),
    QT_TRANSLATE_NOOP("QShortcut", "Home"),    QT_TRANSLATE_NOOP("QShortcut", "End"),
    QT_TRANSLATE_NOOP("QShortcut", "Left"),    QT_TRANSLATE_NOOP("QShortcut", "Up"),
    QT_TRANSLATE_NOOP("QShortcut", "Right"),   QT_TRANSLATE_NOOP("QShortcut", "Down"),
    QT_TRANSLATE_NOOP("QShortcut", "PgUp"),    QT_TRANSLATE_NOOP("QShortcut", "PgDown"),
    QT_TRANSLATE_NOOP("QShortcut", "Space"),   QT_TRANSLATE_NOOP("QShortcut", "F%1"),
    // The buttons of the game's own dialogs, as the generic and the GNOME themes name them.
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),       QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Close"),    QT_TRANSLATE_NOOP("QPlatformTheme", "Save"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Discard"),  QT_TRANSLATE_NOOP("QGnomeTheme", "&OK"),
    QT_TRANSLATE_NOOP("QGnomeTheme", "&Cancel"),     QT_TRANSLATE_NOOP("QGnomeTheme", "&Close"),
    QT_TRANSLATE_NOOP("QGnomeTheme", "&Save"),       QT_TRANSLATE_NOOP("QGnomeTheme", "Close without Saving"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "[options]"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Options:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Arguments:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown option '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown options: %1."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Missing value after '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unexpected value after '%1'."),
};

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
    // Dates and months in the language spoken, whatever the desktop's formats are.
    QLocale::setDefault(QLocale(language));
    return true;
}

QString install(QCoreApplication &app)
{
    return install(app, QLocale::system().uiLanguages());
}

QString install(QCoreApplication &app, const QStringList &preferred)
{
    QLocale::setDefault(QLocale(QLocale::English));
    for (const QString &each : preferred) {
        const QString language = each.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (language == QLatin1String("en") || language == QLatin1String("c"))
            break;
        if (installLanguage(app, language))
            return language;
    }
    // English's own catalogue holds only its plural forms: "1 hint", "2 hints".
    installLanguage(app, QStringLiteral("en"));
    return QString();
}

} // namespace Translation
