#include "levels/puzzles/version3/Ideas.h"

#include "levels/puzzles/SeededRandom.h"
#include "levels/puzzles/version3/Shapes.h"

namespace Ideas {

std::optional<Sketch> pit(Seed::Tier tier, SeededRandom &random)
{
    using namespace Shapes;
    Sketch sketch;
    const int kind = Sketch::anyColour(random);
    // The floor stands high on both sides of a pit whose bottom holds the goal: over, then down.
    const int width = tier == Seed::Easy ? Sketch::pick(random, 130, 170) : tier == Seed::Medium ? Sketch::pick(random, 100, 130)
                                                                                                 : Sketch::pick(random, 70, 100);
    const int from = Sketch::pick(random, 300, 440 - width / 2);
    const int to = from + width;
    const int nearTop = Sketch::pick(random, 300, 360);
    const int farTop = Sketch::pick(random, 260, 360);
    const int nearSlope = Sketch::pick(random, 0, 40);
    const int farSlope = Sketch::pick(random, 0, 40);
    sketch.hazard({{left, bottom}, {left, nearTop + nearSlope}, {from - 30, nearTop}, {from, nearTop + 10}, {from, bottom}});
    sketch.hazard({{to, bottom}, {to, farTop + 10}, {to + 30, farTop}, {right, farTop + farSlope}, {right, bottom}});
    sketch.goal(Sketch::goalOf(kind), strip({from, bottom}, {to, bottom}, 20, 0));
    // On the near floor, or high above it.
    const int x = Sketch::pick(random, 80, from - 80);
    const int y = random.chance(0.5) ? nearTop - 40 : Sketch::pick(random, 200, nearTop - 80);
    sketch.particle(kind, {x, y});
    sketch.wellsFor(kind, tier == Seed::Easy ? 2 : random.uniform(2, 3), 0);
    return sketch;
}

} // namespace Ideas
