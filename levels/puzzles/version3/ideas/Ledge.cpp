#include "levels/puzzles/version3/Ideas.h"

#include "levels/puzzles/SeededRandom.h"
#include "levels/puzzles/version3/Contour.h"
#include "levels/puzzles/version3/Shapes.h"

namespace Ideas {

std::optional<Sketch> ledge(Seed::Tier tier, SeededRandom &random)
{
    using namespace Shapes;
    Sketch sketch;
    const int kind = Sketch::anyColour(random);
    // The ground rises on the far side to a ledge whose top holds the goal, then on up the wall.
    const int level = tier == Seed::Easy ? Sketch::pick(random, 300, 340) : Sketch::pick(random, 250, 320);
    const int from = Sketch::pick(random, 400, 470);
    const int to = from + Sketch::pick(random, 150, 200);
    const int foot = Sketch::pick(random, 180, 280);
    const int wall = Sketch::pick(random, 160, level - 60);
    Contour ground;
    ground.corner({foot, bottom})
        .to({foot + Sketch::pick(random, 120, 180), bottom - Sketch::pick(random, 40, 70)})
        .to({from - Sketch::pick(random, 10, 30), level + Sketch::pick(random, 20, 40)})
        .corner({from - 10, level})
        .notch({from, level}, {to, level}, 20, 10, Sketch::goalOf(kind), &sketch)
        .corner({to + 10, level})
        .to({to + Sketch::pick(random, 40, 70), level - Sketch::pick(random, 20, 40)})
        .corner({right, wall});
    QVector<QPoint> mass = ground.points();
    mass += {QPoint(right, bottom)};
    sketch.hazard(mass);

    const int x = Sketch::pick(random, 60, 240);
    const int y = Sketch::pick(random, tier == Seed::Easy ? 200 : 60, 300);
    sketch.particle(kind, {x, y});
    // Pushed from behind by the other colour, or pulled and let go.
    const bool push = tier != Seed::Easy && random.chance(0.2);
    if (push)
        sketch.wellsFor(kind, 0, 2);
    else
        sketch.wellsFor(kind, tier == Seed::Easy ? 1 : 2, 0);
    return sketch;
}

} // namespace Ideas
