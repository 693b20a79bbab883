#include "levels/puzzles/version3/Ideas.h"

#include "levels/puzzles/SeededRandom.h"
#include "levels/puzzles/version3/Contour.h"
#include "levels/puzzles/version3/Shapes.h"

namespace Ideas {

std::optional<Sketch> cave(Seed::Tier tier, SeededRandom &random)
{
    using namespace Shapes;
    Sketch sketch;
    const int kind = Sketch::anyColour(random);
    // One mass walls the room in on three sides; the goal is set into its far wall, high up, where
    // only a long swing round the cave reaches it.
    const int leftFoot = Sketch::pick(random, 240, 320);
    const int roof = Sketch::pick(random, 60, 90);
    const int farWall = Sketch::pick(random, 640, 700);
    const int goalTop = Sketch::pick(random, 190, 230);
    const int goalLength = Sketch::pick(random, 90, 130);
    const int floorFoot = Sketch::pick(random, 560, 640);
    // Drawn from the floor up the far wall, along the roof and down the near wall: the mass outside.
    Contour wall;
    wall.corner({floorFoot - Sketch::pick(random, 0, 30), bottom})
        .to({farWall - Sketch::pick(random, 0, 20), goalTop + goalLength + Sketch::pick(random, 60, 90)})
        .notch({farWall, goalTop + goalLength}, {farWall, goalTop}, 20, 6, Sketch::goalOf(kind), &sketch)
        .to({farWall - Sketch::pick(random, 40, 80), roof + Sketch::pick(random, 10, 30)})
        .to({Sketch::pick(random, 300, 420), roof})
        .to({left + Sketch::pick(random, 40, 80), roof + Sketch::pick(random, 40, 80)})
        .corner({left, leftFoot});
    QVector<QPoint> mass = wall.points();
    mass += {QPoint(left, top), QPoint(right, top), QPoint(right, bottom)};
    sketch.hazard(mass);
    const int x = Sketch::pick(random, 120, 300);
    const int y = Sketch::pick(random, 270, 390);
    sketch.particle(kind, {x, y});
    // Pushed round by the other colour, or pulled.
    if (random.chance(0.25))
        sketch.wellsFor(kind, 0, tier == Seed::Easy ? 2 : 3);
    else
        sketch.wellsFor(kind, tier == Seed::Easy ? 2 : 3, 0);
    return sketch;
}

} // namespace Ideas
