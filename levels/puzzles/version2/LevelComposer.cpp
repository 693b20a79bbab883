#include "levels/puzzles/version2/LevelComposer.h"

#include "levels/format/LevelFile.h"
#include "levels/puzzles/LevelFigures.h"
#include "levels/puzzles/Outline.h"
#include "levels/puzzles/SeededRandom.h"
#include "render/SceneLayout.h"
#include "sim/Drag.h"
#include "sim/FrameTick.h"
#include "sim/LevelState.h"
#include "sim/Physics.h"

#include <algorithm>
#include <cmath>

// What makes each tier what it is: how far and how bent its routes are, how narrow its passages.
struct LevelComposer::Rules
{
    int minParticles;
    int maxParticles;
    // Both colours always, their routes crossing.
    bool bothColours;
    // The route's legs: a well sets the particles' way toward each waypoint, the last the goal's.
    int minLegs;
    int maxLegs;
    // How far a waypoint lies off the straight way from the start to the goal.
    int minDetour;
    int maxDetour;
    // How fast the route is flown, in pixels per time unit.
    int minSpeed;
    int maxSpeed;
    // The chance that the last well stays, pulling into the goal, rather than being taken away.
    double keepLast;
    // The latest tick a goal may be reached at.
    int maxTicks;
    // How far a route strays from the straight line to its goal, and how close hazards come to it.
    int minBend;
    int clearance;
    int goalReach;
    // Rocks beside the route that make a passage narrow.
    int pinches;
    // Wells of the budget beyond those the planned run sets.
    int spareWells;
};

namespace {
using Outline::Side;
using Physics::frameBand;
using Physics::playfieldHeight;
using Physics::playfieldWidth;

// Every rule and number below decides what a seed gives (see the class's comment).
const LevelComposer::Rules tierRules[] = {
    {1, 2, false, 2, 2, 90, 150, 6, 10, 0.5, 500, 50, 34, 26, 0, 1},
    {2, 3, false, 2, 3, 100, 170, 6, 10, 0.4, 700, 55, 20, 18, 1, 0},
    {3, 4, true, 3, 3, 110, 180, 6, 10, 0.3, 900, 60, 15, 16, 3, 0},
};

const CandidateDemands proofDemands[] = {
    {1, 2, 60, 100, 4, 4000},
    {2, 3, 40, 100, 4, 4000},
    {3, 6, 0, 100, 4, 4000},
};

constexpr double minShare = 0.26;
constexpr double maxShare = 0.46;
constexpr double minBlockedShare = 0.5;

const QRect inner(frameBand, frameBand, playfieldWidth - 2 * frameBand, playfieldHeight - 2 * frameBand);
// Where a formation may stand, and a goal; wells anywhere a player can set one.
const QRect startField = inner.adjusted(40, 40, -40, -40);
const QRect goalField = inner.adjusted(4, 4, -4, -4);
// Where a route turns: far enough from the frame to turn before it.
const QRect waypointField = inner.adjusted(150, 110, -150, -110);
const QRect wellField(0, 0, playfieldWidth, playfieldHeight);
// Where a level file's points may lie: its edges too.
const QRect playfield(0, 0, playfieldWidth + 1, playfieldHeight + 1);
// A particle keeps this far from texts, and from the others.
constexpr int particleMargin = 14;
constexpr int particleSpacing = 30;
constexpr int formationTries = 40;
constexpr int wellTries = 24;
constexpr int minWellDistance = 80;
constexpr int minPushDistance = 80;
constexpr int maxWellDistance = 330;
constexpr int wellClearance = 70;
// Wells a click could mix up stand at least this far apart, Manhattan.
constexpr int wellSpacing = 40;
// A particle closer than this to a well is lost: the hit distance and a margin for slightly-off runs.
constexpr double lostDistance = Physics::hitDistance + 8;
constexpr int lostMargin = 12;
constexpr int goalTickStep = 4;
// The goal stands where the route ends, or a little before.
constexpr int maxGoalEarlier = 60;
constexpr int minEntry = 60;
constexpr int maxGoalSpan = 150;
// Where the other colour starts, give or take, and how long it lasts at least.
constexpr int besideSpread = 30;
constexpr int minOtherTicks = 60;
// Routes this close, Manhattan, meet as if they crossed: a particle's width.
constexpr int crossingReach = 2 * Physics::particleRadius;
constexpr int goalMargin = 8;
constexpr int startMargin = 16;
// Turns of a leg, in compass steps (11.25 degrees each).
constexpr int velocityTicks = 5;
constexpr double ticksPerUnit = 10;
// A route is at least this long, straight from its start to its goal.
constexpr int minRoute = 260;
constexpr int minTurning = 30;
constexpr int maxTurning = 260;
constexpr int maxCoast = 400;
constexpr double approachUnits = 3;
// The route is kept clear of hazards every this many ticks.
constexpr int routeStep = 2;
constexpr int gridStep = 8;
constexpr int gridColumns = (playfieldWidth - 2 * frameBand) / gridStep;
constexpr int gridRows = (playfieldHeight - 2 * frameBand) / gridStep;
constexpr double shrink = 0.8;
constexpr int shrinkTries = 5;
constexpr int skylineStep = 40;
constexpr int skylineNoise = 24;
constexpr int fillTries = 16;
constexpr int chordSamples = 16;
constexpr int minBlocker = 14;
constexpr int minPinch = 14;
constexpr int maxPinch = 26;
constexpr int pinchSlack = 2;
const QPoint pointerAway(-1000, -1000);

QPoint pointIn(SeededRandom &random, const QRect &field)
{
    const int x = random.uniform(field.left(), field.right());
    const int y = random.uniform(field.top(), field.bottom());
    return QPoint(x, y);
}

QPoint clamped(const QPointF &point, const QRect &field)
{
    const QPoint near = Outline::rounded(point);
    return QPoint(std::clamp(near.x(), field.left(), field.right()), std::clamp(near.y(), field.top(), field.bottom()));
}

bool inParticleZone(const QPoint &at)
{
    // Under the help's lines too: they would be hard to read over a particle, and it to see.
    for (const QRect &zone : {SceneLayout::nameZone, SceneLayout::messageZone, SceneLayout::countsZone,
                              SceneLayout::timesZone, SceneLayout::helpZone}) {
        if (zone.adjusted(-particleMargin, -particleMargin, particleMargin, particleMargin).contains(at))
            return true;
    }
    return false;
}

bool inGoalZone(const QRect &goal)
{
    for (const QRect &zone : {SceneLayout::nameZone, SceneLayout::messageZone, SceneLayout::countsZone,
                              SceneLayout::timesZone, SceneLayout::helpZone}) {
        if (zone.intersects(goal))
            return true;
    }
    return false;
}

double length(const QPointF &v)
{
    return std::sqrt(v.x() * v.x() + v.y() * v.y());
}

// A unit vector in compass direction d, scaled.
QPointF toward(int d, double distance)
{
    return Outline::direction(d) * distance;
}
} // namespace

