#include "levels/puzzles/version3/Ideas.h"

#include "levels/puzzles/SeededRandom.h"
#include "levels/puzzles/version3/Contour.h"
#include "levels/puzzles/version3/Shapes.h"

namespace Ideas {

std::optional<Sketch> overhang(Seed::Tier tier, SeededRandom &random)
{
    using namespace Shapes;
    Sketch sketch;
    const int kind = Sketch::anyColour(random);
    // A mass from the far wall curls over the room; the goal is set into its underside, reached
    // only from below, by swinging up under it.
    const int reach = tier == Seed::Easy ? Sketch::pick(random, 300, 360) : Sketch::pick(random, 220, 300);
    const int lip = Sketch::pick(random, 310, 350);
    const int foot = Sketch::pick(random, 370, 410);
    const int goalFrom = Sketch::pick(random, 480, 540);
    const int goalLength = Sketch::pick(random, 90, 130);
    const int under = Sketch::pick(random, 260, 290);
    // Drawn from the far wall along its underside, round the lip and up its near face: the mass
    // above and beyond.
    Contour mass;
    mass.corner({right, foot + Sketch::pick(random, 20, 40)})
        .to({right - Sketch::pick(random, 40, 80), foot})
        .to({goalFrom + goalLength + 30, under + 10})
        .notch({goalFrom + goalLength, under}, {goalFrom, under}, 20, 6, Sketch::goalOf(kind), &sketch)
        .to({reach + Sketch::pick(random, 50, 80), lip + Sketch::pick(random, 10, 30)})
        .to({reach, lip})
        .to({reach + Sketch::pick(random, 0, 30), (top + lip) / 2})
        .corner({reach + Sketch::pick(random, 40, 100), top});
    QVector<QPoint> outline = mass.points();
    outline += {QPoint(right, top)};
    sketch.hazard(outline);
    const int x = Sketch::pick(random, 80, 240);
    const int y = Sketch::pick(random, 300, 400);
    sketch.particle(kind, {x, y});
    sketch.wellsFor(kind, 2, tier == Seed::Easy ? 0 : 1);
    return sketch;
}

} // namespace Ideas
