#include "sim/FrameTick.h"

#include "sim/LevelState.h"

namespace FrameTick {

bool advance(LevelState &state, quint32 &totalTime, const QPoint &pointer, int interval)
{
    const bool ended = state.step(interval / Physics::millisecondsPerTimeUnit, pointer);
    if (state.status() == Running)
        totalTime += quint32(interval);
    return ended && state.status() == Passed;
}

} // namespace FrameTick
