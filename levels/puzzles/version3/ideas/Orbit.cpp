#include "levels/puzzles/version3/Ideas.h"

#include "levels/puzzles/SeededRandom.h"
#include "levels/puzzles/Outline.h"
#include "levels/puzzles/version3/Contour.h"
#include "levels/puzzles/version3/Shapes.h"

namespace Ideas {

std::optional<Sketch> orbit(Seed::Tier tier, SeededRandom &random)
{
    using namespace Shapes;
    Sketch sketch;
    const int radius = tier == Seed::Easy ? Sketch::pick(random, 90, 110) : tier == Seed::Medium ? Sketch::pick(random, 110, 140)
                                                                                                 : Sketch::pick(random, 130, 160);
    const int cx = Sketch::pick(random, 360, 440);
    const int cy = Sketch::pick(random, 220, 260);
    // Round, drawn out along the way or across it, or a boulder drawn by hand.
    const int stretch = random.chance(0.5) ? 0 : Sketch::pick(random, -40, 40);
    if (random.chance(0.5)) {
        sketch.hazard(oval({cx, cy}, radius + stretch, radius - stretch));
    } else {
        constexpr int bulges = 8;
        Contour boulder;
        // From its right-hand point round and back to it, each bulge a little in or out.
        boulder.corner({cx + radius + stretch, cy});
        for (int i = 1; i < bulges; ++i) {
            const QPointF d = Outline::direction(i * Outline::directions / bulges);
            const int r = radius + Sketch::pick(random, -20, 20);
            boulder.to(QPoint(cx, cy) + Outline::rounded(QPointF(d.x() * (r + stretch), d.y() * (r - stretch))));
        }
        boulder.corner({cx + radius + stretch, cy});
        sketch.hazard(boulder.points());
    }

    // Now and then a smaller moon above or below, the way round the other side kept open.
    if (random.chance(0.4)) {
        const int moon = Sketch::pick(random, 30, 50);
        const int gap = Sketch::pick(random, 50, 70);
        const int my = random.chance(0.5) ? cy - radius - gap - moon : cy + radius + gap + moon;
        if (my - moon > top + gap / 2 && my + moon < bottom - gap / 2)
            sketch.hazard(circle({cx + Sketch::pick(random, -60, 60), my}, moon));
    }

    const int kind = Sketch::anyColour(random);
    const int x = Sketch::pick(random, 80, cx - radius - 80);
    const int y = Sketch::pick(random, cy - 40, cy + 100);
    sketch.particle(kind, {x, y});
    const int goal = Sketch::goalOf(kind);
    if (random.chance(0.6)) {
        // A round goal, behind the rock from where the particle starts.
        const int size = Sketch::pick(random, 30, 40);
        const int gx = Sketch::pick(random, cx + radius + 60, right - 60);
        const int gy = Sketch::pick(random, cy + 10, cy + 90);
        sketch.goal(goal, circle({gx, gy}, size));
    } else {
        const int from = Sketch::pick(random, cy - 80, cy);
        const int length = Sketch::pick(random, 100, 140);
        sketch.goal(goal, strip({right, from + length}, {right, from}, 20, 0));
    }
    // A slingshot wants its well kept while the particle swings round, then gone.
    const int own = tier == Seed::Easy ? 2 : random.uniform(1, 2);
    sketch.wellsFor(kind, own, 1);
    return sketch;
}

} // namespace Ideas
