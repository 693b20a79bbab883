#ifndef SWIRLFALL_SOLUTIONPLAYBACK_H
#define SWIRLFALL_SOLUTIONPLAYBACK_H

#include "levels/Replay.h"

#include <QList>

// A replay being watched. Tick by tick from the start of its level, it hands out the actions
// due at each tick, in the order of the file.
class SolutionPlayback
{
public:
    explicit SolutionPlayback(const Replay &replay);

    // The actions due at the next tick; that tick is then counted.
    QList<Replay::Action> nextTick();

private:
    Replay replay;
    int next = 0;
    int tick = 0;
};

#endif
