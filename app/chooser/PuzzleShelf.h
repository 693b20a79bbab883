#ifndef SWIRLFALL_PUZZLESHELF_H
#define SWIRLFALL_PUZZLESHELF_H

#include "levels/puzzles/LevelGenerator.h"

#include <QList>
#include <QObject>

#include <functional>

class Level;
class LevelLibrary;
class PuzzleMaker;
class PuzzleSession;
class RecordBook;
class QWidget;

// The puzzles the chooser offers, and those a player asks for by seed: the puzzle of the day (the
// same for every player on a day, in UTC) and a new one of each tier, kept until it is passed,
// each made in the background when first shown; "Play a seed..." makes the level of a seed typed
// or pasted. A level still being made is waited for, with progress after half a second and a
// Cancel that stops it at once.
class PuzzleShelf : public QObject
{
    Q_OBJECT

public:
    // Made puzzles go into library; passed ones are known from records; dialogs open over window.
    // The puzzle played last is asked of session.
    PuzzleShelf(LevelLibrary *library, const RecordBook *records, PuzzleSession *session, QWidget *window);

    // The puzzles offered now: the one of today and of yesterday, a new one of each tier (the same
    // until it is passed, across restarts too), and the one played last.
    QList<Seed> seeds();
    // Makes those of collection not made yet, in order.
    void makeUnmade(int collection);
    // Waits, with progress, for seed's level, then hands it to then.
    void waitFor(const Seed &seed, const std::function<void(const LevelGenerator::Generated &)> &then);

public slots:
    // Asks for a seed, and offers its level to play once made.
    void playSeed();
    // Offers the level of seed to play once made.
    void play(const Seed &seed);

signals:
    // A seed's level, to play on its own, as a level file is.
    void levelChosen(const Level &level);

private:
    bool passed(const Seed &seed) const;
    // The new puzzle of each tier, as kept beside the records.
    void readKept();
    QString keptPath() const;

    LevelLibrary *library;
    const RecordBook *records;
    PuzzleSession *session;
    QWidget *window;
    PuzzleMaker *maker;
    // The new puzzle of each tier, by its word: kept until it is passed.
    QList<Seed> newPuzzles;
};

#endif
