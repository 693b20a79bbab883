#include "levels/puzzles/version3/Ideas.h"

#include "levels/puzzles/SeededRandom.h"
#include "levels/puzzles/version3/Contour.h"
#include "levels/puzzles/version3/Shapes.h"

namespace Ideas {

std::optional<Sketch> hill(Seed::Tier tier, SeededRandom &random)
{
    using namespace Shapes;
    Sketch sketch;
    const int kind = Sketch::anyColour(random);
    // A hill standing on the floor, to go over: the goal beyond it, set into its far flank, on the
    // far wall, or in a far corner.
    const int foot = Sketch::pick(random, 180, 280);
    const int summit = foot + Sketch::pick(random, 120, 180);
    const int farFoot = summit + Sketch::pick(random, 140, 220);
    const int peak = tier == Seed::Easy ? Sketch::pick(random, 310, 350)
        : tier == Seed::Medium          ? Sketch::pick(random, 230, 290)
                                        : Sketch::pick(random, 170, 230);
    const int crest = Sketch::pick(random, 0, 60);
    const int goal = Sketch::goalOf(kind);
    Contour hill;
    hill.corner({foot, bottom})
        .to({foot + (summit - foot) / 3, bottom - (bottom - peak) / 3 - Sketch::pick(random, 0, 30)})
        .to({summit - crest / 2 - 20, peak + 10})
        .to({summit + crest / 2, peak});
    const int place = random.uniform(0, 2);
    if (place == 0) {
        const QPoint high(summit + crest / 2 + 50, peak + 60);
        const QPoint low(farFoot - 40, std::min(bottom - 60, peak + 200));
        hill.notch(Shapes::along(high, low, 0.1), Shapes::along(high, low, 0.75), 20, 5, goal, &sketch);
    } else {
        hill.to({(summit + farFoot) / 2 + 20, (peak + bottom) / 2 + Sketch::pick(random, 0, 30)});
    }
    hill.corner({farFoot, bottom});
    sketch.hazard(hill.points());
    if (place == 1) {
        const int low = Sketch::pick(random, 300, 400);
        sketch.goal(goal, strip({right, low}, {right, low - Sketch::pick(random, 100, 150)}, 20, 0));
    } else if (place == 2) {
        const int along = Sketch::pick(random, 110, 160);
        const int down = Sketch::pick(random, 60, 80);
        sketch.goal(goal, {{right - along, top}, {right, top}, {right, top + down}, {right - along / 3, top + down / 3}});
    }
    const int start = bottom - 40;
    const int x = Sketch::pick(random, 60, foot - 100);
    const int y = Sketch::pick(random, 250, start - 40);
    sketch.particle(kind, {x, y});
    const bool push = tier != Seed::Easy && random.chance(0.3);
    if (push)
        sketch.wellsFor(kind, 0, 2);
    else
        sketch.wellsFor(kind, 2, 0);
    return sketch;
}

} // namespace Ideas
