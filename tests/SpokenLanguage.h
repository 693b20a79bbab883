#ifndef SWIRLFALL_SPOKENLANGUAGE_H
#define SWIRLFALL_SPOKENLANGUAGE_H

#include "app/Translation.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>
#include <QTest>

// The game made to speak a language in the middle of a test, dates too, as it does from the
// desktop's at start; "" is English.
inline void speak(const QString &language)
{
    for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QLocale::setDefault(QLocale(QLocale::English));
    if (!language.isEmpty())
        QVERIFY(Translation::installLanguage(*qApp, language));
}

#endif
