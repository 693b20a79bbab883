#include "levels/puzzles/version3/Ideas.h"

namespace Ideas {
namespace {
// Easy, Medium, Hard.
const Idea ideas[] = {
    {"hill", hill, {2, 2, 1}},
    {"chicane", chicane, {2, 2, 2}},
    {"divider", divider, {1, 1, 0}},
    {"funnel", funnel, {1, 1, 0}},
    {"orbit", orbit, {1, 1, 1}},
    {"ledge", ledge, {2, 1, 0}},
    {"corridor", corridor, {0, 1, 1}},
    {"crossing", crossing, {2, 0, 0}},
    {"niche", niche, {0, 1, 2}},
    {"cross", cross, {0, 1, 0}},
    {"rocks", rockRing, {1, 0, 0}},
    {"cave", cave, {1, 0, 0}},
    {"pong", pong, {2, 0, 0}},
    {"valley", valley, {2, 2, 2}},
    {"pit", pit, {1, 2, 1}},
    {"tunnel", tunnel, {0, 2, 2}},
    {"overhang", overhang, {1, 2, 0}},
};
} // namespace

const Idea *table(int *count)
{
    *count = int(sizeof(ideas) / sizeof(ideas[0]));
    return ideas;
}

} // namespace Ideas
