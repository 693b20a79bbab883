#include "levels/puzzles/version3/Ideas.h"

#include "levels/puzzles/SeededRandom.h"
#include "levels/puzzles/version3/Shapes.h"

namespace Ideas {

std::optional<Sketch> funnel(Seed::Tier tier, SeededRandom &random)
{
    using namespace Shapes;
    Sketch sketch;
    const int mouth = Sketch::pick(random, 200, 280);
    const int gap = tier == Seed::Easy ? Sketch::pick(random, 100, 130) : Sketch::pick(random, 70, 100);
    const int tipX = Sketch::pick(random, 480, 600);
    const int backX = Sketch::pick(random, 160, 280);
    // Two slabs from the ceiling and the floor, their tips the funnel's mouth.
    sketch.hazard({{backX, top}, {tipX + 60, top}, {tipX, mouth - gap / 2}});
    const int lowBack = Sketch::pick(random, 180, 300);
    sketch.hazard({{tipX, mouth + gap / 2}, {tipX + 60, bottom}, {lowBack, bottom}});

    // A row of particles, evenly spaced, waiting by the near wall.
    const int kind = Sketch::anyColour(random);
    const int count = tier == Seed::Easy ? random.uniform(2, 3) : random.uniform(3, 5);
    const int spacing = Sketch::pick(random, 30, 40);
    const int x = Sketch::pick(random, 60, 100);
    const int slant = random.chance(0.5) ? 0 : Sketch::pick(random, 10, 20);
    const int first = mouth - (count - 1) * spacing / 2;
    for (int i = 0; i < count; ++i)
        sketch.particle(kind, {x + i * slant, first + i * spacing});
    const int length = Sketch::pick(random, 120, 180);
    sketch.goal(Sketch::goalOf(kind), strip({right, mouth + length / 2}, {right, mouth - length / 2}, 20, 0));
    sketch.wellsFor(kind, tier == Seed::Easy ? 1 : 2, 0);
    return sketch;
}

} // namespace Ideas
