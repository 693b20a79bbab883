#include "levels/puzzles/version3/Ideas.h"

#include "levels/puzzles/SeededRandom.h"
#include "levels/puzzles/version3/Contour.h"
#include "levels/puzzles/version3/Shapes.h"

namespace Ideas {

std::optional<Sketch> crossing(Seed::Tier tier, SeededRandom &random)
{
    using namespace Shapes;
    Sketch sketch;
    // Two wedges meet in the middle, leaving one gap both colours must pass, each the other's way;
    // or a diamond stands between them, to pass over or under.
    const int gap = tier == Seed::Easy ? Sketch::pick(random, 110, 130) : tier == Seed::Medium ? Sketch::pick(random, 90, 110)
                                                                                               : Sketch::pick(random, 70, 90);
    const int half = Sketch::pick(random, 90, 150);
    const int middle = 400;
    const int centre = Sketch::pick(random, 220, 280);
    const bool diamond = tier != Seed::Easy && random.chance(0.5);
    if (diamond) {
        const int tall = Sketch::pick(random, 80, 120);
        sketch.hazard({{middle, centre - tall}, {middle + half / 2 + 20, centre}, {middle, centre + tall}, {middle - half / 2 - 20, centre}});
    } else {
        Contour upper;
        upper.corner({middle + half, top})
            .to({middle + Sketch::pick(random, 20, 50), centre - gap / 2 - Sketch::pick(random, 30, 60)})
            .to({middle, centre - gap / 2})
            .to({middle - Sketch::pick(random, 20, 50), centre - gap / 2 - Sketch::pick(random, 30, 60)})
            .corner({middle - half, top});
        sketch.hazard(upper.points());
        Contour lower;
        lower.corner({middle - half, bottom})
            .to({middle - Sketch::pick(random, 20, 50), centre + gap / 2 + Sketch::pick(random, 30, 60)})
            .to({middle, centre + gap / 2})
            .to({middle + Sketch::pick(random, 20, 50), centre + gap / 2 + Sketch::pick(random, 30, 60)})
            .corner({middle + half, bottom});
        sketch.hazard(lower.points());
    }

    // Mirrored halves: each colour where the other is, left for right. In a harder tier the goals
    // stand away from the particles' height, and the ways home slant.
    const int kind = Sketch::anyColour(random);
    const int other = Sketch::otherOf(kind);
    const int x = Sketch::pick(random, 100, 220);
    const int y = Sketch::pick(random, centre - gap / 4, centre + gap / 4);
    sketch.particle(kind, {x, y});
    sketch.particle(other, {right + left - x, y});
    const int length = Sketch::pick(random, 100, 140);
    const int shift = tier == Seed::Hard ? Sketch::pick(random, 30, 60) : 0;
    // Turned half round, the goals too: one above the particles' height, the other as far below.
    const int high = y - length / 2 - shift;
    const int low = y - length / 2 + shift;
    sketch.goal(Sketch::goalOf(kind), strip({right, high + length}, {right, high}, 20, 0));
    sketch.goal(Sketch::goalOf(other), strip({left, low}, {left, low + length}, 20, 0));
    // One well may send both home; a harder one takes a well of each colour.
    sketch.wellsFor(kind, 1, tier == Seed::Hard ? 1 : 0);
    return sketch;
}

} // namespace Ideas
