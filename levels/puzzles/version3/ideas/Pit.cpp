#include "levels/puzzles/version3/Ideas.h"

#include "levels/puzzles/SeededRandom.h"
#include "levels/puzzles/version3/Contour.h"
#include "levels/puzzles/version3/Shapes.h"

namespace Ideas {

std::optional<Sketch> pit(Seed::Tier tier, SeededRandom &random)
{
    using namespace Shapes;
    Sketch sketch;
    const int kind = Sketch::anyColour(random);
    // The floor stands high on both sides of a pit whose bottom holds the goal: over, then down.
    const int width = tier == Seed::Easy ? Sketch::pick(random, 130, 170) : tier == Seed::Medium ? Sketch::pick(random, 100, 130)
                                                                                                 : Sketch::pick(random, 70, 100);
    const int from = Sketch::pick(random, 300, 440 - width / 2);
    const int to = from + width;
    const int nearTop = Sketch::pick(random, 300, 360);
    const int farTop = Sketch::pick(random, 260, 360);
    const int nearSlope = Sketch::pick(random, 0, 40);
    const int farSlope = Sketch::pick(random, 0, 40);
    if (random.chance(0.5)) {
        sketch.hazard({{left, bottom}, {left, nearTop + nearSlope}, {from - 30, nearTop}, {from, nearTop + 10}, {from, bottom}});
        sketch.hazard({{to, bottom}, {to, farTop + 10}, {to + 30, farTop}, {right, farTop + farSlope}, {right, bottom}});
    } else {
        // Rolling ground, the pit's walls leaning in: a funnel down to the goal.
        const int lean = Sketch::pick(random, 10, 30);
        Contour near;
        near.corner({left, nearTop + nearSlope})
            .to({(left + from) / 2, nearTop - Sketch::pick(random, 0, 40)})
            .to({from - 30, nearTop + 10})
            .corner({from - lean, nearTop + 30})
            .corner({from, bottom - 40})
            .corner({from, bottom});
        QVector<QPoint> nearMass = near.points();
        nearMass += {QPoint(left, bottom)};
        sketch.hazard(nearMass);
        Contour far;
        far.corner({to, bottom})
            .corner({to, bottom - 40})
            .corner({to + lean, farTop + 30})
            .to({to + 30, farTop + 10})
            .to({(to + right) / 2, farTop - Sketch::pick(random, 0, 40)})
            .corner({right, farTop + farSlope});
        QVector<QPoint> farMass = far.points();
        farMass += {QPoint(right, bottom)};
        sketch.hazard(farMass);
    }
    sketch.goal(Sketch::goalOf(kind), strip({from, bottom}, {to, bottom}, 20, 0));
    // On the near floor, or high above it.
    const int x = Sketch::pick(random, 80, from - 80);
    const int y = random.chance(0.5) ? nearTop - 40 : Sketch::pick(random, 200, nearTop - 80);
    sketch.particle(kind, {x, y});
    sketch.wellsFor(kind, tier == Seed::Easy ? 2 : random.uniform(2, 3), 0);
    return sketch;
}

} // namespace Ideas
