#include "app/TestHooks.h"

#include "game/ScoreStore.h"
#include "levels/LevelCatalogue.h"

#include <QStringList>

#include <cstdio>

namespace {
const QString scoreFile = QStringLiteral("scores.dat");

// SWIRLFALL_SAVE_LOOP: rewrites "scores.dat" through the save that a record makes, alternately
// with the file's own times and with each time 10 ms better, and reports every save on stdout,
// until killed.
int saveLoop()
{
    const QList<quint32> old = ScoreStore::load(scoreFile, LevelCatalogue::levelCount);
    QList<quint32> better = old;
    for (quint32 &time : better)
        time -= 10;
    for (long saves = 1;; ++saves) {
        if (!ScoreStore::save(scoreFile, saves % 2 ? better : old))
            return 1;
        std::printf("%ld\n", saves);
        std::fflush(stdout);
    }
}

// SWIRLFALL_RECORD_LOOP="LEVEL ..." with SWIRLFALL_RECORD_COUNT=N: a game that read the file once
// and then sets N records on each of those levels in turn, each time 1 ms better than its last,
// the way a pass does. Reports every saved record as "level time" on stdout.
int recordLoop()
{
    QList<int> levels;
    for (const QString &level : qEnvironmentVariable("SWIRLFALL_RECORD_LOOP").split(QLatin1Char(' '), Qt::SkipEmptyParts))
        levels.append(level.toInt());
    const int count = qEnvironmentVariableIntValue("SWIRLFALL_RECORD_COUNT");
    constexpr quint32 firstTime = 1000000;
    QList<quint32> times = ScoreStore::load(scoreFile, LevelCatalogue::levelCount);
    for (int i = 0; i < count; ++i) {
        for (const int level : levels) {
            const quint32 time = firstTime - quint32(i);
            const bool saved = ScoreStore::update(scoreFile, times, [&](QList<quint32> &merged) {
                merged[level - 1] = time;
                return true;
            });
            if (saved)
                std::printf("%d %u\n", level, time);
        }
    }
    std::fflush(stdout);
    return 0;
}
} // namespace

namespace TestHooks {

bool run(int *exitCode)
{
    if (qEnvironmentVariableIsSet("SWIRLFALL_SAVE_LOOP"))
        *exitCode = saveLoop();
    else if (qEnvironmentVariableIsSet("SWIRLFALL_RECORD_LOOP"))
        *exitCode = recordLoop();
    else
        return false;
    return true;
}

} // namespace TestHooks
