#include "levels/puzzles/version3/Ideas.h"

#include "levels/puzzles/SeededRandom.h"
#include "levels/puzzles/version3/Contour.h"
#include "levels/puzzles/version3/Shapes.h"

namespace Ideas {

std::optional<Sketch> pong(Seed::Tier tier, SeededRandom &random)
{
    using namespace Shapes;
    Sketch sketch;
    const int kind = Sketch::anyColour(random);
    const int goal = Sketch::goalOf(kind);
    // Two masses from the side walls face each other across the room, a goal set into each face;
    // a particle for each goal, both sent at once.
    const int nearFace = Sketch::pick(random, 100, 160);
    const int nearGoal = Sketch::pick(random, 170, 230);
    const int nearLength = Sketch::pick(random, 70, 100);
    Contour nearWall;
    nearWall.corner({Sketch::pick(random, 300, 360), top})
        .to({Sketch::pick(random, 160, 220), top + Sketch::pick(random, 20, 40)})
        .to({nearFace + 10, nearGoal - 40})
        .notch({nearFace, nearGoal}, {nearFace, nearGoal + nearLength}, 20, 6, goal, &sketch)
        .to({nearFace - Sketch::pick(random, 0, 20), nearGoal + nearLength + Sketch::pick(random, 50, 70)})
        .corner({left, Sketch::pick(random, 380, 400)});
    QVector<QPoint> near = nearWall.points();
    near += {QPoint(left, top)};
    sketch.hazard(near);

    const int farFace = Sketch::pick(random, 620, 680);
    const int farGoal = Sketch::pick(random, 300, 350);
    Contour farWall;
    farWall.corner({Sketch::pick(random, 440, 520), bottom})
        .to({Sketch::pick(random, 540, 580), bottom - Sketch::pick(random, 30, 50)})
        .to({farFace - 10, farGoal + Sketch::pick(random, 40, 60)})
        .notch({farFace, farGoal}, {farFace, farGoal - Sketch::pick(random, 70, 100)}, 20, 6, goal, &sketch)
        .to({farFace - Sketch::pick(random, 10, 40), farGoal - Sketch::pick(random, 140, 180)})
        .to({Sketch::pick(random, 560, 620), top + Sketch::pick(random, 20, 60)})
        .corner({Sketch::pick(random, 520, 560), top});
    QVector<QPoint> far = farWall.points();
    far += {QPoint(right, top), QPoint(right, bottom)};
    sketch.hazard(far);

    const int x = Sketch::pick(random, 300, 380);
    sketch.particle(kind, {x, Sketch::pick(random, 260, 300)});
    const int second = tier == Seed::Easy ? 0 : Sketch::pick(random, 80, 140);
    if (second > 0)
        sketch.particle(kind, {x + second, Sketch::pick(random, 270, 340)});
    sketch.wellsFor(kind, tier == Seed::Hard ? 1 : 2, tier == Seed::Easy ? 0 : 1);
    return sketch;
}

} // namespace Ideas
