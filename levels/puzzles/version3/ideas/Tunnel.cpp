#include "levels/puzzles/version3/Ideas.h"

#include "levels/puzzles/SeededRandom.h"
#include "levels/puzzles/version3/Shapes.h"

#include <QPolygon>

namespace Ideas {
namespace {
// The left of a way along the screen's axes, a quarter turn from it.
QPoint leftOf(const QPoint &way)
{
    return QPoint(way.y(), -way.x());
}

QPoint unit(const QPoint &way)
{
    return QPoint(way.x() > 0 ? 1 : way.x() < 0 ? -1 : 0, way.y() > 0 ? 1 : way.y() < 0 ? -1 : 0);
}

// The outline of a tunnel half wide either side of a way of level and upright legs, its outer
// corners bevelled: its left side from the start, then its right side back.
QVector<QPoint> tunnelAround(const QVector<QPoint> &way, int half, int bevel)
{
    QVector<QPoint> leftSide;
    QVector<QPoint> rightSide;
    for (int i = 0; i < way.size(); ++i) {
        const QPoint in = i > 0 ? unit(way.at(i) - way.at(i - 1)) : unit(way.at(1) - way.at(0));
        const QPoint out = i + 1 < way.size() ? unit(way.at(i + 1) - way.at(i)) : in;
        const QPoint corner = (leftOf(in) + leftOf(out)) * half;
        if (in == out) {
            leftSide.append(way.at(i) + corner / 2);
            rightSide.append(way.at(i) - corner / 2);
            continue;
        }
        // A left turn's outer corner is on the right, a right turn's on the left: bevel it.
        const bool leftTurn = leftOf(in) == out;
        QVector<QPoint> &outer = leftTurn ? rightSide : leftSide;
        QVector<QPoint> &inner = leftTurn ? leftSide : rightSide;
        const QPoint outerCorner = way.at(i) + (leftTurn ? -corner : corner);
        outer.append(outerCorner - in * bevel);
        outer.append(outerCorner + out * bevel);
        inner.append(way.at(i) + (leftTurn ? corner : -corner));
    }
    QVector<QPoint> outline = leftSide;
    for (int i = rightSide.size() - 1; i >= 0; --i)
        outline.append(rightSide.at(i));
    return outline;
}
} // namespace

std::optional<Sketch> tunnel(Seed::Tier tier, SeededRandom &random)
{
    using namespace Shapes;
    Sketch sketch;
    const int kind = Sketch::anyColour(random);
    // A tunnel through solid rock, from a dead end where the particle waits to the goal across its
    // far end, turning once, twice or three times: the way there is the puzzle.
    const int width = tier == Seed::Hard ? Sketch::pick(random, 100, 130) : Sketch::pick(random, 120, 150);
    const int half = width / 2;
    const int margin = half + Sketch::pick(random, 20, 60);
    const int turns = tier == Seed::Hard ? random.uniform(2, 3) : random.uniform(1, 2);
    const int x0 = left + margin;
    const int x1 = right - margin;
    const int y0 = top + margin;
    const int y1 = bottom - margin;
    QVector<QPoint> way;
    const int startX = Sketch::pick(random, x0, x0 + 60);
    if (turns == 1) {
        // Along the floor or the ceiling, then up or down at a place of its own.
        const int row = random.chance(0.5) ? y1 : Sketch::pick(random, y1 - 120, y1);
        const int column = Sketch::pick(random, x1 - 200, x1);
        way = {{startX, row}, {column, row}, {column, Sketch::pick(random, y0, y0 + 80)}};
    } else if (turns == 2) {
        const int column = Sketch::pick(random, x1 - 160, x1);
        way = {{startX, y0}, {column, y0}, {column, y1}, {Sketch::pick(random, x0, x0 + 160), y1}};
    } else {
        const int middle = Sketch::pick(random, (x0 + x1) / 2 - 60, (x0 + x1) / 2 + 60);
        way = {{startX, y1}, {middle - half - 30, y1}, {middle - half - 30, y0}, {x1, y0}, {x1, y1 - Sketch::pick(random, 0, 60)}};
    }
    // The dead end behind the particle, and the far end where the goal lies across.
    const QPoint back = unit(way.at(0) - way.at(1)) * half;
    const QPoint ahead = unit(way.last() - way.at(way.size() - 2)) * half;
    way.first() += back;
    way.last() += ahead;
    QVector<QPoint> hole = tunnelAround(way, half, Sketch::pick(random, 10, 40));
    // The rock: the room with the tunnel cut out, as one shape read even-odd, as the frame is.
    QVector<QPoint> rock{{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}};
    rock += hole;
    rock += hole.first();
    sketch.hazard(rock);
    const QPoint end = way.last();
    const QPoint along = unit(ahead);
    const QPoint across = leftOf(along) * half;
    sketch.goal(Sketch::goalOf(kind), strip(end - across, end + across, 20, 0));
    const QPoint start = way.first() - back + unit(way.at(1) - way.at(0)) * Sketch::pick(random, 0, 30);
    sketch.particle(kind, start);
    sketch.wellsFor(kind, turns + 1, tier == Seed::Hard ? 0 : 1);
    return sketch;
}

} // namespace Ideas
