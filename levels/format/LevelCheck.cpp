#include "levels/format/LevelCheck.h"

#include "levels/format/Level.h"
#include "sim/LevelState.h"

#include <QCoreApplication>

#include <optional>

namespace LevelCheck {
namespace {
// A goal and a hazard that only share an edge are drawn side by side: a point counts as under the
// goal when the goal holds the points this far from it on every side too.
constexpr int inside = 2;

bool deepIn(const Area &area, const QPoint &at)
{
    return area.holds(at) && area.holds(at + QPoint(inside, 0)) && area.holds(at - QPoint(inside, 0))
        && area.holds(at + QPoint(0, inside)) && area.holds(at - QPoint(0, inside));
}

// A point inside goal, as the step tests it, that a hazard holds too: the first, row by row.
std::optional<QPoint> hazardUnder(const Area &goal, const QList<Area> &areas)
{
    const QRect bound = goal.boundingRect();
    for (int y = bound.top(); y <= bound.bottom(); ++y) {
        for (int x = bound.left(); x <= bound.right(); ++x) {
            const QPoint at(x, y);
            if (!deepIn(goal, at))
                continue;
            for (const Area &area : areas) {
                if (area.kind == Hazard && area.holds(at))
                    return at;
            }
        }
    }
    return std::nullopt;
}
} // namespace

QStringList warnings(const Level &level)
{
    return setupWarnings(level) + hiddenHazards(level);
}

QStringList setupWarnings(const Level &level)
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

QStringList hiddenHazards(const Level &level)
{
    QStringList found;
    const LevelState state = level.newState();
    for (const Area &goal : state.areas) {
        if (goal.kind == Hazard)
            continue;
        if (const std::optional<QPoint> at = hazardUnder(goal, state.areas)) {
            const char *const lies = goal.kind == RedGoal
                ? QT_TRANSLATE_NOOP("LevelCheck", "A hazard lies under the red goal at (%1, %2): a particle there fails the level.")
                : QT_TRANSLATE_NOOP("LevelCheck", "A hazard lies under the blue goal at (%1, %2): a particle there fails the level.");
            found.append(QCoreApplication::translate("LevelCheck", lies).arg(QString::number(at->x()), QString::number(at->y())));
        }
    }
    return found;
}

} // namespace LevelCheck
