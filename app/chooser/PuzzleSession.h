#ifndef SWIRLFALL_PUZZLESESSION_H
#define SWIRLFALL_PUZZLESESSION_H

#include "levels/puzzles/LevelGenerator.h"
#include "levels/saves/DailyStreak.h"
#include "levels/saves/DayLog.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <optional>

class GameWidget;
class Level;
class LevelImporter;
class Replay;
class QWidget;

// The puzzles as they are played: every puzzle made is known by its level, whichever way it comes
// to be played (chosen, played through its collection, typed as a seed). While one is played the
// end of the level says its tier and difficulty, it can be saved to My levels and its seed copied,
// and it stays the last played, for the chooser to offer again. Passing the day's puzzle on its
// own day carries the streak of days in a row on, kept beside the records with the days passed (on
// their day or late); once passed, its result can be copied to share, without the answer. A day's
// puzzle opens on its day: one passed before counts for no day.
class PuzzleSession : public QObject
{
    Q_OBJECT

public:
    // Reads the streak kept beside game's records; boxes open over window.
    PuzzleSession(GameWidget *game, QWidget *window);

    // The puzzle played now; none when the level played is no puzzle.
    const LevelGenerator::Generated *playing() const;
    // A puzzle made, if it is known.
    const LevelGenerator::Generated *find(const Seed &seed) const;
    // The puzzle played last, for the chooser to offer again.
    std::optional<Seed> lastPlayed() const;
    // The days in a row on which the day's puzzle was passed, as of today (UTC), and the most.
    int streak() const;
    int longestStreak() const { return days.longest(); }
    // The days whose puzzle was passed, on its day or late.
    const DayLog &passedDays() const { return log; }
    // Today, in UTC, as the seeds of days name it.
    static QDate today();
    // False for the puzzle of a day still to come.
    static bool opens(const Seed &seed);
    // What a puzzle's row and end say of it: its tier and difficulty, and beside the day's
    // puzzle the streak.
    QString describe(const Seed &seed, const LevelGenerator::Difficulty &difficulty) const;
    // The best time a puzzle's row shows: a day's puzzle's as passed on its day or late.
    quint32 bestTime(const Seed &seed, const Level &level) const;
    // The line "Copy result" puts on the clipboard for the day's puzzle passed: its date, the best
    // time, the wells of that run, passed on its day the streak, and the hints that run took, in the
    // player's language; empty when it has not been passed on or after its day.
    QString result(const Seed &seed) const;

public slots:
    // A puzzle made: known from now on.
    void remember(const LevelGenerator::Generated &made);
    // The puzzle played, kept in My levels.
    void save();
    void copySeed();
    void copyResult();

signals:
    // A puzzle is played now, or no longer.
    void playingChanged(bool puzzle);
    // The result of the puzzle played can be copied, or no longer.
    void resultChanged(bool ready);
    // A day's puzzle was passed: the days passed and the streak may have changed.
    void daysChanged();

private slots:
    void levelStarted();
    void levelPassed(const Level &level, const Replay &run);

private:
    void showEnd();
    void readKept();
    void keepLast();
    QString keptPath(const char *name) const;

    GameWidget *game;
    QWidget *window;
    LevelImporter *importer;
    // What is known of each puzzle made, by the fingerprint of its level.
    QHash<QString, LevelGenerator::Generated> known;
    QString played;
    std::optional<Seed> last;
    DailyStreak days;
    DayLog log;
};

#endif
