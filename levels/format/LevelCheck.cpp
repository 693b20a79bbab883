#include "levels/format/LevelCheck.h"

#include "levels/format/Level.h"
#include "sim/LevelState.h"

#include <QCoreApplication>

namespace LevelCheck {

QStringList warnings(const Level &level)
{
    QStringList found;
    if (level.particles.isEmpty())
        found.append(QCoreApplication::translate("LevelCheck", "There are no particles: the level cannot be saved yet."));
    const LevelState state = level.newState();
    for (const ParticleObject &particle : state.particles) {
        const QPoint at(qRound(particle.x()), qRound(particle.y()));
        for (int i = 0; i < state.areas.size(); ++i) {
            const Area &area = state.areas.at(i);
            if (!area.holds(at))
                continue;
            const QString where = i == state.areas.size() - 1 ? QCoreApplication::translate("LevelCheck", "in the frame")
                : area.kind == Hazard                        ? QCoreApplication::translate("LevelCheck", "in a hazard")
                                                              : QCoreApplication::translate("LevelCheck", "in a goal");
            const char *const starts = particle.kind == RedParticle
                ? QT_TRANSLATE_NOOP("LevelCheck", "A red particle at (%1, %2) starts %3.")
                : QT_TRANSLATE_NOOP("LevelCheck", "A blue particle at (%1, %2) starts %3.");
            found.append(QCoreApplication::translate("LevelCheck", starts).arg(QString::number(at.x()), QString::number(at.y()), where));
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
            found.append(kind == RedParticle
                             ? QCoreApplication::translate("LevelCheck", "There are red particles but no red goal.")
                             : QCoreApplication::translate("LevelCheck", "There are blue particles but no blue goal."));
    }
    if (!level.particles.isEmpty() && level.redWells + level.blueWells == 0)
        found.append(QCoreApplication::translate("LevelCheck", "There are no wells to set: nothing can move the particles."));
    return found;
}

} // namespace LevelCheck
