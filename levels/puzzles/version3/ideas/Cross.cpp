#include "levels/puzzles/version3/Ideas.h"

#include "levels/puzzles/SeededRandom.h"
#include "levels/puzzles/version3/Shapes.h"

namespace Ideas {

std::optional<Sketch> cross(Seed::Tier tier, SeededRandom &random)
{
    using namespace Shapes;
    Sketch sketch;
    // Four wedges, one from each side, leave an X of free space: from one arm to the far one.
    const int narrow = tier == Seed::Easy ? 0 : tier == Seed::Medium ? 20 : 40;
    const int sideTip = Sketch::pick(random, 180, 220) + narrow;
    const int sideY = Sketch::pick(random, 220, 260);
    const int wallTip = Sketch::pick(random, 130, 160) + narrow / 2;
    const int spread = Sketch::pick(random, 130, 170);
    sketch.hazard({{left, top}, {left + sideTip, sideY}, {left, bottom}});
    sketch.hazard({{right, top}, {right, bottom}, {right - sideTip, sideY}});
    sketch.hazard({{400 - spread, top}, {400 + spread, top}, {400, top + wallTip}});
    sketch.hazard({{400 - spread, bottom}, {400, bottom - wallTip}, {400 + spread, bottom}});

    // In the top left arm, to the goal at the end of the top right one: down round the top wedge
    // and up again.
    const int kind = Sketch::anyColour(random);
    const int x = Sketch::pick(random, 150, 210);
    const int y = Sketch::pick(random, 50, 70);
    sketch.particle(kind, {x, y});
    const int goal = Sketch::goalOf(kind);
    if (random.chance(0.5)) {
        const int length = Sketch::pick(random, 120, 170);
        sketch.goal(goal, strip({right - 10, top}, {right - 10 - length, top}, 20, 8));
    } else {
        const int length = Sketch::pick(random, 80, 120);
        sketch.goal(goal, strip({right, top + 10 + length}, {right, top + 10}, 20, 0));
    }
    sketch.wellsFor(kind, tier == Seed::Easy ? 2 : 3, tier == Seed::Hard ? 0 : 1);
    return sketch;
}

} // namespace Ideas
