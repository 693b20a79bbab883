// Guards the game in German and French. Every message in the sources must have a finished
// translation in both, with the same placeholders and the same number of lines, or a player
// reads English in the middle of German, or a number goes missing; and every text the playfield
// draws, in every language, must fit where it stands, or it is cut off.
#include "SpokenLanguage.h"

#include "app/CommandLine.h"
#include "app/HowToPlay.h"
#include "app/Translation.h"
#include "app/chooser/DaysCalendar.h"
#include "app/chooser/YourDays.h"
#include "app/editor/EditorWindow.h"
#include "app/vorticade.h"
#include "app/widgets/KeyTable.h"
#include "game/EndLine.h"
#include "levels/catalogue/LevelCatalogue.h"
#include "levels/format/LevelFile.h"
#include "levels/puzzles/LevelGenerator.h"
#include "levels/puzzles/Seed.h"
#include "render/Scene.h"
#include "render/ScenePainter.h"
#include "sim/FrameTick.h"
#include "sim/LevelState.h"
#include "sim/Physics.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QLineEdit>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QTest>

namespace {
struct Message
{
    QString translation;
    bool finished = false;
};

// (context, source) to translation, as a .ts file holds them.
QMap<QPair<QString, QString>, Message> readTs(const QString &path)
{
    QMap<QPair<QString, QString>, Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    bool plural = false;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            plural = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            Message message;
            message.finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            // A plural's forms follow: every one must be there, the last stands for their placeholders.
            if (!plural)
                message.translation = xml.readElementText();
            messages.insert({context, source}, message);
        } else if (xml.name() == QLatin1String("numerusform")) {
            Message &message = messages[{context, source}];
            message.translation = xml.readElementText();
            message.finished = message.finished && !message.translation.isEmpty();
        }
    }
    return messages;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?[0-9]+"));
    QStringList found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        found.append(it.next().captured());
    found.sort();
    return found;
}

} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT

private slots:
    void everyMessageIsTranslated_data();
    void everyMessageIsTranslated();
    void aThingHasOneName_data();
    void aThingHasOneName();
    void playfieldTextsFit_data();
    void playfieldTextsFit();
    void windowsSpeakIt_data();
    void windowsSpeakIt();
};

void TranslationsTest::everyMessageIsTranslated_data()
{
    QTest::addColumn<QString>("language");

    QTest::newRow("German") << "de";
    QTest::newRow("French") << "fr";
}

