// Searches for a replay that passes a level, and prints the fastest one found.
//   swirlfall-solve LEVEL [--seconds S] [--generations N] [--seed N]
// The search is the game's own (Solver): reproducible from its seed and its number of
// generations, which it prints on stderr.
#include "levels/catalogue/LevelCatalogue.h"
#include "levels/puzzles/Solver.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <limits>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    int level = 0;
    double seconds = 60;
    long generations = std::numeric_limits<long>::max();
    quint64 seed = 1;
    for (int i = 1; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--seconds") && hasValue)
            seconds = args.at(++i).toDouble();
        else if (arg == QLatin1String("--generations") && hasValue)
            generations = args.at(++i).toLong();
        else if (arg == QLatin1String("--seed") && hasValue)
            seed = args.at(++i).toULongLong();
        else
            level = arg.toInt();
    }
    if (level < 1 || level > LevelCatalogue::levelCount) {
        std::fprintf(stderr, "usage: swirlfall-solve LEVEL [--seconds S] [--generations N] [--seed N]\n");
        return 2;
    }

    Solver solver(LevelCatalogue::level(level), seed);
    qint64 elapsed = 0;
    const std::optional<Replay> best =
        solver.solve(seconds, generations, [&elapsed](const Solver::Progress &progress) { elapsed = progress.elapsedMs; });
    std::fprintf(stderr, "level %d, seed %llu: %ld generations in %.1f s, %s\n", level,
                 static_cast<unsigned long long>(seed), solver.generationsRun(), elapsed / 1000.0,
                 best ? qPrintable(QStringLiteral("passed in %1 ms").arg(best->time)) : "not passed");
    if (!best)
        return 1;
    std::printf("%s", qPrintable(best->toText()));
    return 0;
}
