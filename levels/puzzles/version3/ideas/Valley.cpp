#include "levels/puzzles/version3/Ideas.h"

#include "levels/puzzles/SeededRandom.h"
#include "levels/puzzles/version3/Contour.h"
#include "levels/puzzles/version3/Shapes.h"

namespace Ideas {

std::optional<Sketch> valley(Seed::Tier tier, SeededRandom &random)
{
    using namespace Shapes;
    Sketch sketch;
    const int kind = Sketch::anyColour(random);
    // Two peaks from the floor, the goal set into the valley floor between them.
    const int floor = Sketch::pick(random, 370, 400);
    const int width = tier == Seed::Hard ? Sketch::pick(random, 90, 120) : Sketch::pick(random, 130, 170);
    const int from = Sketch::pick(random, 320, 380);
    const int to = from + width;
    const int nearPeak = tier == Seed::Easy ? Sketch::pick(random, 320, 350) : Sketch::pick(random, 220, 280);
    const int farPeak = tier == Seed::Easy ? Sketch::pick(random, 260, 320) : Sketch::pick(random, 180, 260);
    const int nearFoot = from - Sketch::pick(random, 140, 200);
    const int goal = Sketch::goalOf(kind);
    // The far peak's outer slope down to the frame, and the ground closed along the bottom.
    const auto closeBeyond = [&](Contour &ground) {
        ground.to({to + Sketch::pick(random, 130, 170), farPeak + Sketch::pick(random, 40, 80)})
            .corner({right, Sketch::pick(random, 300, 380)});
        QVector<QPoint> mass = ground.points();
        mass += {QPoint(right, bottom)};
        sketch.hazard(mass);
    };
    switch (random.uniform(0, 2)) {
    case 0: {
        // Rounded hills, the goal set into the valley floor.
        Contour ground;
        ground.corner({nearFoot, bottom})
            .to({from - Sketch::pick(random, 50, 70), nearPeak})
            .to({from - 10, floor - 10})
            .notch({from, floor}, {to, floor}, 20, 6, goal, &sketch)
            .to({to + 10, floor - 10})
            .to({to + Sketch::pick(random, 50, 80), farPeak});
        closeBeyond(ground);
        break;
    }
    case 1: {
        // Two bold peaks of straight slopes on a floor, the goal along the floor between them.
        const int farFoot = to + Sketch::pick(random, 120, 200);
        const int nearTip = from - Sketch::pick(random, 40, 70);
        const int farTip = to + Sketch::pick(random, 30, 60);
        sketch.hazard({{nearFoot, bottom}, {nearTip, nearPeak}, {from, floor}, {to, floor}, {farTip, farPeak}, {farFoot, bottom}});
        sketch.goal(goal, strip({from + 10, floor}, {to - 10, floor}, 20, 4));
        break;
    }
    default: {
        // The goal set into the far peak's inner slope, low down: a drop, then a turn.
        Contour ground;
        const QPoint low(to, floor - 10);
        const QPoint tip(to + Sketch::pick(random, 50, 80), farPeak);
        ground.corner({nearFoot, bottom})
            .to({from - Sketch::pick(random, 50, 70), nearPeak})
            .to({from, floor})
            .corner(low)
            .notch(Shapes::along(low, tip, 0.15), Shapes::along(low, tip, 0.6), 20, 5, goal, &sketch)
            .corner(tip);
        closeBeyond(ground);
        break;
    }
    }
    const int x = Sketch::pick(random, 60, nearFoot - 40);
    const int y = Sketch::pick(random, 250, 380);
    sketch.particle(kind, {x, y});
    sketch.wellsFor(kind, tier == Seed::Easy ? 1 : 2, 1);
    return sketch;
}

} // namespace Ideas
