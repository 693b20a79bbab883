#include "app/editor/SolutionSearch.h"

#include "levels/ProofCheck.h"

#include <QThread>

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
}

SolutionSearch::~SolutionSearch()
{
    if (thread) {
        solver->cancel();
        thread->wait();
        delete thread;
    }
}

bool SolutionSearch::isRunning() const
{
    return thread != nullptr;
}

void SolutionSearch::start(const Level &level, int seconds)
{
    if (thread)
        return;
    searched = level;
    result.reset();
    cancelled = false;
    solver = std::make_unique<Solver>(level, seed);
    thread = QThread::create([this, seconds] {
        result = solver->solve(seconds, std::numeric_limits<long>::max(), [this, seconds](const Solver::Progress &p) {
            const int used = int(p.elapsedMs * percent / (seconds * millisecondsPerSecond));
            QMetaObject::invokeMethod(this, [this, used] { emit progressed(qMin(used, percent)); }, Qt::QueuedConnection);
        });
    });
    connect(thread, &QThread::finished, this, &SolutionSearch::finish);
    thread->start();
}

void SolutionSearch::cancel()
{
    if (!thread)
        return;
    cancelled = true;
    solver->cancel();
}

void SolutionSearch::finish()
{
    thread->deleteLater();
    thread = nullptr;
    if (result && ProofCheck::of(searched, *result).holds())
        emit found(searched, *result);
    else
        emit notFound(cancelled);
}
