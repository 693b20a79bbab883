#ifndef SWIRLFALL_LEVELCHECK_H
#define SWIRLFALL_LEVELCHECK_H

#include <QStringList>

class Level;

// What may be wrong with a level, though it can still be played and saved: each a sentence.
namespace LevelCheck {

// Every warning, as the editor shows them.
QStringList warnings(const Level &level);
// What keeps a level from being played at all as it stands: no particles, a particle that starts
// in an area, particles with no goal of their colour, no wells.
QStringList setupWarnings(const Level &level);
// A hazard under a goal, where what a player sees as goal fails the level: a warning for each
// goal, naming a point of it where a particle would fail.
QStringList hiddenHazards(const Level &level);

} // namespace LevelCheck

#endif
