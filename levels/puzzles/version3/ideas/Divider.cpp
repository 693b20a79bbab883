#include "levels/puzzles/version3/Ideas.h"

#include "levels/puzzles/SeededRandom.h"
#include "levels/puzzles/version3/Shapes.h"

namespace Ideas {

std::optional<Sketch> divider(Seed::Tier tier, SeededRandom &random)
{
    using namespace Shapes;
    Sketch sketch;
    const int kind = Sketch::anyColour(random);
    // One bold wall from the ceiling splits the room, leaving one gap above the floor: an inverted
    // triangle, or a slab narrowing as it goes down. The goal lines its far face, or the floor
    // beyond it.
    const int gap = tier == Seed::Easy ? Sketch::pick(random, 110, 140) : tier == Seed::Medium ? Sketch::pick(random, 80, 110)
                                                                                               : Sketch::pick(random, 60, 80);
    const int centre = Sketch::pick(random, 340, 460);
    const int half = Sketch::pick(random, 60, 150);
    const int end = bottom - gap;
    const int tipHalf = random.chance(0.5) ? 0 : Sketch::pick(random, 10, 30);
    const int lean = Sketch::pick(random, -30, 30);
    const QPoint nearTip(centre + lean - tipHalf, end);
    const QPoint farTip(centre + lean + tipHalf, end);
    const QPoint farTop(centre + half, top);
    QVector<QPoint> wall{{centre - half, top}, farTop, farTip};
    if (tipHalf > 0)
        wall.append(nearTip);
    sketch.hazard(wall);

    const int goal = Sketch::goalOf(kind);
    if (random.chance(0.6)) {
        sketch.goal(goal, strip(along(farTip, farTop, Sketch::pick(random, 35, 45) / 100.0), along(farTip, farTop, 0.08), 20, 6));
    } else {
        // A mound on the far floor holds the goal on its top.
        const int from = std::max(farTip.x() + 80, 480);
        const int to = std::min(from + Sketch::pick(random, 140, 200), 760);
        const int height = Sketch::pick(random, 50, 80);
        sketch.hazard({{from - 40, bottom}, {from, bottom - height}, {to, bottom - height}, {to + 30, bottom}});
        sketch.goal(goal, strip({from + 10, bottom - height}, {to - 10, bottom - height}, 20, 8));
    }
    const int x = Sketch::pick(random, 60, centre - half);
    const int y = Sketch::pick(random, 240, 400);
    sketch.particle(kind, {x, y});
    const int own = random.uniform(1, 2);
    sketch.wellsFor(kind, own, tier == Seed::Easy ? 0 : 1);
    return sketch;
}

} // namespace Ideas
