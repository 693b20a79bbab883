#include "levels/puzzles/version3/Ideas.h"

namespace Ideas {
namespace {
// Easy, Medium, Hard.
const Idea ideas[] = {
    {"hill", hill, {2, 2, 3}},
    {"chicane", chicane, {2, 2, 3}},
    {"divider", divider, {1, 2, 0}},
    {"funnel", funnel, {1, 1, 0}},
    {"orbit", orbit, {1, 1, 1}},
    {"ledge", ledge, {2, 1, 0}},
    {"corridor", corridor, {0, 1, 1}},
    {"crossing", crossing, {2, 2, 0}},
    {"niche", niche, {0, 1, 2}},
    {"cross", cross, {0, 1, 1}},
    {"rocks", rockRing, {1, 0, 0}},
    {"cave", cave, {1, 1, 0}},
    {"pong", pong, {2, 2, 0}},
    {"valley", valley, {2, 1, 2}},
    {"pit", pit, {1, 1, 1}},
    {"tunnel", tunnel, {0, 2, 3}},
    {"overhang", overhang, {2, 2, 0}},
};
} // namespace

const Idea *table(int *count)
{
    *count = int(sizeof(ideas) / sizeof(ideas[0]));
    return ideas;
}

} // namespace Ideas
