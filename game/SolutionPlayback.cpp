#include "game/SolutionPlayback.h"

#include "game/GameWidget.h"

#include <QCoreApplication>

QString SolutionPlayback::note() const
{
    if (!playing)
        return QString();
    switch (kind) {
    case BestRun:
        return QCoreApplication::translate("SolutionPlayback", "Playing your best run: [Mouse click] or [any key] to stop it.");
    case SharedReplay:
        return QCoreApplication::translate("SolutionPlayback", "Playing a replay: [Mouse click] or [any key] to stop it.");
    case Solution:
        break;
    }
    return QCoreApplication::translate("SolutionPlayback", "Playing the solution: [Mouse click] or [any key] to stop it.");
}

void SolutionPlayback::start(const Replay &replay, Kind kind)
{
    this->replay = replay;
    this->kind = kind;
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
