#include "game/SolutionPlayback.h"

#include "game/GameWidget.h"

QString SolutionPlayback::note()
{
    return QStringLiteral("Playing the solution: [Mouse click] or [any key] to stop it.");
}

void SolutionPlayback::start(const Replay &replay)
{
    this->replay = replay;
    next = 0;
    tick = 0;
    playing = true;
}

void SolutionPlayback::stop()
{
    playing = false;
}

void SolutionPlayback::playTick(GameWidget &game)
{
    if (!playing)
        return;
    for (; next < replay.actions.size() && replay.actions.at(next).tick == tick; ++next) {
        const Replay::Action &action = replay.actions.at(next);
        game.beginDrag(action.press());
        game.completeDrag(action.release());
    }
    ++tick;
}
