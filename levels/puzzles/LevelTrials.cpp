#include "levels/puzzles/LevelTrials.h"

#include "levels/format/Level.h"
#include "levels/puzzles/SeededRandom.h"
#include "sim/LevelObject.h"
#include "sim/LevelState.h"
#include "sim/Physics.h"

#include <algorithm>

namespace LevelTrials {

bool passes(const Level &level, const Replay &replay)
{
    return replay.run(level, trialTicks).status == Passed;
}

std::pair<int, int> drawTwo(SeededRandom &random, int firstLow, int firstHigh, int secondLow, int secondHigh)
{
    const int second = random.uniform(secondLow, secondHigh);
    const int first = random.uniform(firstLow, firstHigh);
    return {first, second};
}

QPoint pointIn(SeededRandom &random, const QRect &field)
{
    const auto [x, y] = drawTwo(random, field.left(), field.right(), field.top(), field.bottom());
    return QPoint(x, y);
}

int passingPercent(const Level &level, const std::function<Replay()> &trial, int fewest, int most,
                   const std::atomic<bool> &cancelled)
{
    int passed = 0;
    for (int i = 0; i < trials && !cancelled; ++i) {
        passed += passes(level, trial());
        if (passed * percent > most * trials || (passed + trials - i - 1) * percent < fewest * trials)
            break;
    }
    return passed * percent / trials;
}

Replay singleWell(SeededRandom &random)
{
    Replay single;
    // The kind first, then the place: the order of version 1 (see drawTwo).
    const int kind = random.chance(0.5) ? RedWell : BlueWell;
    const QPoint at = pointIn(random, QRect(QPoint(0, 0), QSize(Physics::playfieldWidth, Physics::playfieldHeight)));
    single.actions.append({0, Replay::Action::Well, at.x(), at.y(), kind});
    return single;
}

Replay slightlyOff(const Replay &proof, SeededRandom &random)
{
    Replay off = proof;
    for (int w = 0; w < off.actions.size(); ++w) {
        Replay::Action &well = off.actions[w];
        if (well.type != Replay::Action::Well)
            continue;
        const QPoint from(well.x, well.y);
        const auto [dx, dy] = drawTwo(random, -offBy, offBy, -offBy, offBy);
        const QPoint moved = from + QPoint(dx, dy);
        const int late = random.uniform(0, lateBy);
        for (int r = w + 1; r < off.actions.size(); ++r) {
            Replay::Action &click = off.actions[r];
            if (click.type == Replay::Action::Remove && QPoint(click.x, click.y) == from) {
                click.x = moved.x();
                click.y = moved.y();
                click.tick += late;
                break;
            }
        }
        well.x = moved.x();
        well.y = moved.y();
        well.tick += late;
    }
    std::stable_sort(off.actions.begin(), off.actions.end(),
                     [](const Replay::Action &a, const Replay::Action &b) { return a.tick < b.tick; });
    return off;
}

} // namespace LevelTrials
