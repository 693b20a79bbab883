#ifndef SWIRLFALL_SOLVER_H
#define SWIRLFALL_SOLVER_H

#include "levels/format/Level.h"
#include "levels/format/Replay.h"

#include <QtGlobal>

#include <atomic>
#include <functional>
#include <optional>

// Searches for a replay that passes a level, and keeps the fastest one found. Every candidate is
// played by the real level step (Replay::run). The search keeps a pool of the best candidates and
// mutates them; candidates that fail are ranked by how close each particle came to its goal along
// a distance field that walks around hazards and the other colour's goals, so that progress shows
// even where the goal hides behind a hazard. A generation's candidates are drawn from the seeded
// generator before every core plays them, so a search is reproducible from its seed and its
// number of generations. The generator's proofs are its passes: a change to the search is a new
// version of the generator.
class Solver
{
public:
    struct Progress
    {
        long generation = 0;
        qint64 elapsedMs = 0;
        // The best pass so far, if any.
        bool passed = false;
        quint32 time = 0;
    };
    // Called after every generation, on the searching thread.
    using Report = std::function<void(const Progress &)>;

    Solver(const Level &level, quint64 seed);

    // A replay the search starts from, as one of its candidates: a faster pass replaces it.
    void startFrom(const Replay &replay) { start = replay; }
    // A search that stops, as cancel() stops it, once flag is set.
    void cancelWith(const std::atomic<bool> *flag) { alsoCancelled = flag; }

    // Searches until seconds have passed, generations have run or cancel() is called; the fastest
    // replay found, its time stated, if any passed. Only the generations budget a search that
    // must give the same replay wherever it runs.
    std::optional<Replay> solve(double seconds, long generations, const Report &report = {});
    // Stops a search under way, from any thread, within the play of one candidate.
    void cancel();
    long generationsRun() const { return generations; }

private:
    bool isCancelled() const { return cancelled || (alsoCancelled && *alsoCancelled); }

    Level level;
    quint64 seed;
    std::optional<Replay> start;
    std::atomic<bool> cancelled{false};
    const std::atomic<bool> *alsoCancelled = nullptr;
    long generations = 0;
};

#endif
