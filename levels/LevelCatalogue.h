#ifndef SWIRLFALL_LEVELCATALOGUE_H
#define SWIRLFALL_LEVELCATALOGUE_H

#include "levels/Level.h"

#include <QList>
#include <QString>

// The twenty fixed levels. Numbers run from 1; a number outside 1..levelCount has no content,
// no budget and no name.
namespace LevelCatalogue {

constexpr int levelCount = 20;

QList<QString> names();
// The level of that number, its particles and areas in table order.
Level level(int number);

} // namespace LevelCatalogue

#endif