LevelComposer::LevelComposer(Seed::Tier tier, SeededRandom &random)
    : rules(tierRules[tier]),
      random(random)
{
}

CandidateDemands LevelComposer::demands(Seed::Tier tier)
{
    return proofDemands[tier];
}

double LevelComposer::minHazardShare()
{
    return minShare;
}

double LevelComposer::maxHazardShare()
{
    return maxShare;
}

std::optional<LevelComposer::Composed> LevelComposer::make()
{
    idea = Idea(random.uniform(0, Ideas - 1));
    if (!placeFormation() || !planRoute() || (secondCount > 0 && !placeSecond()) || !placeGoals() || !routesBend())
        return std::nullopt;
    const bool bothColours = goalKinds.contains(RedGoal) && goalKinds.contains(BlueGoal);
    if (rules.bothColours && (!bothColours || !routesCross()))
        return std::nullopt;
    buildArena();
    const Composed composed = assemble();
    const LevelFigures figures = LevelFigures::quick(composed.level);
    if (figures.hazardShare < minShare || figures.hazardShare > maxShare || figures.blockedShare < minBlockedShare)
        return std::nullopt;
    return composed;
}

bool LevelComposer::placeFormation()
{
    const int count = random.uniform(rules.minParticles, rules.maxParticles);
    const int lead = random.chance(0.5) ? RedParticle : BlueParticle;
    const bool second = count > 1 && (rules.bothColours || random.chance(0.35));
    const int leadCount = second ? count - random.uniform(1, count / 2) : count;
    if (!placeGroup(0, lead, leadCount, startField))
        return false;
    // Where the route goes: a goal far from the start.
    const QPoint start = centre(0);
    destination = start;
    for (int tries = 0; tries < formationTries && length(QPointF(destination - start)) < minRoute; ++tries)
        destination = pointIn(random, startField);
    if (length(QPointF(destination - start)) < minRoute)
        return false;
    // The other colour comes once the first's route is known.
    secondKind = lead == RedParticle ? BlueParticle : RedParticle;
    secondCount = second ? count - leadCount : 0;
    return true;
}

