#include "levels/LevelCheck.h"

#include "levels/Level.h"
#include "sim/LevelState.h"

namespace LevelCheck {
namespace {
QString colourOf(int particleKind)
{
    return particleKind == RedParticle ? QStringLiteral("red") : QStringLiteral("blue");
}
} // namespace

QStringList warnings(const Level &level)
{
    QStringList found;
    if (level.particles.isEmpty())
        found.append(QStringLiteral("There are no particles: the level cannot be saved yet."));
    const LevelState state = level.newState();
    for (const ParticleObject &particle : state.particles) {
        const QPoint at(qRound(particle.x()), qRound(particle.y()));
        for (int i = 0; i < state.areas.size(); ++i) {
            const Area &area = state.areas.at(i);
            if (!area.containsPoint(at, Qt::OddEvenFill))
                continue;
            const QString where = i == state.areas.size() - 1 ? QStringLiteral("in the frame")
                : area.kind == Hazard                        ? QStringLiteral("in a hazard")
                                                              : QStringLiteral("in a goal");
            found.append(QStringLiteral("A %1 particle at (%2, %3) starts %4.")
                             .arg(colourOf(particle.kind)).arg(at.x()).arg(at.y()).arg(where));
            break;
        }
    }
    for (const int kind : {RedParticle, BlueParticle}) {
        bool needed = false;
        bool goal = false;
        for (const Level::Particle &particle : level.particles)
            needed = needed || particle.kind == kind;
        for (const Area &area : state.areas)
            goal = goal || area.isGoalFor(kind);
        if (needed && !goal)
            found.append(QStringLiteral("There are %1 particles but no %1 goal.").arg(colourOf(kind)));
    }
    if (!level.particles.isEmpty() && level.redWells + level.blueWells == 0)
        found.append(QStringLiteral("There are no wells to set: nothing can move the particles."));
    return found;
}

} // namespace LevelCheck
