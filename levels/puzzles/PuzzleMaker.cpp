#include "levels/puzzles/PuzzleMaker.h"

#include <QtConcurrent>

#include <algorithm>

namespace {
bool sameSeed(const Seed &a, const Seed &b)
{
    return a.text() == b.text();
}
} // namespace

PuzzleMaker::PuzzleMaker(QObject *parent)
    : QObject(parent)
{
    connect(&work, &QFutureWatcherBase::finished, this, &PuzzleMaker::finish);
}

PuzzleMaker::~PuzzleMaker()
{
    waiting.clear();
    if (!generator)
        return;
    generator->cancel();
    work.waitForFinished();
}

bool PuzzleMaker::isMaking(const Seed &seed) const
{
    return (generator && sameSeed(making, seed))
        || std::any_of(waiting.begin(), waiting.end(), [&](const Seed &other) { return sameSeed(other, seed); });
}

void PuzzleMaker::make(const Seed &seed, bool first)
{
    if (generator && sameSeed(making, seed))
        return;
    waiting.erase(std::remove_if(waiting.begin(), waiting.end(),
                                 [&](const Seed &other) { return sameSeed(other, seed); }),
                  waiting.end());
    if (first)
        waiting.prepend(seed);
    else
        waiting.append(seed);
    if (!generator)
        startNext();
}

void PuzzleMaker::cancel()
{
    // Whoever waits for one of them hears that it will not come.
    const QList<Seed> dropped = waiting;
    waiting.clear();
    for (const Seed &seed : dropped)
        emit notMade(seed, true);
    if (!generator)
        return;
    cancelled = true;
    generator->cancel();
}

void PuzzleMaker::startNext()
{
    if (waiting.isEmpty())
        return;
    making = waiting.takeFirst();
    cancelled = false;
    generator = std::make_unique<LevelGenerator>(making);
    LevelGenerator *generating = generator.get();
    const Seed seed = making;
    work.setFuture(QtConcurrent::run([this, generating, seed] {
        return generating->generate([this, seed](int candidate) {
            QMetaObject::invokeMethod(this, [this, seed, candidate] { emit progressed(seed, candidate); },
                                      Qt::QueuedConnection);
        });
    }));
}

void PuzzleMaker::finish()
{
    generator.reset();
    const std::optional<LevelGenerator::Generated> result = work.result();
    if (result)
        emit made(*result);
    else
        emit notMade(making, cancelled);
    startNext();
}