bool LevelComposer::placeSecond()
{
    // Pushed where the first colour is pulled, the other goes the first's way backwards, as if
    // turned half round: started at A(late) + A(early) - A(0), it reaches at the early tick
    // where the first comes at the late one, and their routes cross there.
    const Path &lead = paths.front();
    const QPoint start(particles.first().x, particles.first().y);
    const int late = random.uniform(arrival * 45 / 100, arrival * 75 / 100);
    const int early = random.uniform(arrival * 20 / 100, arrival * 40 / 100);
    const QPoint at = lead.at(size_t(late)) + lead.at(size_t(early)) - start;
    const QRect around(at - QPoint(besideSpread, besideSpread), QSize(2 * besideSpread, 2 * besideSpread));
    if (!placeGroup(1, secondKind, secondCount, around & startField))
        return false;
    simulate(rules.maxTicks);
    return lostOf(0) >= arrival + lostMargin && lostOf(1) >= minEntry + minOtherTicks;
}

bool LevelComposer::placeGroup(int group, int kind, int size, const QRect &field, int awayFromDestination)
{
    if (field.isEmpty())
        return false;
    // A line, an arc or a cluster of three or more; a pair of two.
    const int shape = random.uniform(0, 2);
    const int d = random.uniform(0, Outline::directions - 1);
    const int spacing = random.uniform(34, 48);
    for (int tries = 0; tries < formationTries; ++tries) {
        const QPoint anchor = pointIn(random, field);
        QList<QPoint> points;
        for (int i = 0; i < size; ++i) {
            QPointF offset = toward(d, spacing * i);
            if (size > 2 && shape == 1)
                offset = toward(d + i * 3, spacing * 2) - toward(d, spacing * 2);
            else if (size > 2 && shape == 2)
                offset = toward(d + i * 11, spacing * (i % 2 + 1) * 0.7);
            points.append(clamped(QPointF(anchor) + offset, wellField));
        }
        bool placed = true;
        for (int i = 0; placed && i < points.size(); ++i) {
            const QPoint &at = points.at(i);
            placed = startField.contains(at) && !inParticleZone(at) && length(QPointF(at - destination)) >= awayFromDestination;
            for (int j = 0; j < i; ++j)
                placed = placed && length(QPointF(at - points.at(j))) >= particleSpacing;
            for (const Level::Particle &other : std::as_const(particles))
                placed = placed && length(QPointF(at - QPoint(other.x, other.y))) >= particleSpacing;
            // Nor where a well of the route stands.
            for (const QPoint &well : std::as_const(wells))
                placed = placed && length(QPointF(at - well)) >= wellClearance;
        }
        if (!placed)
            continue;
        for (const QPoint &at : points) {
            particles.append({kind, at.x(), at.y()});
            groupOf.append(group);
        }
        groups = group + 1;
        return true;
    }
    return false;
}

QPoint LevelComposer::centre(int group) const
{
    qint64 x = 0;
    qint64 y = 0;
    int n = 0;
    for (int k = 0; k < particles.size(); ++k) {
        if (groupOf.at(k) != group)
            continue;
        const QPoint at = paths.empty() || paths[size_t(k)].empty() ? QPoint(particles.at(k).x, particles.at(k).y)
                                                                     : paths[size_t(k)].back();
        x += at.x();
        y += at.y();
        ++n;
    }
    return QPoint(int(x / n), int(y / n));
}

void LevelComposer::addWell(int tick, const QPoint &at, int kind)
{
    planned.actions.append({tick, Replay::Action::Well, at.x(), at.y(), kind});
    wells.append(at);
    ++(kind == RedWell ? reds : blues);
}

bool LevelComposer::planRoute()
{
    // Waypoints off the straight way from the start to the goal.
    const QPoint start = centre(0);
    const QPoint goal = destination;
    const int legs = random.uniform(rules.minLegs, rules.maxLegs);
    const QPointF way = goal - start;
    const QPointF across = QPointF(-way.y(), way.x()) / length(way);
    // Zigzag, or a hook to one side.
    const bool zigzag = random.chance(0.5);
    const int side = random.chance(0.5) ? 1 : -1;
    QList<QPoint> targets;
    for (int i = 1; i < legs; ++i) {
        const int detour = random.uniform(rules.minDetour, rules.maxDetour) * (zigzag && i % 2 == 0 ? -side : side);
        targets.append(clamped(QPointF(start) + way * i / legs + across * detour, waypointField));
    }
    targets.append(goal);
    const double speed = random.uniform(rules.minSpeed, rules.maxSpeed);
    int tick = 0;
    for (int leg = 0; leg < targets.size(); ++leg) {
        if (!flyToward(targets.at(leg), speed, leg == targets.size() - 1, &tick))
            return false;
    }
    arrival = tick;
    simulate(rules.maxTicks);
    return lostOf(0) >= arrival + lostMargin;
}

