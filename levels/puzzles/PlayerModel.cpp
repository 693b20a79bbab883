#include "levels/puzzles/PlayerModel.h"

#include "levels/puzzles/GoalDistance.h"
#include "levels/puzzles/Outline.h"
#include "levels/puzzles/SeededRandom.h"
#include "sim/LevelState.h"
#include "sim/Physics.h"

#include <QtConcurrent>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {
constexpr int columns = Physics::playfieldWidth / PlayerModel::gridStep;
constexpr int rows = Physics::playfieldHeight / PlayerModel::gridStep;
// Plans are played a few at a time, as a person tries one, watches, and tries the next.
constexpr int batch = 16;
constexpr int keptBest = 6;
// The share of fresh ideas among the plans tried once the first have been.
constexpr double freshShare = 0.25;
// A person leaves the particles some room when setting a well.
constexpr int startRoom = 45;
// The latest moment a later well is set at, and how long a well stays at the most before it is
// taken away, in moments.
constexpr int latestMoment = 16;
constexpr int longestStay = 12;
constexpr double keepShare = 0.5;
// A person's first idea is the obvious one more often than not: a well beyond the goal, on the way
// from a particle through it, or one of the other colour behind the particle, pushing it that way.
constexpr double aimShare = 0.5;
constexpr int minAimBeyond = 40;
constexpr int maxAimBeyond = 160;
// Or the next most obvious: a nudge that sets the particle drifting to the open side of its goal,
// then, later, a well behind the goal that draws it in.
constexpr double approachShare = 0.25;
constexpr int approachDirections = 8;
constexpr int approachStep = 10;
constexpr int approachReach = 160;
constexpr int longestNudge = 3;
constexpr int minBehind = 40;
constexpr int maxBehind = 100;
constexpr int maxTicks = 1000;
constexpr double failedBase = 1e7;

struct Well
{
    int column;
    int row;
    int kind;
    int moment;
    // Moments until it is taken away; 0 keeps it.
    int stay;
};

struct Plan
{
    std::vector<Well> wells;
    double score = std::numeric_limits<double>::max();
    bool passed = false;
};

class Search
{
public:
    Search(const Level &level, quint64 seed)
        : random(seed),
          level(level),
          budget{level.redWells, level.blueWells},
          fields{GoalDistance(level.newState(), RedParticle), GoalDistance(level.newState(), BlueParticle)}
    {
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < columns; ++c) {
                if (isFree(c, r))
                    cells.push_back(r * columns + c);
            }
        }
        const LevelState state = level.newState();
        for (const Level::Shape &area : level.areas) {
            if (area.kind == Hazard)
                continue;
            const QPoint centre = Outline::centreOf(area.polygon);
            goalCentres[area.kind == RedGoal ? RedWell : BlueWell].append(centre);
            openSides[area.kind == RedGoal ? RedWell : BlueWell].append(openSide(state, centre));
        }
    }

    bool canPlay() const { return !cells.empty() && budget[RedWell] + budget[BlueWell] > 0; }

    Plan fresh()
    {
        Plan plan;
        int left[2] = {budget[RedWell], budget[BlueWell]};
        // A person tries one well first, more only when one will not do.
        const int count = random.uniform(1, random.uniform(1, left[RedWell] + left[BlueWell]));
        if (left[RedWell] + left[BlueWell] >= 2 && random.chance(approachShare))
            return approach(left);
        for (int i = 0; i < count; ++i) {
            const bool aimed = i == 0 && random.chance(aimShare);
            plan.wells.push_back(aimed ? aimedWell(left) : newWell(left, i == 0 ? 0 : random.uniform(1, latestMoment)));
        }
        return plan;
    }

    Plan varied(const Plan &parent)
    {
        Plan plan{parent.wells};
        int left[2] = {budget[RedWell], budget[BlueWell]};
        for (const Well &well : plan.wells)
            --left[well.kind];
        Well &well = plan.wells[size_t(random.uniform(0, int(plan.wells.size()) - 1))];
        switch (random.uniform(0, 5)) {
        case 0: {
            const int c = std::clamp(well.column + random.uniform(-1, 1), 0, columns - 1);
            const int r = std::clamp(well.row + random.uniform(-1, 1), 0, rows - 1);
            if (isFree(c, r)) {
                well.column = c;
                well.row = r;
            }
            break;
        }
        case 1:
            if (well.moment > 0)
                well.moment = std::clamp(well.moment + (random.chance(0.5) ? 1 : -1), 1, latestMoment);
            break;
        case 2:
            well.stay = well.stay == 0 ? random.uniform(1, longestStay) : std::clamp(well.stay + random.uniform(-2, 2), 0, longestStay);
            break;
        case 3:
            if (left[1 - well.kind] > 0)
                well.kind = 1 - well.kind;
            break;
        case 4:
            if (left[RedWell] + left[BlueWell] > 0)
                plan.wells.push_back(newWell(left, random.uniform(1, latestMoment)));
            break;
        default:
            if (plan.wells.size() > 1)
                plan.wells.pop_back();
            break;
        }
        return plan;
    }

    Replay replayOf(const Plan &plan) const
    {
        Replay replay;
        for (const Well &well : plan.wells) {
            const int x = well.column * PlayerModel::gridStep + PlayerModel::gridStep / 2;
            const int y = well.row * PlayerModel::gridStep + PlayerModel::gridStep / 2;
            const int tick = well.moment * PlayerModel::momentTicks;
            replay.actions.append({tick, Replay::Action::Well, x, y, well.kind});
            if (well.stay > 0)
                replay.actions.append({tick + well.stay * PlayerModel::momentTicks, Replay::Action::Remove, x, y, 0});
        }
        std::stable_sort(replay.actions.begin(), replay.actions.end(),
                         [](const Replay::Action &a, const Replay::Action &b) { return a.tick < b.tick; });
        return replay;
    }

    void play(Plan &plan) const
    {
        std::vector<int> nearest;
        const Replay::Result result = replayOf(plan).run(level, maxTicks, [&](const LevelState &state, int) {
            if (nearest.empty())
                nearest.assign(size_t(state.particles.size()), GoalDistance::unreachable);
            for (int i = 0; i < state.particles.size(); ++i) {
                const ParticleObject &p = state.particles.at(i);
                const GoalDistance &field = fields[p.kind == RedParticle ? 0 : 1];
                nearest[size_t(i)] = std::min(nearest[size_t(i)], field.at(p));
            }
        });
        plan.passed = result.status == Passed && result.ignoredActions == 0;
        double score = plan.passed ? 0 : failedBase;
        for (const int d : nearest)
            score += std::min(d, GoalDistance::unreachable / 2);
        plan.score = score;
    }

    SeededRandom random;

