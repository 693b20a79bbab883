#include "app/ConsoleCommands.h"

#include "levels/Level.h"
#include "levels/LevelCatalogue.h"
#include "levels/LevelFile.h"
#include "levels/ProofCheck.h"
#include "levels/Replay.h"
#include "levels/UntrustedText.h"

namespace ConsoleCommands {
namespace {
enum Status { AllHold = 0, NotProven = 1, Unreadable = 2 };

// The file's proof played on its level: a level file's own, or a replay of a built-in level.
bool check(const QString &path, ProofCheck *check, QString *why)
{
    QByteArray bytes;
    QString problem;
    bool read = UntrustedText::readFile(path, LevelFile::maxFileBytes, "level or a replay", &bytes, &problem);
    if (read && LevelFile::looksLikeLevel(bytes)) {
        Level level;
        read = LevelFile::read(bytes, &level, &problem);
        if (read)
            *check = ProofCheck::of(level);
    } else if (read) {
        Replay replay;
        read = Replay::read(bytes, &replay, &problem);
        if (read)
            *check = ProofCheck::of(LevelCatalogue::level(replay.level), replay);
    }
    if (!read)
        *why = path + QStringLiteral(": ") + problem;
    return read;
}
} // namespace

int verify(const QStringList &files, std::FILE *out)
{
    int status = AllHold;
    for (const QString &path : files) {
        ProofCheck proof;
        QString why;
        if (!check(path, &proof, &why)) {
            std::fprintf(out, "%s\n", qPrintable(why));
            status = Unreadable;
            continue;
        }
        std::fprintf(out, "%s: %s\n", qPrintable(path), qPrintable(proof.text()));
        if (!proof.holds())
            status = qMax(status, int(NotProven));
    }
    return status;
}

int exportLevel(int number, std::FILE *out)
{
    Level level = LevelCatalogue::level(number);
    level.proof = Replay::solution(number);
    std::fputs(LevelFile::toText(level).toUtf8().constData(), out);
    return AllHold;
}

} // namespace ConsoleCommands
