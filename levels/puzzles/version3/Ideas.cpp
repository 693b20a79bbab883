#include "levels/puzzles/version3/Ideas.h"

namespace Ideas {
namespace {
// Easy, Medium, Hard.
const Idea ideas[] = {
    {"hill", hill, {4, 2, 5}},
    {"chicane", chicane, {2, 4, 6}},
    {"divider", divider, {2, 4, 5}},
    {"funnel", funnel, {1, 1, 0}},
    {"orbit", orbit, {3, 2, 5}},
    {"ledge", ledge, {1, 2, 0}},
    {"corridor", corridor, {0, 1, 2}},
    {"crossing", crossing, {2, 3, 0}},
    {"niche", niche, {0, 4, 6}},
    {"cross", cross, {1, 1, 3}},
    {"rocks", rockRing, {2, 2, 0}},
    {"cave", cave, {2, 3, 0}},
    {"pong", pong, {2, 3, 0}},
    {"valley", valley, {2, 1, 2}},
};
} // namespace

const Idea *table(int *count)
{
    *count = int(sizeof(ideas) / sizeof(ideas[0]));
    return ideas;
}

} // namespace Ideas
