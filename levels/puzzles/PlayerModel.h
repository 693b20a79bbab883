#ifndef SWIRLFALL_PLAYERMODEL_H
#define SWIRLFALL_PLAYERMODEL_H

#include "levels/format/Level.h"
#include "levels/format/Replay.h"

#include <QtGlobal>

#include <atomic>
#include <optional>

// A model of a person looking for a level's plan, to say how hard it is to find: wells set on a
// coarse grid, at coarse moments, taken away at coarse moments, the first at the start since the
// first drag starts the level. It tries one plan after another: now and then a fresh idea, which
// often starts with the obvious (a well beyond a particle's goal, or behind the particle to push
// it; or a nudge toward the open side of the goal, then a well behind it), more often a small
// change to the best tried so far (the one that brought the particles nearest their goals, walking
// round what would end them). How many plans it tries
// before its first pass says how hard the plan is to find; a level it cannot pass within its
// budget asks for more precision than a person has. Plans are drawn from the seed before they are
// played on every core, so the count is the same wherever it runs.
class PlayerModel
{
public:
    // The grid a person sets wells on, in pixels, and the moments, in ticks.
    static constexpr int gridStep = 40;
    static constexpr int momentTicks = 25;
    // Plans a search tries at the most, and the searches a level's stars are the median of.
    static constexpr int budget = 2400;
    static constexpr int searches = 5;

    struct Found
    {
        // Plans tried up to and with the first pass, or more than the budget when none passed.
        int plays = 0;
        std::optional<Replay> plan;
    };

    PlayerModel(const Level &level, quint64 seed);

    // One to five stars for a level the model passes after plays plans (the median of a few
    // searches): the more it tries, the more.
    static int stars(int plays);
    // The median of the plays of searches searches, each seeded from seed in turn.
    static int medianPlays(const Level &level, quint64 seed);

    // Tries plans until one passes or maxPlays have been tried, or cancelled is set.
    Found search(int maxPlays, const std::atomic<bool> &cancelled);

private:
    Level level;
    quint64 seed;
};

#endif