bool LevelComposer::flyToward(const QPoint &target, double speed, bool last, int *tick)
{
    simulate(*tick + velocityTicks + 1);
    if (lostOf(0) <= *tick)
        return false;
    const QPoint here = centre(0);
    // Per time unit: a tick is a tenth of one.
    const QPointF velocity = QPointF(paths.front().back() - paths.front().at(paths.front().size() - 1 - velocityTicks))
        * (ticksPerUnit / velocityTicks);
    const QPointF wanted = QPointF(target - here) / length(QPointF(target - here)) * speed;
    const QPointF change = wanted - velocity;
    if (length(change) <= 0)
        return false;
    const int d = Outline::directionOf(change);
    const int leadWell = particles.first().kind == RedParticle ? RedWell : BlueWell;
    const int otherWell = leadWell == RedWell ? BlueWell : RedWell;
    // The acceleration is one pixel per time unit squared: it takes that long to turn the way,
    // on which the particles must not reach a well that pulls them.
    const int turning = std::clamp(int(length(change) * ticksPerUnit), minTurning, maxTurning);
    const double units = turning / ticksPerUnit;
    const int travel = int(length(velocity) * units + units * units / 2);
    bool found = false;
    for (int tries = 0; tries < wellTries && !found; ++tries) {
        // A well of the other colour would pull the other colour's particles into it.
        const bool pull = random.chance(0.6) || secondCount > 0;
        const int distance = pull ? random.uniform(minWellDistance, maxWellDistance) + travel
                                  : random.uniform(minPushDistance, maxWellDistance);
        const QPointF at = QPointF(here) + toward(d, pull ? distance : -distance);
        const QPoint spot = Outline::rounded(at);
        found = wellField.contains(spot)
            && std::all_of(wells.begin(), wells.end(), [&](const QPoint &w) { return (w - spot).manhattanLength() >= wellSpacing; });
        for (int k = 0; k < particles.size() && found; ++k)
            found = length(at - QPointF(paths[size_t(k)].back())) >= wellClearance;
        if (found)
            addWell(*tick, spot, pull ? leadWell : otherWell);
    }
    if (!found)
        return false;
    if (!last || !random.chance(rules.keepLast))
        planned.actions.append({*tick + turning, Replay::Action::Remove, wells.last().x(), wells.last().y(), 0});
    // The next leg starts as the particles come closest to this one's waypoint.
    simulate(std::min(rules.maxTicks, *tick + turning + maxCoast));
    const Path &lead = paths.front();
    const int end = std::min(int(lead.size()), lostOf(0) - lostMargin);
    int closest = *tick + turning;
    if (closest >= end)
        return false;
    // Or a little before, for the next well to turn them in time.
    const double near = speed * approachUnits;
    for (int t = closest; t < end && length(QPointF(lead.at(size_t(closest)) - target)) > near; ++t) {
        if (length(QPointF(lead.at(size_t(t)) - target)) < length(QPointF(lead.at(size_t(closest)) - target)))
            closest = t;
    }
    *tick = closest;
    return true;
}

void LevelComposer::simulate(int ticks)
{
    Level alone;
    alone.particles = particles;
    alone.redWells = alone.blueWells = LevelFile::maxWells;
    LevelState state = alone.newState();
    state.start();
    const int n = int(particles.size());
    paths.assign(size_t(n), Path());
    lost.assign(size_t(n), ticks);
    quint32 time = 0;
    int next = 0;
    for (int tick = 0; tick < ticks; ++tick) {
        for (; next < planned.actions.size() && planned.actions.at(next).tick == tick; ++next) {
            const Replay::Action &action = planned.actions.at(next);
            Drag(action.press(), action.release()).applyTo(state);
        }
        FrameTick::advance(state, time, pointerAway);
        for (int k = 0; k < n; ++k) {
            const ParticleObject &particle = state.particles.at(k);
            paths[size_t(k)].push_back(Outline::rounded(particle));
            bool hit = particle.stopped;
            for (const WellObject &well : std::as_const(state.wells))
                hit = hit || (!well.isRemoved() && length(QPointF(well) - QPointF(particle)) < lostDistance);
            if (hit && lost[size_t(k)] == ticks)
                lost[size_t(k)] = tick;
        }
    }
}

