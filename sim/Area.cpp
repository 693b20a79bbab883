#include "sim/Area.h"

#include "sim/LevelObject.h"

namespace {
const QColor redHatch(255, 102, 0, 255);
const QColor blueHatch(51, 153, 255, 255);

QPen goalPen(const QColor &color)
{
    return QPen(QBrush(color, Qt::SolidPattern), 2.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}
} // namespace

Area::Area(int kind, const QPolygon &polygon)
    : QPolygon(polygon),
      kind(kind),
      redGoalPen(goalPen(redHatch)),
      blueGoalPen(goalPen(blueHatch)),
      redGoalColor(redHatch),
      blueGoalColor(blueHatch)
{
}

Area::~Area() = default;

bool Area::isGoalFor(int particleKind) const
{
    return (kind == RedGoal && particleKind == RedParticle)
        || (kind == BlueGoal && particleKind == BlueParticle);
}
