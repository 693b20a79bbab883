#ifndef SWIRLFALL_LEVELCATALOGUE_H
#define SWIRLFALL_LEVELCATALOGUE_H

#include "levels/format/Level.h"
#include "levels/format/Replay.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The twenty levels of the game: level files built into it (levels/builtin/), read once by the
// one level-file reader. Numbers run from 1; a number outside 1..levelCount has no content, no
// budget, no name and no solution.
namespace LevelCatalogue {

constexpr int levelCount = 20;

QList<QString> names();
// The level of that number, its particles and areas in file order, without its proof.
Level level(int number);
// Its solution: the proof its file carries, a replay of that level.
Replay solution(int number);
// The solution S shows of level: a built-in level's own, else the proof it carries, if any.
std::optional<Replay> solutionOf(const Level &level);
// The level's file as it is built into the game.
QByteArray fileText(int number);
// A file that plays a level back: a level file, whose proof is the replay, or a replay of a
// built-in level, which comes as that level with the replay as its proof. Messages name the file.
bool readPlayback(const QString &path, Level *level, QString *error);

} // namespace LevelCatalogue

#endif