int LevelComposer::lostOf(int group) const
{
    int first = int(paths.front().size());
    for (int k = 0; k < particles.size(); ++k) {
        if (groupOf.at(k) == group)
            first = std::min(first, lost[size_t(k)]);
    }
    return first;
}

bool LevelComposer::placeGoals()
{
    // A goal's shape: a round pad, or a ledge across the way, with corners or angles.
    goalCorners = random.chance(0.5) ? 8 : random.uniform(4, 6);
    goalStretch = random.uniform(20, 90) / 100.0;
    goals.clear();
    goalKinds.clear();
    goalTicks.clear();
    // The first colour's goal where its route ends; the other's where its own way ends, or before.
    for (int g = 0; g < groups; ++g) {
        const int last = std::min(g == 0 ? arrival : rules.maxTicks - 1, lostOf(g) - lostMargin);
        if (last < minEntry)
            return false;
        const int from = last;
        bool placed = false;
        for (int tick = from; !placed && tick >= std::max(minEntry, from - maxGoalEarlier); tick -= goalTickStep)
            placed = goalFits(g, tick);
        if (!placed)
            return false;
    }
    return entriesFit();
}

bool LevelComposer::goalFits(int group, int tick)
{
    QVector<QPoint> ends;
    int kind = 0;
    for (int k = 0; k < particles.size(); ++k) {
        if (groupOf.at(k) != group)
            continue;
        const Path &path = paths[size_t(k)];
        const QPoint end = path.at(size_t(tick));
        // A goal lies across the way the particle comes: a ledge it lands on.
        const QPointF way = end - path.at(size_t(tick - velocityTicks));
        const QPointF across = length(way) > 0 ? QPointF(-way.y(), way.x()) / length(way) * (rules.goalReach * goalStretch) : QPointF();
        ends += {end, clamped(QPointF(end) + across, wellField), clamped(QPointF(end) - across, wellField)};
        kind = particles.at(k).kind == RedParticle ? RedGoal : BlueGoal;
    }
    const QRect span = QPolygon(ends).boundingRect();
    if (span.width() > maxGoalSpan || span.height() > maxGoalSpan)
        return false;
    const QPolygon goal = Outline::hull(ends, rules.goalReach, goalCorners);
    const QRect bound = goal.boundingRect();
    if (!goalField.contains(bound) || inGoalZone(bound))
        return false;
    for (int j = 0; j < goals.size(); ++j) {
        if (goalKinds.at(j) != kind && goals.at(j).boundingRect().adjusted(-goalMargin, -goalMargin, goalMargin, goalMargin).intersects(bound))
            return false;
    }
    goals.append(goal);
    goalKinds.append(kind);
    goalTicks.append(tick);
    return true;
}

bool LevelComposer::entriesFit()
{
    entry.assign(size_t(particles.size()), 0);
    for (int k = 0; k < particles.size(); ++k) {
        const int own = particles.at(k).kind == RedParticle ? RedGoal : BlueGoal;
        const Path &path = paths[size_t(k)];
        const QPoint start(particles.at(k).x, particles.at(k).y);
        for (int i = 0; i < goals.size(); ++i) {
            if (Outline::distance(start, goals.at(i)) < startMargin)
                return false;
        }
        int enters = -1;
        for (int t = 0; t <= goalTicks.at(groupOf.at(k)) && enters < 0; ++t) {
            for (int i = 0; i < goals.size(); ++i) {
                if (!goals.at(i).containsPoint(path.at(size_t(t)), Qt::OddEvenFill))
                    continue;
                if (goalKinds.at(i) != own)
                    return false;
                enters = t;
            }
        }
        if (enters < minEntry)
            return false;
        entry[size_t(k)] = enters;
    }
    return true;
}

bool LevelComposer::routesBend() const
{
    int bent = 0;
    for (int k = 0; k < particles.size(); ++k) {
        const Path &path = paths[size_t(k)];
        const QPointF from(particles.at(k).x, particles.at(k).y);
        const QPointF to = path.at(size_t(entry[size_t(k)]));
        double most = 0;
        for (int t = 0; t <= entry[size_t(k)]; t += routeStep)
            most = std::max(most, Outline::segmentDistanceSquared(path.at(size_t(t)), from, to));
        bent += most >= double(rules.minBend) * rules.minBend;
    }
    return bent * 2 >= particles.size() && bent > 0;
}

