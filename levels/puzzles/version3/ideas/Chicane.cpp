#include "levels/puzzles/version3/Ideas.h"

#include "levels/puzzles/SeededRandom.h"
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
    // Bold straight edges, a corner or two each, as the two slabs of a chicane are drawn.
    const int hangFrom = Sketch::pick(random, 160, 260);
    const int hangTo = hangFrom + Sketch::pick(random, 120, 200);
    const int hangTip = Sketch::pick(random, hangFrom + 60, hangTo + 40);
    const int hangBottom = middle + reach;
    const int hangFlat = random.chance(0.5) ? 0 : Sketch::pick(random, 20, 40);
    QVector<QPoint> hanging{{hangFrom, top}, {hangTo, top}, {hangTip + hangFlat, hangBottom}};
    if (hangFlat > 0)
        hanging.append({hangTip, hangBottom});
    sketch.hazard(hanging);

    const int riseFrom = std::max(hangTo, hangTip) + Sketch::pick(random, 0, 80);
    const int riseTo = std::min(riseFrom + Sketch::pick(random, 180, 260), right - 20);
    const int riseTip = Sketch::pick(random, riseFrom - 40, riseTo - 80);
    const int riseTop = middle - reach;
    const QPoint tip(riseTip, riseTop);
    const QPoint foot(riseTo, bottom);
    sketch.hazard({{riseFrom, bottom}, tip, foot});

    const int goal = Sketch::goalOf(kind);
    if (random.chance(0.6)) {
        // Along the peak's far face, the whole way a particle coming over it can land on.
        sketch.goal(goal, strip(along(tip, foot, 0.12), along(tip, foot, Sketch::pick(random, 55, 75) / 100.0), 20, 6));
    } else {
        // Along the hanging wedge's near face, reached only by going round the peak and back.
        const QPoint high(hangFrom, top);
        const QPoint low(hangTip, hangBottom);
        sketch.goal(goal, strip(along(low, high, 0.15), along(low, high, 0.7), 18, 5));
    }
    const int x = Sketch::pick(random, 60, hangFrom - 60);
    const int y = Sketch::pick(random, 260, 400);
    sketch.particle(kind, {x, y});
    const int own = tier == Seed::Easy ? 2 : 3;
    sketch.wellsFor(kind, own, random.uniform(0, 1));
    return sketch;
}

} // namespace Ideas
