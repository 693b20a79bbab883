// The game's own saves, run in a loop by a program of their own for the tests that kill it
// mid-save or run two of it at once. It links the game's library, so it saves exactly as the
// game does; the game itself carries none of it.
//   save_helper save               rewrites scores.dat through the save a record makes,
//                                  alternately with the file's own times and with each time 10 ms
//                                  better, and reports every save on stdout, until killed
//   save_helper record N LEVEL...  a game that read the files once and then passes each of those
//                                  levels N times in turn, each time 1 ms faster than its last:
//                                  the record rule judges each, and a record is saved with its run.
//                                  Reports every record as "level time" on stdout
#include "game/RecordBook.h"
#include "levels/catalogue/LevelCatalogue.h"
#include "levels/saves/ScoreStore.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {
const QString scoreFile = QStringLiteral("scores.dat");

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

int recordLoop(int count, const QStringList &levelNumbers)
{
    constexpr quint32 firstTime = 1000000;
    RecordBook records(scoreFile, LevelCatalogue::levelCount);
    for (int i = 0; i < count; ++i) {
        for (const QString &number : levelNumbers) {
            const int level = number.toInt();
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

int main(int argc, char **argv)
{
    const QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.value(1) == QLatin1String("save"))
        return saveLoop();
    if (arguments.value(1) == QLatin1String("record") && arguments.size() > 3)
        return recordLoop(arguments.at(2).toInt(), arguments.mid(3));
    std::fputs("usage: save_helper save | record N LEVEL...\n", stderr);
    return 2;
}