bool LevelComposer::routesCross() const
{
    for (int a = 0; a < particles.size(); ++a) {
        for (int b = 0; b < particles.size(); ++b) {
            if (particles.at(a).kind != RedParticle || particles.at(b).kind != BlueParticle)
                continue;
            const Path &red = paths[size_t(a)];
            const Path &blue = paths[size_t(b)];
            // Their ways cross: the straight lines from start to goal, or the routes flown.
            if (Outline::crosses(red.front(), red.at(size_t(entry[size_t(a)])), blue.front(), blue.at(size_t(entry[size_t(b)]))))
                return true;
            for (int i = routeStep; i <= entry[size_t(a)]; i += routeStep) {
                for (int j = routeStep; j <= entry[size_t(b)]; j += routeStep) {
                    if (Outline::crosses(red.at(size_t(i - routeStep)), red.at(size_t(i)), blue.at(size_t(j - routeStep)), blue.at(size_t(j)))
                        || (red.at(size_t(i)) - blue.at(size_t(j))).manhattanLength() < crossingReach)
                        return true;
                }
            }
        }
    }
    return false;
}

void LevelComposer::buildArena()
{
    route.clear();
    for (int k = 0; k < particles.size(); ++k) {
        route.append(QPoint(particles.at(k).x, particles.at(k).y));
        for (int t = 0; t <= entry[size_t(k)]; t += routeStep)
            route.append(paths[size_t(k)].at(size_t(t)));
    }
    covered.assign(size_t(gridColumns * gridRows), 0);
    targetShare = minShare + random.unit() * (maxShare - minShare) * 0.8;
    addFeatures();
    addBlockers();
}

namespace {
// How deep into the playfield a point lies from side, and where along the side.
int depthFrom(int side, const QPoint &point)
{
    switch (side) {
    case Outline::Top:
        return point.y() - frameBand;
    case Outline::Bottom:
        return playfieldHeight - frameBand - point.y();
    case Outline::Left:
        return point.x() - frameBand;
    default:
        return playfieldWidth - frameBand - point.x();
    }
}

int alongSide(int side, const QPoint &point)
{
    return side == Outline::Top || side == Outline::Bottom ? point.x() : point.y();
}

int sideLength(int side)
{
    return side == Outline::Top || side == Outline::Bottom ? playfieldWidth : playfieldHeight;
}
} // namespace

void LevelComposer::addFeatures()
{
    const int side = random.uniform(Outline::Top, Outline::Left);
    switch (idea) {
    case Cave:
        addSkyline(Outline::Top, random.uniform(120, 200));
        addSkyline(Outline::Bottom, random.uniform(120, 200));
        if (random.chance(0.5)) {
            // Each draw in a step of its own: a call's arguments are evaluated in an order each
            // compiler picks, and the seed must give the same level everywhere.
            const int wallSide = random.chance(0.5) ? Outline::Left : Outline::Right;
            addSkyline(wallSide, random.uniform(80, 160));
        }
        break;
    case Rocks:
        for (int n = random.uniform(3, 6); n > 0; --n) {
            const QPoint at = pointIn(random, inner);
            addRock(at, random.uniform(30, 90));
        }
        break;
    case Divider: {
        const int offset = (alongSide(side, centre(0)) + alongSide(side, Outline::centreOf(goals.first()))) / 2;
        addWall(side, offset + random.uniform(-40, 40));
        addSlope((side + 2) % 4);
        break;
    }
    case Wedges:
        for (int n = random.uniform(3, 5); n > 0; --n)
            addWedge(random.uniform(Outline::Top, Outline::Left));
        break;
    case Chicane: {
        const int gap = random.uniform(130, 190);
        for (int at = random.uniform(100, 200), k = side % 2; at < playfieldWidth - frameBand; at += gap, ++k)
            addWall(k % 2 == 0 ? Outline::Top : Outline::Bottom, at);
        break;
    }
    case Ledges:
        addLedges();
        addSlope(Outline::Bottom);
        addSlope(random.chance(0.5) ? Outline::Left : Outline::Right);
        break;
    case Orbit: {
        const QPoint middle = Outline::rounded(QPointF(QPoint(particles.first().x, particles.first().y) + Outline::centreOf(goals.first())) / 2);
        addRock(middle, random.uniform(90, 150));
        break;
    }
    case Ideas:
        break;
    }
    addPinches();
    fill();
}

void LevelComposer::addPinches()
{
    // Rocks right beside a route, where a run slightly off runs into them: a narrow passage.
    for (int n = 0; n < rules.pinches; ++n) {
        const int k = random.uniform(0, int(particles.size()) - 1);
        const Path &path = paths[size_t(k)];
        const int last = entry[size_t(k)];
        const int at = random.uniform(last / 5, last * 4 / 5);
        const QPointF way = path.at(size_t(at + velocityTicks)) - path.at(size_t(at - velocityTicks));
        if (length(way) <= 0)
            continue;
        const int radius = random.uniform(minPinch, maxPinch);
        const QPointF across = QPointF(-way.y(), way.x()) / length(way) * (rules.clearance + radius + pinchSlack);
        for (const int side : {1, -1}) {
            if (side == 1 || random.chance(0.5))
                addRock(clamped(QPointF(path.at(size_t(at))) + across * side, wellField), radius);
        }
    }
}

