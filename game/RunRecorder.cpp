#include "game/RunRecorder.h"

#include "sim/Drag.h"

void RunRecorder::start()
{
    recording = true;
    ticks = 0;
    actions.clear();
}

void RunRecorder::stop()
{
    recording = false;
}

void RunRecorder::record(const Drag &drag)
{
    if (recording)
        actions.append(Replay::Action::of(ticks, drag));
}

void RunRecorder::countTick()
{
    if (recording)
        ++ticks;
}

Replay RunRecorder::replay(int level, quint32 time) const
{
    Replay run;
    run.level = level;
    run.time = time;
    run.actions = actions;
    return run;
}
