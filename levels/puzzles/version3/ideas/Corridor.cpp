#include "levels/puzzles/version3/Ideas.h"

#include "levels/puzzles/SeededRandom.h"
#include "levels/puzzles/version3/Shapes.h"

namespace Ideas {

std::optional<Sketch> corridor(Seed::Tier tier, SeededRandom &random)
{
    using namespace Shapes;
    Sketch sketch;
    const int width = tier == Seed::Easy ? Sketch::pick(random, 120, 150) : tier == Seed::Medium ? Sketch::pick(random, 100, 130)
                                                                                                 : Sketch::pick(random, 80, 110);
    // Along the ceiling, then down a shaft whose floor holds the goal.
    // The shaft in the room, or down the far wall.
    const bool atWall = random.chance(0.5);
    const int shaft = atWall ? right - width : Sketch::pick(random, 440, 600);
    const int floor = Sketch::pick(random, 340, 400);
    const int ceiling = top + width;
    const int cut = Sketch::pick(random, 0, 40);
    sketch.hazard({{left, ceiling}, {shaft - cut, ceiling}, {shaft, ceiling + cut}, {shaft, floor}, {shaft + width, floor},
                   {shaft + width, bottom}, {left, bottom}});
    if (!atWall)
        sketch.hazard({{shaft + width, ceiling + cut}, {shaft + width + cut, ceiling}, {right, ceiling}, {right, bottom},
                       {shaft + width, bottom}});
    const int kind = Sketch::anyColour(random);
    const int x = Sketch::pick(random, 60, 140);
    sketch.particle(kind, {x, top + width / 2});
    sketch.goal(Sketch::goalOf(kind), strip({shaft, floor}, {shaft + width, floor}, 20, 0));
    const int own = tier == Seed::Easy ? 2 : 3;
    sketch.wellsFor(kind, own, tier == Seed::Hard ? 0 : 1);
    return sketch;
}

} // namespace Ideas
