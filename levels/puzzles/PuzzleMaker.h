#ifndef SWIRLFALL_PUZZLEMAKER_H
#define SWIRLFALL_PUZZLEMAKER_H

#include "levels/puzzles/BackgroundJob.h"
#include "levels/puzzles/LevelGenerator.h"

#include <QList>
#include <QObject>

// Levels made from seeds in the background, one after another, so that a window stays responsive
// while the generator and its solver work on every core; each is reported as it is made, and
// cancel() stops at once.
class PuzzleMaker : public QObject
{
    Q_OBJECT

public:
    explicit PuzzleMaker(QObject *parent = nullptr);

    // Makes seed's level after those asked for before, unless it is under way or waiting already;
    // first puts it before them.
    void make(const Seed &seed, bool first = false);
    bool isMaking(const Seed &seed) const;

public slots:
    // Stops the level under way and forgets those waiting.
    void cancel();

signals:
    // The candidate being tried for seed.
    void progressed(const Seed &seed, int candidate);
    void made(const LevelGenerator::Generated &level);
    // None within the generator's budget, or cancelled.
    void notMade(const Seed &seed, bool cancelled);

private:
    void startNext();
    void finish(bool cancelled);

    QList<Seed> waiting;
    Seed making;
    BackgroundJob job;
};

#endif