void TranslationsTest::everyMessageIsTranslated()
{
    QFETCH(QString, language);

    // The sources' messages as lupdate finds them now, against what the catalogue translates.
    const auto extracted = readTs(QStringLiteral(EXTRACTED_TS));
    QVERIFY(extracted.size() > 100);
    const auto catalogue = readTs(QStringLiteral(TRANSLATIONS_DIR "/swirlfall_%1.ts").arg(language));
    QStringList faults;
    for (auto it = extracted.cbegin(); it != extracted.cend(); ++it) {
        const QString where = it.key().first + QStringLiteral(": ") + it.key().second.left(40);
        const auto found = catalogue.constFind(it.key());
        if (found == catalogue.cend() || !found->finished || found->translation.isEmpty()) {
            faults.append(where + QStringLiteral(" is not translated"));
            continue;
        }
        if (placeholders(found->translation) != placeholders(it.key().second))
            faults.append(where + QStringLiteral(" has other placeholders: ") + found->translation);
        if (found->translation.count(QLatin1Char('\n')) != it.key().second.count(QLatin1Char('\n')))
            faults.append(where + QStringLiteral(" has another number of lines"));
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TranslationsTest::aThingHasOneName_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("others");

    // Words a translation must not use for what the language names otherwise.
    QTest::newRow("German: a seed is a Startwert") << "de" << "\\bSeeds?\\b|Saatwert";
    QTest::newRow("French: a seed is a graine") << "fr" << "\\bSeeds?\\b|semence";
}

void TranslationsTest::aThingHasOneName()
{
    QFETCH(QString, language);
    QFETCH(QString, others);

    const QRegularExpression other(others);
    QStringList faults;
    const auto catalogue = readTs(QStringLiteral(TRANSLATIONS_DIR "/swirlfall_%1.ts").arg(language));
    for (auto it = catalogue.cbegin(); it != catalogue.cend(); ++it) {
        if (it->translation.contains(other))
            faults.append(it->translation);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TranslationsTest::playfieldTextsFit_data()
{
    QTest::addColumn<QString>("language");

    QTest::newRow("English") << QString();
    QTest::newRow("German") << "de";
    QTest::newRow("French") << "fr";
}

void TranslationsTest::playfieldTextsFit()
{
    QFETCH(QString, language);

    speak(language);
    QImage device(Physics::playfieldWidth, Physics::playfieldHeight, QImage::Format_ARGB32_Premultiplied);
    ScenePainter painter(&device);
    const QRect playfield(0, 0, Physics::playfieldWidth, Physics::playfieldHeight);
    QStringList faults;
    const auto check = [&](const Scene &scene, const QString &what) {
        const QList<ScenePainter::PlacedText> texts = painter.texts(scene);
        // The table's rows are measured too: a name and a time for every level.
        if (scene.highScores && texts.size() < 2 * LevelCatalogue::levelCount)
            faults.append(QStringLiteral("%1: the table is not measured").arg(what));
        for (int i = 0; i < texts.size(); ++i) {
            const ScenePainter::PlacedText &text = texts.at(i);
            const QFontMetrics metrics(*text.font, &device);
            // A count is drawn from its baseline, and must stay in its room.
            const QRect bound = text.baseline.isNull() ? metrics.boundingRect(text.rect, text.flags, text.text)
                                                       : metrics.boundingRect(text.text).translated(text.baseline);
            // "Not proven" beside the name may stand in a rectangle reaching past the edge.
            if (!text.text.isEmpty() && (!(text.rect & playfield).contains(bound) || !playfield.contains(bound)))
                faults.append(QStringLiteral("%1: '%2' needs %3 px of %4").arg(what, text.text.left(30)).arg(bound.width()).arg((text.rect & playfield).width()));
            // A table row's name and time share a cell, the one left, the other right.
            if (i > 0 && texts.at(i - 1).rect == text.rect && (text.flags & Qt::AlignRight)
                && metrics.horizontalAdvance(texts.at(i - 1).text) + metrics.horizontalAdvance(text.text) >= text.rect.width())
                faults.append(QStringLiteral("%1: '%2' and '%3' meet").arg(what, texts.at(i - 1).text, text.text));
        }
    };
    // A level from a file may be named with as many characters as the format allows.
    const QString longest = QStringLiteral("The Forces of good and evil 2, the worst");
    QCOMPARE(longest.size(), LevelFile::maxNameLength);
    Seed medium;
    QString why;
    QVERIFY(Seed::parse(QStringLiteral("2-medium-1"), &medium, &why));
    for (const QString &name : {QString(), longest}) {
    for (const int number : {4, 0}) {
        for (const int status : {Ready, Running, Failed, Passed}) {
            Level level = LevelCatalogue::level(4);
            LevelState state = level.newState();
            Scene scene;
            scene.level = &state;
            scene.number = number;
            scene.name = number == 0 && !name.isEmpty() ? name : level.name;
            scene.proven = number != 0;
            scene.clickGoesOn = number != 0;
            scene.newRecord = true;
            // Times of six digits: a quarter of an hour.
            scene.time = 999990;
            scene.record = 999990;
            if (status != Ready)
                state.start();
            if (status == Failed)
                state.addParticle(BlueParticle, 5, 240);
            if (status == Passed) {
                state = LevelState(0, 0);
                state.addArea(RedGoal, QPolygon(QRect(0, 0, 800, 480)));
                state.addParticle(RedParticle, 400, 240);
                state.start();
            }
            if (status != Ready)
                FrameTick::advance(state, scene.time, QPoint());
            const QString what = QStringLiteral("status %1, level %2").arg(status).arg(number);
            check(scene, what);
            scene.paused = true;
            check(scene, what + QStringLiteral(", paused"));
            scene.paused = false;
            for (const char *note : {"Playing your best run: [Mouse click] or [any key] to stop it.",
                                     "Playing a replay: [Mouse click] or [any key] to stop it.",
                                     "Playing the solution: [Mouse click] or [any key] to stop it."}) {
                scene.note = QCoreApplication::translate("SolutionPlayback", note);
                check(scene, what + QStringLiteral(", a note"));
            }
            scene.note.clear();
            // A puzzle's line under the end's, with a streak of a year; a record that is not kept.
            scene.endNote = QCoreApplication::translate("PuzzleSession", "%1 \u00b7 days in a row: %2")
                                .arg(LevelGenerator::describe(medium, LevelGenerator::Difficulty()), QStringLiteral("365"));
            scene.recordKept = false;
            check(scene, what + QStringLiteral(", a puzzle"));
            scene.endNote.clear();
            scene.recordKept = true;
            scene.highScores = true;
            scene.levelNames = LevelCatalogue::names();
            for (const quint32 time : {0u, 999990u}) {
                scene.bestTimes.clear();
                for (int i = 0; i < LevelCatalogue::levelCount; ++i)
                    scene.bestTimes.append(time);
                check(scene, what + QStringLiteral(", the table"));
            }
        }
    }
    }
    speak(QString());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TranslationsTest::windowsSpeakIt_data()
{
    QTest::addColumn<QString>("desktop");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("chooseKeys");
    QTest::addColumn<QString>("undoKeys");
    QTest::addColumn<QString>("arrows");
    QTest::addColumn<QString>("usage");
    QTest::addColumn<QString>("dayPuzzle");
    QTest::addColumn<int>("firstDay");
    QTest::addColumn<QString>("hints");

    // With the game's catalogue alone, as on a machine without Qt's own.
    QTest::newRow("English, preferred first") << "en-GB:de-DE" << QString() << "Ctrl+L" << "Ctrl+Z" << "Left, Right" << "Usage: |[options]|Options:|Arguments:"
                             << "Puzzle of 9 January 2027" << int(Qt::Sunday) << "Passed with 1 hint|Passed with 2 hints";
    QTest::newRow("German, after a language it does not speak") << "es-ES:de" << "de" << "Strg+L" << "Strg+Z" << "Links, Rechts" << "Aufruf: |[Optionen]|Optionen:|Argumente:"
                            << "Rätsel vom 9. Januar 2027" << int(Qt::Monday) << "Mit 1 Hinweis geschafft|Mit 2 Hinweisen geschafft";
    QTest::newRow("French") << "fr_FR" << "fr" << "Ctrl+L" << "Ctrl+Z" << "Gauche, Droite" << "Utilisation : |[options]|Options :|Arguments :"
                            << "Énigme du 9 janvier 2027" << int(Qt::Monday) << "Réussi avec 1 indice|Réussi avec 2 indices";
}

void TranslationsTest::windowsSpeakIt()
{
    QFETCH(QString, desktop);
    QFETCH(QString, language);
    QFETCH(QString, chooseKeys);
    QFETCH(QString, undoKeys);
    QFETCH(QString, arrows);
    QFETCH(QString, usage);
    QFETCH(QString, dayPuzzle);
    QFETCH(int, firstDay);
    QFETCH(QString, hints);

    // The language the desktop prefers, as the game takes it at start.
    forgetLanguages();
    QCOMPARE(Translation::install(*qApp, desktop.split(QLatin1Char(':'))), language);
    // Plurals as the language makes them, English's too.
    QCOMPARE(EndLine::hintsLine(1) + QLatin1Char('|') + EndLine::hintsLine(2), hints);
    // Its date in the language of the words around it, whatever the desktop's formats.
    QCOMPARE(Seed::ofDay(QDate(2027, 1, 9)).shownName(), dayPuzzle);
    QTemporaryDir here;
    vorticade window(nullptr, here.filePath(QStringLiteral("scores.dat")));
    window.showHowToPlay();
    QStringList keys;
    for (const KeyTable::Row &row : window.findChild<HowToPlay *>()->keys()->rows())
        keys.append(row.keys);
    // Keys by their names in the player's language, and only keys a keyboard has.
    const QString shown = keys.join(QStringLiteral(" | "));
    QVERIFY2(keys.contains(chooseKeys) && keys.contains(arrows)
                 && (chooseKeys.startsWith(QLatin1String("Ctrl")) || !shown.contains(QLatin1String("Ctrl"))),
             qPrintable(shown));
    // The calendar of days: its weeks start where the language's do, its months named in it.
    window.showYourDays();
    const DaysCalendar *days = window.findChild<YourDays *>()->calendar();
    QCOMPARE(int(days->firstDayOfWeek()), firstDay);
    QCOMPARE(days->locale().monthName(1), QLocale().monthName(1));
    EditorWindow editor;
    for (QAction *action : editor.findChildren<QAction *>()) {
        if (action->shortcut() == QKeySequence(Qt::SHIFT | Qt::Key_F1))
            action->trigger();
    }
    QStringList editorKeys;
    for (const KeyTable::Row &row : editor.findChild<KeyTable *>()->rows())
        editorKeys.append(row.keys);
    // Whatever else the platform binds (F14 where X has an Undo key), the keyboard's keys lead.
    const QString editorShown = editorKeys.join(QStringLiteral(" | "));
    QVERIFY2(editorShown.contains(undoKeys) && !editorShown.contains(QLatin1String("F14")), qPrintable(editorShown));
    // The name field shows the whole name of a new level.
    editor.show();
    QLineEdit *name = editor.findChild<QLineEdit *>();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QVERIFY2(name->fontMetrics().horizontalAdvance(name->text() + QLatin1Char('W')) < name->width(),
             qPrintable(QStringLiteral("%1 in %2 px").arg(name->text(), QString::number(name->width()))));
    // --help's headings too, the first of them first.
    const QString help = CommandLine::helpText();
    const QStringList headings = usage.split(QLatin1Char('|'));
    for (const QString &heading : headings)
        QVERIFY2(help.contains(heading) && help.startsWith(headings.first()), qPrintable(help));
    speak(QString());
}

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
