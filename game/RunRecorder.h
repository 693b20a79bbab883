#ifndef SWIRLFALL_RUNRECORDER_H
#define SWIRLFALL_RUNRECORDER_H

#include "levels/format/Replay.h"

class Drag;

// The player's run at a level, recorded as it is played: every drag and click that set or removed
// a well, at the tick it came in, counted from the press that started the level. Played back as a
// replay, it passes the level exactly as the player did.
class RunRecorder
{
public:
    // From the press that starts the level.
    void start();
    void stop();
    void record(const Drag &drag);
    // A tick's step has run.
    void countTick();
    // The run so far, as a replay of the level of that number (0 for one from elsewhere) passed
    // in time.
    Replay replay(int level, quint32 time) const;

private:
    bool recording = false;
    int ticks = 0;
    QList<Replay::Action> actions;
};

#endif
