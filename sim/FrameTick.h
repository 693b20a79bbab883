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
// True when a tick, its step and its paint, could change the level: while it runs, while a
// particle moves or a well pulls, and while a well grows, fades or waits to be deleted. A tick that
// would not may be skipped: nothing of it would show, now or later.
bool wouldChange(const LevelState &state);

} // namespace FrameTick

#endif
