#include "sim/LevelState.h"

#include "sim/Physics.h"

#include <cmath>
#include <utility>

namespace {
bool isInReach(const QPointF &centre, const QPoint &point)
{
    const QPoint rounded(qRound(centre.x()), qRound(centre.y()));
    return (rounded - point).manhattanLength() < Physics::reach;
}

bool attracts(int wellKind, int particleKind)
{
    return (wellKind == RedWell && particleKind == RedParticle)
        || (wellKind == BlueWell && particleKind == BlueParticle);
}
} // namespace

LevelState::LevelState(int blueWells, int redWells)
    : blueWellsLeft(blueWells),
      redWellsLeft(redWells)
{
    reset();
}

LevelState::~LevelState() = default;

void LevelState::reset()
{
    particlesLeft = 0;
    levelStatus = Ready;
    particles.clear();
    areas.clear();
    wells.clear();
}

void LevelState::setWellCounts(int blueWells, int redWells)
{
    blueWellsLeft = blueWells;
    redWellsLeft = redWells;
}

int LevelState::wellsLeft(int kind) const
{
    switch (kind) {
    case RedWell:
        return redWellsLeft;
    case BlueWell:
        return blueWellsLeft;
    default:
        return -1;
    }
}

void LevelState::start()
{
    levelStatus = Running;
}

int LevelState::status() const
{
    return levelStatus;
}

void LevelState::addParticle(int kind, int x, int y)
{
    ++particlesLeft;
    particles.append(ParticleObject(x, y, kind));
}

void LevelState::addArea(int kind, const QPolygon &polygon)
{
    areas.append(Area(kind, polygon));
}

bool LevelState::addWell(int x, int y, int kind)
{
    if (kind == RedWell && redWellsLeft >= 1)
        --redWellsLeft;
    else if (kind == BlueWell && blueWellsLeft >= 1)
        --blueWellsLeft;
    else
        return false;
    wells.append(WellObject(x, y, kind, true));
    return true;
}

bool LevelState::removeWellAt(int x, int y)
{
    for (WellObject &well : wells) {
        if (!well.isRemoved() && isInReach(well, QPoint(x, y))) {
            well.remove();
            return true;
        }
    }
    return false;
}

bool LevelState::step(float dt, const QPoint &mousePos)
{
    // At most one finished well leaves per step.
    for (int i = 0; i < wells.size(); ++i) {
        if (wells.at(i).isGone()) {
            wells.removeAt(i);
            break;
        }
    }

    bool result = false;
    // Only the first moving particle of the step updates the highlight.
    bool highlightPending = true;
    for (ParticleObject &particle : particles) {
        if (particle.stopped)
            continue;
        double ax = 0.0;
        double ay = 0.0;
        for (WellObject &well : wells) {
            if (well.isRemoved())
                continue;
            if (highlightPending)
                well.setHighlighted(isInReach(well, mousePos));
            const float d = distance(well.x(), well.y(), particle.x(), particle.y());
            if (d < Physics::hitDistance) {
                // The hit well still pulls or pushes in this step.
                result = true;
                levelStatus = Failed;
                well.remove();
            }
            const double ux = (well.x() - particle.x()) / d;
            const double uy = (well.y() - particle.y()) / d;
            const double sign = attracts(well.kind, particle.kind) ? Physics::wellForce : -Physics::wellForce;
            ax += sign * ux;
            ay += sign * uy;
        }
        highlightPending = false;

        // Hit test above used the position before the move; the area test uses the one after it.
        particle.advance(dt, ax, ay);
        const QPoint p(qRound(particle.x()), qRound(particle.y()));
        // Every containing area counts, not only the first.
        for (const Area &area : std::as_const(areas)) {
            if (!area.holds(p))
                continue;
            particle.stop();
            if (area.isGoalFor(particle.kind)) {
                --particlesLeft;
                if (levelStatus == Running && particlesLeft == 0) {
                    levelStatus = Passed;
                    result = true;
                }
            } else {
                levelStatus = Failed;
                result = true;
            }
        }
    }
    return result;
}

float LevelState::distance(double x1, double y1, double x2, double y2)
{
    const double dx = x1 - x2;
    const double dy = y1 - y2;
    const float d = static_cast<float>(std::sqrt(dx * dx + dy * dy));
    return d == 0.0f ? Physics::zeroDistance : d;
}
