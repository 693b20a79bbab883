#include "app/ConsoleCommands.h"

#include "levels/Level.h"
#include "levels/LevelCatalogue.h"
#include "levels/LevelFile.h"
#include "levels/ProofCheck.h"
#include "levels/Replay.h"

namespace ConsoleCommands {
namespace {
enum Status { AllHold = 0, NotProven = 1, Unreadable = 2 };
} // namespace

int verify(const QStringList &files, std::FILE *out)
{
    int status = AllHold;
    for (const QString &path : files) {
        Level level;
        QString why;
        if (!LevelFile::readPlayback(path, &level, &why)) {
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

} // namespace ConsoleCommands
