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

bool wouldChange(const LevelState &state)
{
    if (state.status() == Running)
        return true;
    bool pulling = false;
    for (const WellObject &well : state.wells) {
        if (well.isRemoved() || well.fade < WellObject::settledFade)
            return true;
        pulling = true;
    }
    for (const ParticleObject &particle : state.particles) {
        if (!particle.stopped && (pulling || !particle.velocity.isNull()))
            return true;
    }
    return false;
}

} // namespace FrameTick
