#include "app/ConsoleCommands.h"

#include "app/CommandLine.h"

#include "levels/catalogue/LevelCatalogue.h"
#include "levels/format/Level.h"
#include "levels/format/LevelFile.h"
#include "levels/format/ProofCheck.h"
#include "levels/format/Replay.h"
#include "levels/puzzles/LevelGenerator.h"

#include <QCoreApplication>

namespace ConsoleCommands {
namespace {
enum Status { AllHold = 0, NotProven = 1, Unreadable = 2 };
} // namespace

int answer(const CommandLine &options)
{
    switch (options.action) {
    case CommandLine::ShowHelp:
        std::fputs(qPrintable(CommandLine::helpText()), stdout);
        return AllHold;
    case CommandLine::ShowVersion:
        std::printf("swirlfall %s\n", qPrintable(QCoreApplication::applicationVersion()));
        return AllHold;
    case CommandLine::Verify:
        return verify(options.files, stdout);
    case CommandLine::Generate:
        return generate(options.seed, stdout);
    case CommandLine::ExportLevel:
        return exportLevel(options.level, stdout);
    default:
        return refuse(options.error);
    }
}

int refuse(const QString &why)
{
    std::fprintf(stderr, "swirlfall: %s\n", qPrintable(why));
    return refusedStatus;
}

int verify(const QStringList &files, std::FILE *out)
{
    int status = AllHold;
    for (const QString &path : files) {
        Level level;
        QString why;
        if (!LevelCatalogue::readPlayback(path, &level, &why)) {
            std::fprintf(out, "%s\n", qPrintable(why));
            status = Unreadable;
            continue;
        }
        const ProofCheck proof = ProofCheck::of(level);
        std::fprintf(out, "%s: %s\n", qPrintable(path), qPrintable(proof.text()));
        if (!proof.holds())
            status = qMax(status, int(NotProven));
    }
    return status;
}

int exportLevel(int number, std::FILE *out)
{
    std::fputs(LevelCatalogue::fileText(number).constData(), out);
    return AllHold;
}

int generate(const Seed &seed, std::FILE *out)
{
    const std::optional<LevelGenerator::Generated> made = LevelGenerator(seed).generate();
    if (!made) {
        std::fprintf(stderr, "swirlfall: %s\n",
                     qPrintable(QCoreApplication::translate("ConsoleCommands", "the seed %1 gives no level").arg(seed.text())));
        return NotProven;
    }
    std::fputs(made->fileText().constData(), out);
    return AllHold;
}

} // namespace ConsoleCommands
