#include "levels/catalogue/LevelCatalogue.h"

#include "levels/format/LevelFile.h"
#include "levels/format/UntrustedText.h"

#include <QCoreApplication>

#include <QFile>

// The level files live in the core library; this pulls them into whatever links it.
static void initBuiltInLevels()
{
    Q_INIT_RESOURCE(builtin);
}

namespace LevelCatalogue {
namespace {

QString resource(int number)
{
    return QStringLiteral(":/levels/level-%1.swirl").arg(number, 2, 10, QLatin1Char('0'));
}

// The levels, without their proofs, and their solutions, by number from 1.
struct BuiltIn
{
    QList<Level> levels;
    QList<Replay> solutions;
};

// Each file read once, the first time any is asked for. A file that does not read is a broken
// build, not a player's mistake.
const BuiltIn &builtIn()
{
    static const BuiltIn read = [] {
        initBuiltInLevels();
        BuiltIn all;
        for (int number = 1; number <= levelCount; ++number) {
            Level level;
            QString error;
            if (!LevelFile::read(fileText(number), &level, &error) || !level.proof)
                qFatal("built-in level %d: %s", number, qPrintable(error));
            Replay solution = *level.proof;
            solution.level = number;
            level.number = number;
            level.proof = std::nullopt;
            all.levels.append(level);
            all.solutions.append(solution);
        }
        return all;
    }();
    return read;
}

} // namespace

QList<QString> names()
{
    QList<QString> result;
    for (const Level &level : builtIn().levels)
        result.append(level.name);
    return result;
}

Level level(int number)
{
    if (number < 1 || number > levelCount) {
        Level none;
        none.number = number;
        return none;
    }
    return builtIn().levels.at(number - 1);
}

Replay solution(int number)
{
    if (number < 1 || number > levelCount)
        return Replay();
    return builtIn().solutions.at(number - 1);
}

std::optional<Replay> solutionOf(const Level &level)
{
    if (level.number != 0)
        return solution(level.number);
    return level.proof;
}

QByteArray fileText(int number)
{
    initBuiltInLevels();
    QFile file(resource(number));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool readPlayback(const QString &path, Level *level, QString *error)
{
    QByteArray bytes;
    QString why;
    bool read = UntrustedText::readFile(path, LevelFile::maxFileBytes,
                                        QCoreApplication::translate("LevelCatalogue", "a level or a replay"), &bytes, &why);
    if (read && LevelFile::looksLikeLevel(bytes)) {
        read = LevelFile::read(bytes, level, &why);
    } else if (read) {
        Replay replay;
        read = Replay::read(bytes, levelCount, &replay, &why);
        if (read) {
            *level = LevelCatalogue::level(replay.level);
            level->proof = replay;
        }
    }
    if (!read)
        *error = path + QStringLiteral(": ") + why;
    return read;
}

} // namespace LevelCatalogue
