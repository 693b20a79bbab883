#include "levels/puzzles/version3/Ideas.h"

#include "levels/puzzles/Outline.h"
#include "levels/puzzles/SeededRandom.h"
#include "levels/puzzles/version3/Shapes.h"

namespace Ideas {

std::optional<Sketch> rockRing(Seed::Tier tier, SeededRandom &random)
{
    using namespace Shapes;
    Sketch sketch;
    // Round rocks of different sizes in a ring round a round goal, one way in between them.
    // Drawn one after the other, height first: as arguments of one call, the order they are drawn
    // in is the compiler's, and a seed gave another level when built by another.
    const int centreY = Sketch::pick(random, 270, 310);
    const QPoint centre(Sketch::pick(random, 500, 580), centreY);
    const int rocks = tier == Seed::Easy ? 3 : 4;
    const int opening = random.uniform(0, Outline::directions - 1);
    const int gap = tier == Seed::Hard ? 2 : 3;
    const int step = (Outline::directions - 2 * gap) / (rocks - 1);
    for (int i = 0; i < rocks; ++i) {
        // Each its own size: a big one, a small one.
        const int radius = i == 0 ? Sketch::pick(random, 70, 100) : Sketch::pick(random, 30, 70);
        const int distance = radius + Sketch::pick(random, 60, 90);
        const int towards = opening + gap + i * step;
        sketch.hazard(circle(centre + Outline::rounded(Outline::direction(towards) * distance), radius));
    }
    const int kind = Sketch::anyColour(random);
    const int x = Sketch::pick(random, 80, 200);
    const int y = Sketch::pick(random, 250, 380);
    sketch.particle(kind, {x, y});
    sketch.goal(Sketch::goalOf(kind), circle(centre, Sketch::pick(random, 30, 40)));
    sketch.wellsFor(kind, 2, tier == Seed::Easy ? 0 : 1);
    return sketch;
}

} // namespace Ideas
