#include "levels/format/LevelCheck.h"

#include "levels/format/Level.h"
#include "sim/LevelState.h"

#include <QCoreApplication>
#include <QList>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace LevelCheck {
namespace {
// A goal and a hazard that only share an edge are drawn side by side: a point counts as under the
// goal when the goal holds the points this far from it on every side too.
constexpr int inside = 2;

using Spans = QList<std::pair<int, int>>;

// The points of row y an area holds, as Area::holds tells them, as runs from a first x to a last:
// the row's edge crossings worked out as QPolygon::containsPoint works each out, a point held
// where an odd number of them lie at or left of it. The scan below asks of every point of a goal,
// and asking the polygon point by point made the editor slow to answer an edit.
Spans heldRuns(const Area &area, int y)
{
    if (y < area.bounds.top() || y > area.bounds.bottom() || area.isEmpty())
        return {};
    QList<double> crossings;
    // Horizontal edges cross no row; an edge holds its upper end and not its lower one.
    const auto cross = [&crossings, y](QPoint from, QPoint to) {
        if (from.y() == to.y())
            return;
        if (to.y() < from.y())
            std::swap(from, to);
        const double x1 = from.x();
        const double y1 = from.y();
        if (y >= from.y() && y < to.y())
            crossings.append(x1 + ((double(to.x()) - x1) / (double(to.y()) - y1)) * (double(y) - y1));
    };
    QPoint last = area.first();
    for (int i = 1; i < area.size(); ++i) {
        cross(last, area.at(i));
        last = area.at(i);
    }
    if (last != area.first())
        cross(last, area.first());
    std::sort(crossings.begin(), crossings.end());
    Spans runs;
    for (int i = 0; i + 1 < crossings.size(); i += 2) {
        const int first = std::max(area.bounds.left(), int(std::ceil(crossings.at(i))));
        const int lastHeld = std::min(area.bounds.right(), int(std::ceil(crossings.at(i + 1))) - 1);
        if (first <= lastHeld)
            runs.append({first, lastHeld});
    }
    return runs;
}

// The points both hold.
Spans common(const Spans &a, const Spans &b)
{
    Spans both;
    for (int i = 0, j = 0; i < a.size() && j < b.size();) {
        const int first = std::max(a.at(i).first, b.at(j).first);
        const int last = std::min(a.at(i).second, b.at(j).second);
        if (first <= last)
            both.append({first, last});
        if (a.at(i).second < b.at(j).second)
            ++i;
        else
            ++j;
    }
    return both;
}

Spans shifted(Spans runs, int by)
{
    for (std::pair<int, int> &run : runs) {
        run.first += by;
        run.second += by;
    }
    return runs;
}

// A point inside goal, as the step tests it, that a hazard holds too: the first, row by row.
std::optional<QPoint> hazardUnder(const Area &goal, const QList<Area> &areas)
{
    for (int y = goal.bounds.top(); y <= goal.bounds.bottom(); ++y) {
        // Held with the points inside away on every side: x - inside held means x in the runs moved right.
        const Spans row = heldRuns(goal, y);
        const Spans deep = common(common(common(row, shifted(row, inside)), common(shifted(row, -inside), heldRuns(goal, y - inside))),
                                  heldRuns(goal, y + inside));
        std::optional<int> first;
        for (const Area &area : areas) {
            if (area.kind != Hazard || deep.isEmpty())
                continue;
            const Spans under = common(deep, heldRuns(area, y));
            if (!under.isEmpty() && (!first || under.first().first < *first))
                first = under.first().first;
        }
        if (first)
            return QPoint(*first, y);
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
