#include "app/editor/SolutionSearch.h"

#include "levels/format/ProofCheck.h"

#include <QtConcurrent>

#include <limits>

namespace {
// The seed of every search: the same level and time limit find the same solution.
constexpr quint64 seed = 1;
constexpr int percent = 100;
constexpr qint64 millisecondsPerSecond = 1000;
} // namespace

SolutionSearch::SolutionSearch(QObject *parent)
    : QObject(parent)
{
    connect(&search, &QFutureWatcherBase::finished, this, &SolutionSearch::finish);
}

SolutionSearch::~SolutionSearch()
{
    if (!isRunning())
        return;
    solver->cancel();
    search.waitForFinished();
}

bool SolutionSearch::isRunning() const
{
    return solver != nullptr;
}

void SolutionSearch::start(const Level &level, int seconds)
{
    if (isRunning())
        return;
    searched = level;
    cancelled = false;
    solver = std::make_unique<Solver>(level, seed);
    Solver *searching = solver.get();
    search.setFuture(QtConcurrent::run([this, searching, seconds] {
        return searching->solve(seconds, std::numeric_limits<long>::max(), [this, seconds](const Solver::Progress &p) {
            const int used = int(p.elapsedMs * percent / (seconds * millisecondsPerSecond));
            QMetaObject::invokeMethod(this, [this, used] { emit progressed(qMin(used, percent)); }, Qt::QueuedConnection);
        });
    }));
}

void SolutionSearch::cancel()
{
    if (!isRunning())
        return;
    cancelled = true;
    solver->cancel();
}

void SolutionSearch::finish()
{
    solver.reset();
    const std::optional<Replay> result = search.result();
    if (result && ProofCheck::of(searched, *result).holds())
        emit found(searched, *result);
    else
        emit notFound(cancelled);
}
