#include "levels/puzzles/version3/Ideas.h"

#include "levels/puzzles/SeededRandom.h"
#include "levels/puzzles/version3/Contour.h"
#include "levels/puzzles/version3/Shapes.h"

namespace Ideas {

std::optional<Sketch> niche(Seed::Tier tier, SeededRandom &random)
{
    using namespace Shapes;
    Sketch sketch;
    const int kind = Sketch::anyColour(random);
    // A tower from the floor, a niche cut into its far face: over the tower, then back into it.
    const int near = Sketch::pick(random, 300, 380);
    const int far = near + Sketch::pick(random, 170, 230);
    const int summit = Sketch::pick(random, 160, 220);
    const int opening = Sketch::pick(random, 260, 300);
    const int height = tier == Seed::Hard ? Sketch::pick(random, 80, 110) : Sketch::pick(random, 100, 120);
    const int depth = Sketch::pick(random, 50, 80);
    Contour tower;
    tower.corner({near - Sketch::pick(random, 20, 50), bottom})
        .to({near + Sketch::pick(random, 0, 20), (summit + bottom) / 2})
        .to({near + Sketch::pick(random, 30, 50), summit})
        .to({far - Sketch::pick(random, 40, 70), summit - Sketch::pick(random, 0, 20)})
        .to({far, summit + Sketch::pick(random, 30, 50)})
        .corner({far, opening})
        .corner({far - depth, opening})
        .corner({far - depth, opening + height})
        .corner({far, opening + height})
        .to({far + Sketch::pick(random, 0, 20), opening + height + Sketch::pick(random, 40, 60)})
        .corner({far + Sketch::pick(random, 20, 50), bottom});
    sketch.hazard(tower.points());
    // Lining the niche's back wall.
    sketch.goal(Sketch::goalOf(kind), strip({far - depth, opening}, {far - depth, opening + height}, 20, 0));
    const int x = Sketch::pick(random, 60, near - 100);
    const int y = Sketch::pick(random, 240, 380);
    sketch.particle(kind, {x, y});
    sketch.wellsFor(kind, 2, 1);
    return sketch;
}

} // namespace Ideas
