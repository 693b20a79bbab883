#include "levels/puzzles/version3/Sketch.h"

#include "levels/puzzles/SeededRandom.h"
#include "sim/Area.h"
#include "sim/LevelObject.h"
#include "sim/Physics.h"

namespace {
QPoint turned(const QPoint &point, bool leftRight, bool topBottom)
{
    return QPoint(leftRight ? Physics::playfieldWidth - point.x() : point.x(),
                  topBottom ? Physics::playfieldHeight - point.y() : point.y());
}

QPolygon turned(const QPolygon &polygon, bool leftRight, bool topBottom)
{
    QPolygon out;
    for (const QPoint &point : polygon)
        out.append(turned(point, leftRight, topBottom));
    return out;
}
} // namespace

int Sketch::pick(SeededRandom &random, int low, int high)
{
    return random.uniform(low / lattice, high / lattice) * lattice;
}

void Sketch::hazard(const QVector<QPoint> &corners)
{
    hazardShapes.append(QPolygon(corners));
}

void Sketch::goal(int kind, const QVector<QPoint> &corners)
{
    goalShapes.append({kind, QPolygon(corners)});
}

void Sketch::particle(int kind, const QPoint &at)
{
    starts.append({kind, at.x(), at.y()});
}

void Sketch::wells(int red, int blue)
{
    redWells = red;
    blueWells = blue;
}

void Sketch::wellsFor(int kind, int own, int other)
{
    if (kind == RedParticle)
        wells(own, other);
    else
        wells(other, own);
}

int Sketch::anyColour(SeededRandom &random)
{
    return random.chance(0.5) ? RedParticle : BlueParticle;
}

int Sketch::goalOf(int particleKind)
{
    return particleKind == RedParticle ? RedGoal : BlueGoal;
}

int Sketch::otherOf(int particleKind)
{
    return particleKind == RedParticle ? BlueParticle : RedParticle;
}

Sketch Sketch::mirrored(bool leftRight, bool topBottom) const
{
    Sketch out = *this;
    for (QPolygon &hazard : out.hazardShapes)
        hazard = turned(hazard, leftRight, topBottom);
    for (Level::Shape &goal : out.goalShapes)
        goal.polygon = turned(goal.polygon, leftRight, topBottom);
    for (Level::Particle &particle : out.starts) {
        const QPoint at = turned(QPoint(particle.x, particle.y), leftRight, topBottom);
        particle.x = at.x();
        particle.y = at.y();
    }
    return out;
}

Level Sketch::level() const
{
    Level level;
    level.redWells = redWells;
    level.blueWells = blueWells;
    level.particles = starts;
    for (const QPolygon &hazard : hazardShapes)
        level.areas.append({Hazard, hazard});
    level.areas += goalShapes;
    return level;
}