void LevelComposer::addSkyline(int side, int cap)
{
    const int c = rules.clearance;
    QList<int> offsets;
    QList<int> depths;
    for (int offset = frameBand; offset <= sideLength(side) - frameBand; offset += skylineStep) {
        int depth = cap;
        for (const QPoint &point : std::as_const(route)) {
            if (qAbs(alongSide(side, point) - offset) <= skylineStep + c)
                depth = std::min(depth, depthFrom(side, point) - c);
        }
        offsets.append(offset);
        depths.append(std::max(0, depth - random.uniform(0, skylineNoise)));
    }
    if (offsets.last() != sideLength(side) - frameBand) {
        offsets.append(sideLength(side) - frameBand);
        depths.append(depths.last());
    }
    for (int tries = 0; tries < shrinkTries; ++tries) {
        if (*std::max_element(depths.begin(), depths.end()) < skylineStep / 2
            || keep(Outline::skyline(Side(side), offsets, depths)))
            return;
        for (int &depth : depths)
            depth = int(depth * shrink);
    }
}

bool LevelComposer::addRock(const QPoint &centre, int radius)
{
    QList<int> corners;
    QList<double> radii;
    if (random.chance(0.5)) {
        const int first = random.uniform(0, 1);
        for (int i = first; i < Outline::directions; i += 2) {
            corners.append(i);
            radii.append(random.uniform(85, 115) / 100.0);
        }
    } else {
        for (int d = random.uniform(0, Outline::directions - 1), end = d + Outline::directions - 2; d < end; d += random.uniform(3, 6)) {
            corners.append(d);
            radii.append(random.uniform(75, 120) / 100.0);
        }
    }
    for (double r = radius; r >= minBlocker; r *= shrink) {
        QList<double> scaled;
        for (const double factor : std::as_const(radii))
            scaled.append(factor * r);
        const QPolygon rock = Outline::rock(centre, corners, scaled);
        if (keep(rock))
            return true;
    }
    return false;
}

void LevelComposer::addWall(int side, int offset)
{
    const int width = random.uniform(50, 110);
    const int tip = random.uniform(24, 60);
    const int lean = random.uniform(-60, 60);
    for (double depth = random.uniform(200, 340); depth >= skylineStep; depth *= shrink) {
        if (keep(Outline::wall(Side(side), offset, width, tip, int(depth), lean)))
            return;
    }
}

void LevelComposer::addWedge(int side)
{
    const int from = random.uniform(frameBand, sideLength(side) - frameBand - 120);
    const int to = std::min(sideLength(side) - frameBand, from + random.uniform(120, 300));
    const int apex = random.uniform(from + 20, to - 20);
    for (double depth = random.uniform(80, 220); depth >= skylineStep; depth *= shrink) {
        const QPolygon wedge(QVector<QPoint>{Outline::onEdge(Side(side), from), Outline::inFrom(Side(side), apex, int(depth)),
                                             Outline::onEdge(Side(side), to)});
        if (keep(wedge))
            return;
    }
}

void LevelComposer::addSlope(int side)
{
    const int from = random.uniform(frameBand, sideLength(side) / 2);
    const int to = std::min(sideLength(side) - frameBand, from + random.uniform(160, 420));
    const bool rising = random.chance(0.5);
    for (double depth = random.uniform(60, 180); depth >= skylineStep / 2; depth *= shrink) {
        const int low = int(depth * random.uniform(0, 40) / 100);
        if (keep(Outline::slope(Side(side), from, to, rising ? low : int(depth), rising ? int(depth) : low)))
            return;
    }
}

void LevelComposer::addLedges()
{
    for (int g = 0; g < goals.size(); ++g) {
        int k = int(groupOf.indexOf(g));
        const Path &path = paths[size_t(k)];
        const QPointF way = path.at(size_t(entry[size_t(k)])) - path.at(size_t(std::max(0, entry[size_t(k)] - velocityTicks)));
        if (length(way) <= 0)
            continue;
        const int d = Outline::directionOf(way);
        const QPointF along = Outline::direction(d);
        const QPointF across = Outline::direction(d + Outline::directions / 4);
        const QPointF behind = QPointF(Outline::centreOf(goals.at(g))) + along * (rules.goalReach + random.uniform(6, 16));
        const double half = rules.goalReach * random.uniform(120, 200) / 100.0;
        const double thick = random.uniform(14, 28);
        const QPolygon ledge(QVector<QPoint>{clamped(behind + across * half, wellField),
                                             clamped(behind + across * half + along * thick, wellField),
                                             clamped(behind - across * half + along * thick, wellField),
                                             clamped(behind - across * half, wellField)});
        keep(ledge);
    }
}