private:
    // The point a way out from centre, in the direction with the longest free way, as far as reach.
    static QPointF openSide(const LevelState &state, const QPoint &centre)
    {
        QPointF best = centre;
        int longest = -1;
        for (int i = 0; i < approachDirections; ++i) {
            const QPointF d = Outline::direction(i * Outline::directions / approachDirections);
            int free = 0;
            while (free < approachReach) {
                const QPoint at = Outline::rounded(QPointF(centre) + d * (free + approachStep));
                if (std::any_of(state.areas.begin(), state.areas.end(), [&](const Area &area) { return area.kind == Hazard && area.holds(at); }))
                    break;
                free += approachStep;
            }
            if (free > longest) {
                longest = free;
                best = QPointF(centre) + d * free;
            }
        }
        return best;
    }

    bool isFree(int column, int row) const
    {
        const QPoint at(column * PlayerModel::gridStep + PlayerModel::gridStep / 2, row * PlayerModel::gridStep + PlayerModel::gridStep / 2);
        return std::none_of(level.particles.begin(), level.particles.end(), [&](const Level::Particle &p) {
            return (QPoint(p.x, p.y) - at).manhattanLength() < startRoom;
        });
    }

    // The goal of a particle's colour nearest it, and the open side it is reached from.
    struct Target
    {
        QPointF from;
        QPointF goal;
        QPointF open;
        int own;
    };

    Target targetOf(const Level::Particle &particle) const
    {
        Target target{QPointF(particle.x, particle.y), QPointF(particle.x, particle.y), QPointF(particle.x, particle.y),
                      particle.kind == RedParticle ? RedWell : BlueWell};
        double nearest = -1;
        for (int i = 0; i < goalCentres[target.own].size(); ++i) {
            const QPointF d = QPointF(goalCentres[target.own].at(i)) - target.from;
            const double distance = d.x() * d.x() + d.y() * d.y();
            if (nearest < 0 || distance < nearest) {
                nearest = distance;
                target.goal = goalCentres[target.own].at(i);
                target.open = openSides[target.own].at(i);
            }
        }
        return target;
    }

    // The grid's cell nearest a point of the playfield.
    static QPoint cellOf(const QPointF &at)
    {
        return QPoint(std::clamp(int(at.x()) / PlayerModel::gridStep, 0, columns - 1),
                      std::clamp(int(at.y()) / PlayerModel::gridStep, 0, rows - 1));
    }

    // A point a distance on from a toward b, or a itself where they meet.
    static QPointF beyond(const QPointF &a, const QPointF &b, double distance)
    {
        const QPointF way = b - a;
        const double length = std::sqrt(way.x() * way.x() + way.y() * way.y());
        return length <= 0 ? a : b + way / length * distance;
    }

    // The obvious first well, set at the start: one of a particle's colour beyond its goal, or,
    // with none of that colour left, one of the other behind the particle.
    Well aimedWell(int left[2])
    {
        const Target target = targetOf(level.particles.at(random.uniform(0, int(level.particles.size()) - 1)));
        const int kind = left[target.own] > 0 ? target.own : 1 - target.own;
        --left[kind];
        const double distance = random.uniform(minAimBeyond, maxAimBeyond);
        const QPoint cell = cellOf(kind == target.own ? beyond(target.from, target.goal, distance)
                                                      : beyond(target.goal, target.from, distance));
        const int stay = random.chance(keepShare) ? 0 : random.uniform(1, longestStay);
        return {cell.x(), cell.y(), kind, 0, stay};
    }

    // A nudge toward the open side of a particle's goal, taken away at once, and later a well of its
    // colour behind the goal, drawing the drifting particle in.
    Plan approach(int left[2])
    {
        const Target target = targetOf(level.particles.at(random.uniform(0, int(level.particles.size()) - 1)));
        Plan plan;
        for (const bool nudge : {true, false}) {
            const int kind = left[target.own] > 0 ? target.own : 1 - target.own;
            if (left[kind] == 0)
                break;
            --left[kind];
            const double distance = random.uniform(minAimBeyond, maxAimBeyond);
            const QPointF at = nudge ? beyond(target.from, target.open, distance)
                                     : beyond(target.open, target.goal, random.uniform(minBehind, maxBehind));
            const QPoint cell = cellOf(kind == target.own ? at : target.from - (at - target.from));
            const int moment = nudge ? 0 : random.uniform(1, latestMoment);
            const int stay = nudge ? random.uniform(1, longestNudge) : 0;
            plan.wells.push_back({cell.x(), cell.y(), kind, moment, stay});
        }
        return plan;
    }

    Well newWell(int left[2], int moment)
    {
        const int kind = random.uniform(0, left[RedWell] + left[BlueWell] - 1) < left[RedWell] ? RedWell : BlueWell;
        --left[kind];
        const int cell = cells[size_t(random.uniform(0, int(cells.size()) - 1))];
        const int stay = random.chance(keepShare) ? 0 : random.uniform(1, longestStay);
        return {cell % columns, cell / columns, kind, moment, stay};
    }

    const Level level;
    const int budget[2];
    // The middles of the goals of each well's colour, where a person aims, and for each the point
    // on its most open side it is reached from.
    QList<QPoint> goalCentres[2];
    QList<QPointF> openSides[2];
    const GoalDistance fields[2];
    std::vector<int> cells;
};
} // namespace

