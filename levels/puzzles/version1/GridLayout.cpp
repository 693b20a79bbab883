#include "levels/puzzles/version1/GridLayout.h"

#include "levels/puzzles/LevelTrials.h"
#include "levels/puzzles/Outline.h"
#include "levels/puzzles/SeededRandom.h"
#include "sim/LevelObject.h"
#include "sim/LevelState.h"

#include <QRect>

#include <algorithm>
#include <utility>
#include <vector>

namespace {
using LevelTrials::drawTwo;
using LevelTrials::passes;
using LevelTrials::percent;
using LevelTrials::pointIn;

// Every rule and number below decides what a version 1 seed gives.

// What makes each tier what it is: how its candidates are laid out, and what its proofs take.
struct TierRules
{
    int minParticles;
    int maxParticles;
    int minHazards;
    int maxHazards;
    // The wells of the planned run, and the chance that one after the first is taken away again.
    int minPlanned;
    int maxPlanned;
    double removal;
    int goalSize;
    // A goal stands where its particle has gone this far, and this far along the paths that fit
    // one, in percent.
    int minTravel;
    int nearestGoal;
    // Hazards put right beside the particles' paths, that a run slightly off runs into.
    int pinches;
    // Wells of the budget beyond those the planned run sets.
    int spareWells;
    // What the proof takes: its wells, and the share of slightly-off replays of it that pass.
    int minWells;
    int maxWells;
    int minForgiving;
    int maxForgiving;
};

const TierRules tierRules[] = {
    {2, 2, 1, 2, 1, 2, 0.0, 70, 120, 0, 0, 1, 1, 2, 50, 100},
    {2, 3, 2, 3, 2, 3, 0.2, 45, 180, 0, 0, 0, 2, 3, 15, 80},
    {3, 4, 2, 4, 3, 4, 0.35, 30, 180, 50, 2, 0, 3, 6, 0, 35},
};
// The budget of one seed's work: a seed that found no level within it would give none anywhere.
constexpr int maxCandidates = 1500;
// Where a candidate's things may stand: particles well inside the frame, hazards and wells less so;
// areas above the strip where the icon wells, their counters and the times are drawn.
const QRect particleField(70, 70, 661, 341);
// Where the level's name and its message are drawn: no particle or goal hides under them.
const QRect textZone(150, 105, 501, 115);
const QRect hazardField(50, 50, 701, 361);
const QRect wellField(30, 30, 741, 421);
const QRect goalField(25, 25, 751, 386);
constexpr int particleSpacing = 70;
constexpr int hazardClearance = 40;
constexpr int minHazardSide = 30;
constexpr int maxHazardSide = 140;
constexpr int wellClearance = 120;
constexpr int wellSpacing = 40;
constexpr int minWellGap = 30;
constexpr int maxWellGap = 200;
constexpr int minRemoveAfter = 40;
constexpr int maxRemoveAfter = 200;
constexpr int placeTries = 40;
// Runs planned over one layout of particles and hazards before it is given up.
constexpr int plansTried = 8;
// A pinch: a square hazard this far from a path's centre line, where the path runs this many
// ticks either side of it.
constexpr int pinchSide = 40;
constexpr int pinchGap = 12;
constexpr int pinchSpan = 5;
// The planned run is followed this long.
constexpr int plannedTicks = 700;
constexpr int areaMargin = 6;
constexpr int startMargin = 15;
constexpr long solverGenerations = 6;

int squaredDistance(const QPoint &a, const QPoint &b)
{
    const QPoint d = a - b;
    return d.x() * d.x() + d.y() * d.y();
}

bool farFrom(const QPoint &point, const QList<QPoint> &others, int distance)
{
    return std::all_of(others.begin(), others.end(),
                       [&](const QPoint &other) { return squaredDistance(point, other) >= distance * distance; });
}

QPolygon polygonOf(const QRect &rect)
{
    return QPolygon({rect.topLeft(), rect.topRight() + QPoint(1, 0), rect.bottomRight() + QPoint(1, 1),
                     rect.bottomLeft() + QPoint(0, 1)});
}

Replay::Action wellAt(int tick, const QPoint &at, int kind)
{
    return {tick, Replay::Action::Well, at.x(), at.y(), kind};
}

class Layout
{
public:
    Layout(const TierRules &rules, SeededRandom &random)
        : rules(rules),
          random(random)
    {
    }