void LevelComposer::fill()
{
    // More of what makes the idea, until the arena is as full as it should be.
    for (int tries = 0; tries < fillTries && hazardShare() < targetShare; ++tries) {
        const int side = random.uniform(Outline::Top, Outline::Left);
        switch (idea) {
        case Rocks:
        case Orbit: {
            const QPoint at = pointIn(random, inner);
            addRock(at, idea == Rocks ? random.uniform(40, 100) : random.uniform(24, 60));
            break;
        }
        case Wedges:
            addWedge(side);
            break;
        case Chicane:
            addWall(side % 2 == 0 ? side : Outline::Top, random.uniform(frameBand, playfieldWidth - frameBand));
            break;
        default:
            addSlope(side);
            break;
        }
    }
}

void LevelComposer::addBlockers()
{
    for (int k = 0; k < particles.size(); ++k) {
        if (blocked(k))
            continue;
        const QPoint from(particles.at(k).x, particles.at(k).y);
        const QPoint to = Outline::centreOf(goals.at(groupOf.at(k)));
        QPoint best;
        double room = 0;
        for (int i = 1; i < chordSamples; ++i) {
            const QPoint at = from + Outline::rounded(QPointF(to - from) * i / chordSamples);
            double nearest = -1;
            for (const QPoint &point : std::as_const(route)) {
                const double d = length(QPointF(point - at));
                if (nearest < 0 || d < nearest)
                    nearest = d;
            }
            if (nearest > room) {
                room = nearest;
                best = at;
            }
        }
        const int radius = int(room) - rules.clearance;
        if (radius >= minBlocker)
            addRock(best, std::min(radius, 80));
    }
}

bool LevelComposer::clear(const QPolygon &hazard) const
{
    // A level file holds points on the playfield only.
    if (hazard.size() < 3 || !playfield.contains(hazard.boundingRect()))
        return false;
    const int c = rules.clearance;
    const QRect near = hazard.boundingRect().adjusted(-c, -c, c, c);
    for (const QPoint &point : route) {
        if (near.contains(point) && Outline::distance(point, hazard) < c)
            return false;
    }
    for (const QPolygon &goal : goals) {
        if (hazard.containsPoint(Outline::centreOf(goal), Qt::OddEvenFill))
            return false;
    }
    return true;
}

bool LevelComposer::keep(const QPolygon &hazard)
{
    if (!clear(hazard))
        return false;
    hazards.append(hazard);
    for (int r = 0; r < gridRows; ++r) {
        for (int c = 0; c < gridColumns; ++c) {
            const QPoint at(frameBand + c * gridStep + gridStep / 2, frameBand + r * gridStep + gridStep / 2);
            if (hazard.containsPoint(at, Qt::OddEvenFill))
                covered[size_t(r * gridColumns + c)] = 1;
        }
    }
    return true;
}

double LevelComposer::hazardShare() const
{
    return double(std::count(covered.begin(), covered.end(), 1)) / double(covered.size());
}

bool LevelComposer::blocked(int particle) const
{
    const QPoint from(particles.at(particle).x, particles.at(particle).y);
    const QPoint to = Outline::centreOf(goals.at(groupOf.at(particle)));
    for (int i = 0; i <= chordSamples * 4; ++i) {
        const QPoint at = from + Outline::rounded(QPointF(to - from) * i / (chordSamples * 4));
        for (const QPolygon &hazard : hazards) {
            if (hazard.containsPoint(at, Qt::OddEvenFill))
                return true;
        }
    }
    return false;
}

LevelComposer::Composed LevelComposer::assemble() const
{
    Composed composed;
    composed.idea = idea;
    composed.planned = planned;
    Level &level = composed.level;
    level.particles = particles;
    for (const QPolygon &hazard : hazards)
        level.areas.append({Hazard, hazard});
    // Drawn over the hazards, a goal set into a wall shows whole.
    for (int i = 0; i < goals.size(); ++i)
        level.areas.append({goalKinds.at(i), goals.at(i)});
    level.redWells = reds + rules.spareWells;
    level.blueWells = blues + rules.spareWells;
    return composed;
}
