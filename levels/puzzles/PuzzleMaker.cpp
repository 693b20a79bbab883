#include "levels/puzzles/PuzzleMaker.h"

#include <algorithm>
#include <optional>

namespace {
bool sameSeed(const Seed &a, const Seed &b)
{
    return a.text() == b.text();
}
} // namespace

PuzzleMaker::PuzzleMaker(QObject *parent)
    : QObject(parent)
{
    connect(&job, &BackgroundJob::progressed, this, [this](int candidate) { emit progressed(making, candidate); });
    connect(&job, &BackgroundJob::finished, this, &PuzzleMaker::finish);
}

bool PuzzleMaker::isMaking(const Seed &seed) const
{
    return (job.isRunning() && sameSeed(making, seed))
        || std::any_of(waiting.begin(), waiting.end(), [&](const Seed &other) { return sameSeed(other, seed); });
}

void PuzzleMaker::make(const Seed &seed, bool first)
{
    if (job.isRunning() && sameSeed(making, seed))
        return;
    waiting.erase(std::remove_if(waiting.begin(), waiting.end(), [&](const Seed &other) { return sameSeed(other, seed); }),
                  waiting.end());
    if (first)
        waiting.prepend(seed);
    else
        waiting.append(seed);
    startNext();
}

void PuzzleMaker::cancel()
{
    // Whoever waits for one of them hears that it will not come.
    const QList<Seed> dropped = waiting;
    waiting.clear();
    for (const Seed &seed : dropped)
        emit notMade(seed, true);
    job.cancel();
}

void PuzzleMaker::startNext()
{
    if (waiting.isEmpty() || job.isRunning())
        return;
    making = waiting.takeFirst();
    const Seed seed = making;
    job.start([seed](const BackgroundJob::Control &control) {
        return std::any(LevelGenerator(seed).generate(control.progress, &control.cancelled));
    });
}

void PuzzleMaker::finish(bool cancelled)
{
    const auto result = job.result<std::optional<LevelGenerator::Generated>>();
    if (result)
        emit made(*result);
    else
        emit notMade(making, cancelled);
    startNext();
}