int PlayerModel::stars(int plays)
{
    // Past each of these, one more: a first try or two, a few dozen, a few hundred, more.
    constexpr int thresholds[] = {25, 100, 500, 1500};
    int marks = 1;
    for (const int threshold : thresholds)
        marks += plays > threshold;
    return marks;
}

int PlayerModel::medianPlays(const Level &level, quint64 seed)
{
    const std::atomic<bool> never{false};
    SeededRandom random(seed);
    std::vector<int> plays;
    for (int i = 0; i < searches; ++i)
        plays.push_back(PlayerModel(level, random.next()).search(budget, never).plays);
    std::sort(plays.begin(), plays.end());
    return plays[size_t(searches / 2)];
}

PlayerModel::PlayerModel(const Level &level, quint64 seed)
    : level(level),
      seed(seed)
{
}

PlayerModel::Found PlayerModel::search(int maxPlays, const std::atomic<bool> &cancelled)
{
    Search search(level, seed);
    Found found{maxPlays + 1, std::nullopt};
    if (!search.canPlay())
        return found;
    std::vector<Plan> best;
    for (int tried = 0; tried < maxPlays && !cancelled; tried += batch) {
        std::vector<Plan> plans;
        for (int i = 0; i < batch; ++i) {
            const bool fresh = best.empty() || search.random.chance(freshShare);
            plans.push_back(fresh ? search.fresh() : search.varied(best[size_t(search.random.uniform(0, int(best.size()) - 1))]));
        }
        QtConcurrent::blockingMap(plans, [&](Plan &plan) {
            if (!cancelled)
                search.play(plan);
        });
        for (int i = 0; i < batch && tried + i < maxPlays; ++i) {
            if (plans[size_t(i)].passed) {
                found.plays = tried + i + 1;
                found.plan = search.replayOf(plans[size_t(i)]);
                return found;
            }
        }
        for (Plan &plan : plans)
            best.push_back(std::move(plan));
        std::stable_sort(best.begin(), best.end(), [](const Plan &a, const Plan &b) { return a.score < b.score; });
        if (best.size() > size_t(keptBest))
            best.resize(keptBest);
    }
    return found;
}
