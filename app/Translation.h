#ifndef SWIRLFALL_TRANSLATION_H
#define SWIRLFALL_TRANSLATION_H

#include <QString>
#include <QStringList>

class QCoreApplication;

// The game in the desktop's language. The languages the player prefers are taken in order, as the
// desktop gives them (LANGUAGE, then LC_ALL, LC_MESSAGES and LANG): the first the game speaks is
// the one it speaks, and English, which it speaks anyway (its catalogue only has the plural forms),
// or the C locale stop the search. Qt's own texts (dialog buttons, the file dialog) follow when
// Qt's translations are installed.
namespace Translation {

// Installs the translators, with app as their parent; returns the language chosen, "" for English.
QString install(QCoreApplication &app);
// The same for the languages preferred, in order, as a locale names them ("de-DE", "fr_FR", "C").
QString install(QCoreApplication &app, const QStringList &preferred);
// Installs the game's translator for language ("en", "de", "fr") whatever the desktop says, its
// dates too.
bool installLanguage(QCoreApplication &app, const QString &language);

} // namespace Translation

#endif