    std::optional<Candidate> make()
    {
        placeParticles();
        placeHazards();
        for (int plan = 0; plan < plansTried; ++plan) {
            planRun();
            if (std::optional<Candidate> made = placeGoals())
                return made;
        }
        return std::nullopt;
    }

private:
    void placeParticles()
    {
        const int count = random.uniform(rules.minParticles, rules.maxParticles);
        for (int i = 0; i < count; ++i) {
            for (int tries = 0; tries < placeTries; ++tries) {
                const QPoint at = pointIn(random, particleField);
                if (!farFrom(at, starts, particleSpacing) || textZone.contains(at))
                    continue;
                // Both colours, always.
                const int kind = i < 2 ? (i == 0 ? RedParticle : BlueParticle) : (random.chance(0.5) ? RedParticle : BlueParticle);
                starts.append(at);
                base.particles.append({kind, at.x(), at.y()});
                break;
            }
        }
    }

    void placeHazards()
    {
        const int count = random.uniform(rules.minHazards, rules.maxHazards);
        for (int i = 0; i < count; ++i) {
            for (int tries = 0; tries < placeTries; ++tries) {
                const auto [width, height] = drawTwo(random, minHazardSide, maxHazardSide, minHazardSide, maxHazardSide);
                const QSize size(width, height);
                const auto [left, top] = drawTwo(random, hazardField.left(), hazardField.right() - size.width(),
                                                 hazardField.top(), hazardField.bottom() - size.height());
                const QPoint corner(left, top);
                const QRect hazard(corner, size);
                const QRect clearance = hazard.adjusted(-hazardClearance, -hazardClearance, hazardClearance, hazardClearance);
                if (std::any_of(starts.begin(), starts.end(), [&](const QPoint &start) { return clearance.contains(start); }))
                    continue;
                hazards.append(hazard);
                base.areas.append({Hazard, polygonOf(hazard)});
                break;
            }
        }
    }

    void planRun()
    {
        planned = Replay();
        QList<Replay::Action> removals;
        int reds = 0;
        int blues = 0;
        const int count = random.uniform(rules.minPlanned, rules.maxPlanned);
        QList<QPoint> wells;
        int tick = 0;
        for (int i = 0; i < count; ++i) {
            if (i > 0)
                tick += random.uniform(minWellGap, maxWellGap);
            for (int tries = 0; tries < placeTries; ++tries) {
                const QPoint at = pointIn(random, wellField);
                if (!farFrom(at, starts, wellClearance) || !farFrom(at, wells, wellSpacing))
                    continue;
                const int kind = random.chance(0.5) ? RedWell : BlueWell;
                wells.append(at);
                planned.actions.append(wellAt(tick, at, kind));
                ++(kind == RedWell ? reds : blues);
                if (i > 0 && random.chance(rules.removal))
                    removals.append({tick + random.uniform(minRemoveAfter, maxRemoveAfter), Replay::Action::Remove, at.x(), at.y(), 0});
                break;
            }
        }
        planned.actions += removals;
        std::stable_sort(planned.actions.begin(), planned.actions.end(),
                         [](const Replay::Action &a, const Replay::Action &b) { return a.tick < b.tick; });
        base.redWells = reds + rules.spareWells;
        base.blueWells = blues + rules.spareWells;
    }

