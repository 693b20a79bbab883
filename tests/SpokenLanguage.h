#ifndef SWIRLFALL_SPOKENLANGUAGE_H
#define SWIRLFALL_SPOKENLANGUAGE_H

#include "app/Translation.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>
#include <QTest>

// Every catalogue taken away, as before the game installs its language.
inline void forgetLanguages()
{
    for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

// The game made to speak a language in the middle of a test, dates too, as it does from the
// desktop's at start; "" is English, whose catalogue holds only its plural forms.
inline void speak(const QString &language)
{
    forgetLanguages();
    QVERIFY(Translation::installLanguage(*qApp, language.isEmpty() ? QStringLiteral("en") : language));
}

#endif
