#ifndef SWIRLFALL_LEVELCATALOGUE_H
#define SWIRLFALL_LEVELCATALOGUE_H

#include <QList>
#include <QPolygon>
#include <QString>

class LevelState;

// The twenty fixed levels. Numbers run from 1; a number outside 1..levelCount has no content,
// no budget and no name.
namespace LevelCatalogue {

constexpr int levelCount = 20;

QList<QString> names();
int redWells(int level);
int blueWells(int level);
// Adds the level's particles, then its areas, in table order. The frame is not included.
void addContent(int level, LevelState &state);
// Fills a fresh state with the level as the game loads it: content, budgets, then the frame.
void load(int level, LevelState &state, int width, int height);
// The hazard ring around a width x height playfield: a 20 px band inside the edge, reaching
// 40 px beyond it, under the even-odd rule.
QPolygon framePolygon(int width, int height);

} // namespace LevelCatalogue

#endif
