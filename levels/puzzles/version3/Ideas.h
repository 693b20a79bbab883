#ifndef SWIRLFALL_IDEAS_H
#define SWIRLFALL_IDEAS_H

#include "levels/puzzles/Seed.h"
#include "levels/puzzles/version3/Sketch.h"

#include <optional>

class SeededRandom;

// The ideas version 3 draws its levels from, each one readable idea in a few bold shapes, each a
// function of its own in ideas/: a new idea is one new file and one row of the table. An idea
// draws in its own orientation (the composer may turn it over), offers the wells its plan may
// want, and answers none when a draw does not make its idea. Frozen once released, as the table's
// order and weights are: they decide what a seed gives.
namespace Ideas {

using Draw = std::optional<Sketch> (*)(Seed::Tier tier, SeededRandom &random);

struct Idea
{
    const char *name;
    Draw draw;
    // How often a tier's puzzles show it, against the others.
    int weights[3];
};

// Every idea, in the order a seed draws from.
const Idea *table(int *count);

// Over a hill from the floor, to a goal in its lee.
std::optional<Sketch> hill(Seed::Tier tier, SeededRandom &random);
// Between a wedge hanging from the ceiling and a peak rising from the floor.
std::optional<Sketch> chicane(Seed::Tier tier, SeededRandom &random);
// Through the one gap of a wall across the room.
std::optional<Sketch> divider(Seed::Tier tier, SeededRandom &random);
// A row of particles through a funnel to the goal at its mouth.
std::optional<Sketch> funnel(Seed::Tier tier, SeededRandom &random);
// Round a big round rock, to a goal on its far side.
std::optional<Sketch> orbit(Seed::Tier tier, SeededRandom &random);
// Up onto a ledge whose top holds the goal.
std::optional<Sketch> ledge(Seed::Tier tier, SeededRandom &random);
// Along a corridor that turns a corner.
std::optional<Sketch> corridor(Seed::Tier tier, SeededRandom &random);
// Two colours on mirrored halves, each going home across the other's side.
std::optional<Sketch> crossing(Seed::Tier tier, SeededRandom &random);
// Into a niche that faces away: round the block, then back.
std::optional<Sketch> niche(Seed::Tier tier, SeededRandom &random);
// Wedges from the four sides leave an X: from one arm round a wedge into another.
std::optional<Sketch> cross(Seed::Tier tier, SeededRandom &random);
// Round rocks in a ring round a round goal, one way in.
std::optional<Sketch> rockRing(Seed::Tier tier, SeededRandom &random);
// Round a cave whose walls hold the goal high in the far wall.
std::optional<Sketch> cave(Seed::Tier tier, SeededRandom &random);
// Two masses face each other, a goal set into each, a particle for each.
std::optional<Sketch> pong(Seed::Tier tier, SeededRandom &random);
// Over the high floor, down into the pit whose bottom holds the goal.
std::optional<Sketch> pit(Seed::Tier tier, SeededRandom &random);
// Up under a mass curling over the room, into the goal set into its underside.
std::optional<Sketch> overhang(Seed::Tier tier, SeededRandom &random);
// Along a tunnel through solid rock, turning once or more, to the goal across its far end.
std::optional<Sketch> tunnel(Seed::Tier tier, SeededRandom &random);
// Over a peak, down into the valley between two.
std::optional<Sketch> valley(Seed::Tier tier, SeededRandom &random);

} // namespace Ideas

#endif
