#include "app/editor/SolutionSearch.h"

#include "levels/format/ProofCheck.h"
#include "levels/puzzles/Solver.h"

#include <limits>
#include <optional>

namespace {
// The seed of every search: the same level and time limit find the same solution.
constexpr quint64 seed = 1;
constexpr int percent = 100;
constexpr qint64 millisecondsPerSecond = 1000;
} // namespace

SolutionSearch::SolutionSearch(QObject *parent)
    : QObject(parent)
{
    connect(&job, &BackgroundJob::progressed, this, &SolutionSearch::progressed);
    connect(&job, &BackgroundJob::finished, this, &SolutionSearch::finish);
}

void SolutionSearch::start(const Level &level, int seconds)
{
    if (isRunning())
        return;
    searched = level;
    job.start([level, seconds](const BackgroundJob::Control &control) {
        Solver solver(level, seed);
        solver.cancelWith(&control.cancelled);
        return std::any(solver.solve(seconds, std::numeric_limits<long>::max(), [&](const Solver::Progress &p) {
            const int used = int(p.elapsedMs * percent / (seconds * millisecondsPerSecond));
            control.progress(qMin(used, percent));
        }));
    });
}

void SolutionSearch::cancel()
{
    job.cancel();
}

void SolutionSearch::finish(bool cancelled)
{
    const auto result = job.result<std::optional<Replay>>();
    if (result && ProofCheck::of(searched, *result).holds())
        emit found(searched, *result);
    else
        emit notFound(cancelled);
}
