#ifndef SWIRLFALL_LEVELCATALOGUE_H
#define SWIRLFALL_LEVELCATALOGUE_H

#include "levels/format/Level.h"
#include "levels/format/Replay.h"

#include <QByteArray>
#include <QList>
#include <QString>

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
// The level's file as it is built into the game.
QByteArray fileText(int number);
// A file that plays a level back: a level file, whose proof is the replay, or a replay of a
// built-in level, which comes as that level with the replay as its proof. Messages name the file.
bool readPlayback(const QString &path, Level *level, QString *error);

} // namespace LevelCatalogue

#endif
