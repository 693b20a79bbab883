#ifndef SWIRLFALL_LEVELGENERATOR_H
#define SWIRLFALL_LEVELGENERATOR_H

#include "levels/format/Level.h"
#include "levels/puzzles/Seed.h"

#include <QByteArray>

#include <atomic>
#include <functional>
#include <optional>

// Levels made from a seed, each proven before it leaves. A candidate is laid out from the seed
// around a run planned for it: particles of both colours at rest, hazards, then wells set at
// their ticks, the particles followed as the real step moves them, and each particle's goal put
// where its path takes it. A candidate that a single well set at random passes too often, that the
// solver (starting from the planned run) does not pass within its budget, or whose difficulty is
// not its tier's is dropped, and the next one, drawn from the same seed, is tried. Only the
// solver's pass, played again, proves a level, and every budget is counted in work, never in time:
// the same seed gives the same level file, proof included, on every machine, and in every later
// release that keeps this generator's version.
class LevelGenerator
{
public:
    // What a generated level takes: how many wells its proof sets, the share of slightly-off
    // replays (each well up to 8 px away and 5 ticks late) that still pass it, the share of single
    // wells set at random that pass it, and from version 3 on how many plans a model of a player
    // tries before its first pass (PlayerModel).
    struct Difficulty
    {
        // One to five. From version 3 on, the more plans the model tries, the more; before, the
        // more wells the proof sets and the less a run slightly off passes, the more.
        int marks() const;

        int wells = 0;
        int forgivingPercent = 0;
        int giveAwayPercent = 0;
        // None before version 3.
        int plays = 0;
    };

    struct Generated
    {
        // A level file, the seed and the difficulty in its note, after its first line.
        QByteArray fileText() const;
        // True when the file reads back as the same level: what leaves the generator is a file any
        // game reads as it is.
        bool readsBack() const;

        Seed seed;
        Level level;
        Difficulty difficulty;
        // How many candidates were laid out before this one.
        int tried = 0;
    };

    // Called between steps of the work, on the generating thread: the candidate being tried.
    using Progress = std::function<void(int candidate)>;

    explicit LevelGenerator(const Seed &seed);

    // A proven level, or none when no candidate within the budget is one, or when cancelled is set
    // (from any thread: it stops within one replay).
    std::optional<Generated> generate(const Progress &progress = {}, const std::atomic<bool> *cancelled = nullptr) const;

    // A puzzle's tier and its difficulty as a person reads them: "Medium · ★★★☆☆".
    static QString describe(const Seed &seed, const Difficulty &difficulty);

    // The share, in percent, of trials single wells drawn from seed, each set at random at the
    // start, that pass level: how much of a give-away it is.
    static int giveAwayPercent(const Level &level, quint64 seed, int trials);

private:
    Seed seed;
};

#endif
