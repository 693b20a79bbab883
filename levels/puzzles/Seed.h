#ifndef SWIRLFALL_SEED_H
#define SWIRLFALL_SEED_H

#include <QCoreApplication>
#include <QDate>
#include <QString>

// A seed a person can share: the generator's version, the tier and any word or number, as
// "3-easy-42" or "3-hard-comet"; the puzzle of a day is "3-daily-2026-12-20", of the Medium
// tier. The same seed gives the same level everywhere (see LevelGenerator).
class Seed
{
    Q_DECLARE_TR_FUNCTIONS(Seed)

public:
    enum Tier { Easy, Medium, Hard };
    // A later generator takes the next number; seeds of the earlier ones keep giving their levels.
    static constexpr int latestVersion = 3;
    static constexpr int maxWordLength = 32;

    // False, with one line saying why, for text that is no seed of this game's generators.
    static bool parse(const QString &text, Seed *seed, QString *error);
    // The generator a day's puzzle is made by: a day keeps the puzzle it was first offered with,
    // and a new generator makes the days from the one after its release on.
    static int versionOfDay(const QDate &day);
    static Seed ofDay(const QDate &day);
    static Seed of(Tier tier, const QString &word);
    static QString tierName(Tier tier);

    // As it is written and parsed.
    QString text() const;
    // The level's name in its file, the same everywhere: "Easy 42", "Puzzle of 9 December 2026".
    QString fileName() const;
    // The same in the player's language.
    QString shownName() const;

    int version = latestVersion;
    Tier tier = Easy;
    // The puzzle of day, when valid.
    QDate day;
    QString word;
};

#endif
