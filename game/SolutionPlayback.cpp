// Watching a solution: the game widget plays a replay's actions through the drag and click
// handling a player's own mouse goes through, so that the wells appear and grow as the player's
// do. It is no attempt of the player's: a pass sets no record and leaves scores.dat alone.
#include "game/SolutionPlayback.h"

#include "game/GameWidget.h"
#include "render/SceneLayout.h"

#include <QPainter>

namespace {
// Past the 20 px that tell a drag from a click, in the direction of the well's kind.
constexpr int dragLength = 40;

const char note[] = "Playing the solution: [Mouse click] or [any key] to stop it.";
} // namespace

SolutionPlayback::SolutionPlayback(const Replay &replay)
    : replay(replay)
{
}

QList<Replay::Action> SolutionPlayback::nextTick()
{
    QList<Replay::Action> due;
    for (; next < replay.actions.size() && replay.actions.at(next).tick == tick; ++next)
        due.append(replay.actions.at(next));
    ++tick;
    return due;
}

void GameWidget::showSolution()
{
    watchReplay(Replay::solution(currentLevel));
}

void GameWidget::watchReplay(const Replay &replay)
{
    if (replay.level < 1 || replay.level > levelCount)
        return;
    loadLevel(replay.level);
    // As the player's first press does; the replay counts its ticks from here.
    levelState.start();
    playback.emplace(replay);
}

void GameWidget::playDueActions()
{
    if (!playback)
        return;
    for (const Replay::Action &action : playback->nextTick()) {
        const QPoint at(action.x, action.y);
        const QPoint drag = action.type == Replay::Action::Remove ? QPoint()
            : action.kind == BlueWell                             ? QPoint(dragLength, 0)
                                                                  : QPoint(0, dragLength);
        beginDrag(at);
        completeDrag(at + drag);
    }
}

void GameWidget::stopSolution()
{
    restartLevel();
}

void GameWidget::drawSolutionNote(QPainter &painter)
{
    painter.setPen(helpPen);
    painter.setFont(helpFont);
    painter.drawText(SceneLayout::helpRect(SceneLayout::playfieldWidth), SceneLayout::helpFlags, QLatin1String(note));
}
