#include "app/TestHooks.h"

#include "game/RecordBook.h"
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
// and then passes each of those levels N times in turn, each time 1 ms faster than its last, as
// passes do: the record rule judges each, and a record is saved with its run (a replay whose
// header gives the time). Reports every record as "level time" on stdout.
int recordLoop()
{
    QList<int> levels;
    for (const QString &level : qEnvironmentVariable("SWIRLFALL_RECORD_LOOP").split(QLatin1Char(' '), Qt::SkipEmptyParts))
        levels.append(level.toInt());
    const int count = qEnvironmentVariableIntValue("SWIRLFALL_RECORD_COUNT");
    constexpr quint32 firstTime = 1000000;
    RecordBook records(scoreFile, LevelCatalogue::levelCount);
    for (int i = 0; i < count; ++i) {
        for (const int level : levels) {
            Replay run;
            run.level = level;
            run.time = firstTime - quint32(i);
            if (records.judge(LevelCatalogue::level(level), run.time, run))
                std::printf("%d %u\n", level, run.time);
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
