#ifndef SWIRLFALL_FRAMETICK_H
#define SWIRLFALL_FRAMETICK_H

#include "sim/Physics.h"

#include <QPoint>
#include <QtGlobal>

class LevelState;

// One frame tick of a level, the same in the game, in a replay and in the solver.
namespace FrameTick {

// Steps the level by interval / 100 time units and adds interval ms to the attempt's time while
// it is still running: game time is counted in intervals, never read from a clock, and the tick
// that ends the level counts nothing. True only on the tick that passed the level, the one tick
// on which a record can be set.
bool advance(LevelState &state, quint32 &totalTime, const QPoint &pointer, int interval = Physics::frameInterval);

} // namespace FrameTick

#endif