    // Follows the particles under the planned run, and puts each one's goal where its path takes
    // it, before anything ends the run; a particle whose path is too short for one is left out.
    std::optional<Candidate> placeGoals()
    {
        if (planned.actions.isEmpty())
            return std::nullopt;
        Candidate made{base, planned};
        made.level.particles.clear();
        paths.clear();
        const int goalSize = rules.goalSize;
        QList<QRect> goals;
        QList<int> goalKinds;
        for (int i = 0; i < starts.size(); ++i) {
            // Particles do not meet: each is followed on its own, until a hazard, the frame or a
            // well ends its path; the last tick is the one that did.
            Level alone = base;
            alone.particles = {base.particles.at(i)};
            std::vector<QPoint> path;
            planned.run(alone, plannedTicks, [&](const LevelState &state, int) {
                path.push_back(Outline::rounded(state.particles.first()));
            });
            const int kind = base.particles.at(i).kind == RedParticle ? RedGoal : BlueGoal;
            // Goals that fit, with the ticks their particle reaches them at.
            std::vector<std::pair<QRect, int>> fitting;
            for (size_t t = 0; t + 1 < path.size(); ++t) {
                const QRect goal(path[t] - QPoint(goalSize / 2, goalSize / 2), QSize(goalSize, goalSize));
                if (squaredDistance(path[t], starts.at(i)) >= rules.minTravel * rules.minTravel && fits(goal, kind, goals, goalKinds))
                    fitting.push_back({goal, int(t)});
            }
            if (fitting.empty())
                continue;
            // The narrower a tier, the further along its path a goal stands.
            const int reached = random.uniform(int(fitting.size()) * rules.nearestGoal / percent, int(fitting.size()) - 1);
            goals.append(fitting[size_t(reached)].first);
            goalKinds.append(kind);
            made.level.particles.append(base.particles.at(i));
            made.level.areas.append({kind, polygonOf(goals.last())});
            paths.push_back(std::vector<QPoint>(path.begin(), path.begin() + fitting[size_t(reached)].second));
        }
        pinch(made.level);
        const bool bothColours = goalKinds.contains(RedGoal) && goalKinds.contains(BlueGoal);
        if (!bothColours || made.level.particles.size() < rules.minParticles)
            return std::nullopt;
        return made;
    }

    // A hazard beside a path, half way along it, on either side across its way: a run slightly off
    // runs into it. Kept only where the planned run still passes.
    void pinch(Level &level)
    {
        for (int n = 0; n < rules.pinches && !paths.empty(); ++n) {
            const std::vector<QPoint> &path = paths[size_t(random.uniform(0, int(paths.size()) - 1))];
            if (path.size() <= 2 * pinchSpan)
                continue;
            const size_t at = size_t(random.uniform(pinchSpan, int(path.size()) - 1 - pinchSpan));
            const QPoint way = path[at + pinchSpan] - path[at - pinchSpan];
            const int side = random.chance(0.5) ? 1 : -1;
            const int off = side * (pinchGap + pinchSide / 2);
            const QPoint centre = path[at] + (qAbs(way.x()) >= qAbs(way.y()) ? QPoint(0, off) : QPoint(off, 0));
            const QRect hazard(centre - QPoint(pinchSide / 2, pinchSide / 2), QSize(pinchSide, pinchSide));
            Level pinched = level;
            pinched.areas.prepend({Hazard, polygonOf(hazard)});
            if (hazardField.contains(hazard) && passes(pinched, planned))
                level = pinched;
        }
    }

    // Inside the field, clear of the hazards and the particles' starts, and of the other colour's
    // goals, which would fail the level.
    bool fits(const QRect &goal, int kind, const QList<QRect> &goals, const QList<int> &goalKinds) const
    {
        const QRect around = goal.adjusted(-areaMargin, -areaMargin, areaMargin, areaMargin);
        for (int j = 0; j < goals.size(); ++j) {
            if (goalKinds.at(j) != kind && goals.at(j).intersects(around))
                return false;
        }
        return goalField.contains(goal) && !textZone.intersects(goal)
            && std::none_of(hazards.begin(), hazards.end(), [&](const QRect &hazard) { return hazard.intersects(around); })
            && std::none_of(starts.begin(), starts.end(), [&](const QPoint &start) {
                   return goal.adjusted(-startMargin, -startMargin, startMargin, startMargin).contains(start);
               });
    }


    const TierRules &rules;
    SeededRandom &random;
    Level base;
    QList<QPoint> starts;
    QList<QRect> hazards;
    Replay planned;
    // The kept particles' paths, each up to its goal.
    std::vector<std::vector<QPoint>> paths;
};

} // namespace

namespace GridLayout {

std::optional<Candidate> make(Seed::Tier tier, SeededRandom &random)
{
    return Layout(tierRules[tier], random).make();
}

CandidateDemands demands(Seed::Tier tier)
{
    const TierRules &rules = tierRules[tier];
    return {rules.minWells, rules.maxWells, rules.minForgiving, rules.maxForgiving, solverGenerations, maxCandidates};
}

} // namespace GridLayout
