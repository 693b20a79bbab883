#include "levels/puzzles/version3/Ideas.h"

#include "levels/puzzles/SeededRandom.h"
#include "levels/puzzles/version3/Contour.h"
#include "levels/puzzles/version3/Shapes.h"

namespace Ideas {

std::optional<Sketch> chicane(Seed::Tier tier, SeededRandom &random)
{
    using namespace Shapes;
    Sketch sketch;
    const int kind = Sketch::anyColour(random);
    // A wedge hangs from the ceiling and a peak rises from the floor beyond it: the way home is an
    // S between them. The harder, the further each reaches past the middle.
    const int reach = tier == Seed::Easy ? Sketch::pick(random, -60, -20) : tier == Seed::Medium ? Sketch::pick(random, -20, 30)
                                                                                                 : Sketch::pick(random, 0, 40);
    const int middle = 240;
    const int hangFrom = Sketch::pick(random, 180, 260);
    const int hangTo = hangFrom + Sketch::pick(random, 140, 220);
    const int hangTip = Sketch::pick(random, hangFrom + 40, hangTo - 40);
    const int hangBottom = middle + reach;
    // Drawn right to left along its underside: the mass above.
    Contour hanging;
    hanging.corner({hangTo, top})
        .to({hangTo - Sketch::pick(random, 10, 30), top + Sketch::pick(random, 60, 100)})
        .to({hangTip + Sketch::pick(random, 10, 20), hangBottom})
        .to({hangTip - Sketch::pick(random, 10, 30), hangBottom - Sketch::pick(random, 0, 20)})
        .to({hangFrom + Sketch::pick(random, 0, 30), top + Sketch::pick(random, 40, 80)})
        .corner({hangFrom, top});
    sketch.hazard(hanging.points());

    const int riseFrom = hangTo + Sketch::pick(random, 20, 100);
    const int riseTo = std::min(riseFrom + Sketch::pick(random, 160, 240), right - 40);
    const int riseTip = Sketch::pick(random, riseFrom + 40, riseTo - 40);
    const int riseTop = middle - reach;
    const int goal = Sketch::goalOf(kind);
    Contour rising;
    rising.corner({riseFrom, bottom})
        .to({riseFrom + Sketch::pick(random, 20, 40), bottom - Sketch::pick(random, 60, 100)})
        .to({riseTip - Sketch::pick(random, 10, 20), riseTop})
        .to({riseTip + Sketch::pick(random, 10, 30), riseTop + Sketch::pick(random, 0, 20)});
    const bool onFlank = random.chance(0.5);
    if (onFlank) {
        // Set into the peak's far flank.
        const int flankTop = std::max(riseTop + 60, 280);
        rising.notch({riseTo - 40, flankTop}, {riseTo - 10, flankTop + 90}, 20, 5, goal, &sketch);
    }
    rising.corner({riseTo, bottom});
    sketch.hazard(rising.points());
    if (!onFlank) {
        // Lining the far wall, high where the peak leaves the way open.
        const int high = Sketch::pick(random, 60, 140);
        const int length = Sketch::pick(random, 110, 170);
        sketch.goal(goal, strip({right, high + length}, {right, high}, 20, 0));
    }
    const int x = Sketch::pick(random, 60, hangFrom - 60);
    const int y = Sketch::pick(random, 260, 400);
    sketch.particle(kind, {x, y});
    sketch.wellsFor(kind, tier == Seed::Easy ? 2 : 3, 0);
    return sketch;
}

} // namespace Ideas
