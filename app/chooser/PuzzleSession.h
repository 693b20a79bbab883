#ifndef SWIRLFALL_PUZZLESESSION_H
#define SWIRLFALL_PUZZLESESSION_H

#include "levels/puzzles/LevelGenerator.h"
#include "levels/saves/DailyStreak.h"

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
// own day carries the streak of days in a row on, kept beside the records; once passed, its result
// can be copied to share, without the answer.
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
    // The days in a row on which the day's puzzle was passed, as of today (UTC).
    int streak() const;
    // What a puzzle's row and end say of it: its tier and difficulty, and beside the day's
    // puzzle the streak.
    QString describe(const Seed &seed, const LevelGenerator::Difficulty &difficulty) const;
    // The line "Copy result" puts on the clipboard for the day's puzzle passed: its date, the best
    // time, the wells of the best run and the streak, in the player's language; empty when it has
    // not been passed.
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

private slots:
    void levelStarted();
    void levelPassed(const Level &level, const Replay &run);

private:
    void showEnd();
    QString streakPath() const;

    GameWidget *game;
    QWidget *window;
    LevelImporter *importer;
    // What is known of each puzzle made, by the fingerprint of its level.
    QHash<QString, LevelGenerator::Generated> known;
    QString played;
    QString last;
    DailyStreak days;
};

#endif
