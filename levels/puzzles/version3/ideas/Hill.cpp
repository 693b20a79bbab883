#include "levels/puzzles/version3/Ideas.h"

#include "levels/puzzles/SeededRandom.h"
#include "levels/puzzles/version3/Shapes.h"

namespace Ideas {

std::optional<Sketch> hill(Seed::Tier tier, SeededRandom &random)
{
    using namespace Shapes;
    Sketch sketch;
    const int kind = Sketch::anyColour(random);
    // A bold hill standing on the floor, to go over, a peak or a plateau: the goal beyond it, along
    // its far face, on the far wall, or in a far corner.
    const int foot = Sketch::pick(random, 180, 280);
    const int summit = foot + Sketch::pick(random, 120, 180);
    const int farFoot = std::min(summit + Sketch::pick(random, 120, 200), right - 60);
    const int peak = tier == Seed::Easy ? Sketch::pick(random, 310, 350)
        : tier == Seed::Medium          ? Sketch::pick(random, 230, 290)
                                        : Sketch::pick(random, 140, 190);
    const int plateau = random.chance(0.5) ? 0 : Sketch::pick(random, 40, 90);
    const QPoint crestFar(summit + plateau / 2, peak);
    const QPoint farBase(farFoot, bottom);
    QVector<QPoint> hill{{foot, bottom}, {summit - plateau / 2, peak}};
    if (plateau > 0)
        hill.append(crestFar);
    hill.append(farBase);
    sketch.hazard(hill);
    const int goal = Sketch::goalOf(kind);
    switch (random.uniform(0, 2)) {
    case 0:
        sketch.goal(goal, strip(along(crestFar, farBase, 0.15), along(crestFar, farBase, Sketch::pick(random, 50, 65) / 100.0), 20, 6));
        break;
    case 1: {
        const int low = Sketch::pick(random, 300, 400);
        sketch.goal(goal, strip({right, low}, {right, low - Sketch::pick(random, 100, 150)}, 20, 0));
        break;
    }
    default: {
        const int across = Sketch::pick(random, 110, 160);
        const int down = Sketch::pick(random, 60, 80);
        sketch.goal(goal, {{right - across, top}, {right, top}, {right, top + down}, {right - across / 3, top + down / 3}});
        break;
    }
    }
    const int start = bottom - 40;
    const int x = Sketch::pick(random, 60, foot - 100);
    const int y = Sketch::pick(random, 250, start - 40);
    sketch.particle(kind, {x, y});
    const bool push = tier != Seed::Easy && random.chance(0.15);
    if (push)
        sketch.wellsFor(kind, 0, 2);
    else
        sketch.wellsFor(kind, 2, 0);
    return sketch;
}

} // namespace Ideas
