#include "levels/puzzles/version3/Ideas.h"

#include "levels/puzzles/SeededRandom.h"
#include "levels/puzzles/version3/Contour.h"
#include "levels/puzzles/version3/Shapes.h"

namespace Ideas {

std::optional<Sketch> divider(Seed::Tier tier, SeededRandom &random)
{
    using namespace Shapes;
    Sketch sketch;
    const int kind = Sketch::anyColour(random);
    // A wall from the ceiling across the room, leaving one gap above the floor; the goal waits in
    // its shadow, set into its far face, or on the far wall.
    const int gap = tier == Seed::Easy ? Sketch::pick(random, 110, 140) : tier == Seed::Medium ? Sketch::pick(random, 80, 110)
                                                                                               : Sketch::pick(random, 60, 80);
    const int centre = Sketch::pick(random, 340, 460);
    const int thick = Sketch::pick(random, 40, 70);
    const int lean = Sketch::pick(random, -40, 40);
    const int end = bottom - gap;
    const int goal = Sketch::goalOf(kind);
    const bool inShadow = random.chance(0.5);
    // Drawn down its far face, round its end and up its near face: the mass between.
    Contour wall;
    wall.corner({centre + thick + Sketch::pick(random, 20, 60), top}).to({centre + thick + lean / 3, (top + end) / 2 - 40});
    if (inShadow) {
        const int low = std::min(end - 40, Sketch::pick(random, 300, 360));
        wall.notch({centre + thick + lean / 3, low - Sketch::pick(random, 90, 120)}, {centre + thick + lean / 2, low}, 20, 5, goal, &sketch);
    }
    wall.to({centre + thick / 2 + lean, end - Sketch::pick(random, 0, 20)})
        .to({centre - thick / 2 + lean, end})
        .to({centre - thick + lean / 2, (top + end) / 2})
        .corner({centre - thick - Sketch::pick(random, 20, 60), top});
    sketch.hazard(wall.points());
    if (!inShadow) {
        const int from = Sketch::pick(random, 60, 300);
        const int length = Sketch::pick(random, 100, 150);
        sketch.goal(goal, strip({right, from + length}, {right, from}, 20, 0));
    }
    const int x = Sketch::pick(random, 60, centre - thick - 80);
    const int y = Sketch::pick(random, 200, 400);
    sketch.particle(kind, {x, y});
    const int own = random.uniform(1, 2);
    sketch.wellsFor(kind, own, tier == Seed::Easy ? 0 : 1);
    return sketch;
}

} // namespace Ideas
