#include "levels/puzzles/LevelGenerator.h"

#include "levels/format/LevelCheck.h"
#include "levels/format/LevelFile.h"
#include "levels/format/ProofCheck.h"
#include "levels/puzzles/LevelComposer.h"
#include "levels/puzzles/Outline.h"
#include "levels/puzzles/SeededRandom.h"
#include "levels/puzzles/Solver.h"
#include "sim/LevelState.h"
#include "sim/Physics.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QRect>
#include <QtEndian>

#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

namespace {
// Every rule and number below decides what a seed gives: a change to any of them is a new version
// of the generator (Seed::latestVersion), or the seeds shared so far give other levels. Version 1's
// layouts are laid out here; version 2's by LevelComposer.

// What makes each tier what it is: how its candidates are laid out, and what its levels take.
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
constexpr int percent = 100;
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
// Trials of a candidate: single wells set at random, and slightly-off replays of its proof.
constexpr int trials = 40;
constexpr int trialTicks = 1000;
constexpr int maxGiveAwayPercent = 20;
constexpr int offBy = 8;
constexpr int lateBy = 5;
constexpr long solverGenerations = 6;

quint64 hashOf(const QString &text)
{
    const QByteArray hash = QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256);
    return qFromLittleEndian<quint64>(hash.constData());
}

// Two numbers, each in its range. A call's arguments are evaluated in an order each compiler picks
// (g++ the last first, clang the first first), so two draws in one call would make another level
// on another compiler; version 1 draws the second number first, as g++ did when it was made.
std::pair<int, int> drawTwo(SeededRandom &random, int firstLow, int firstHigh, int secondLow, int secondHigh)
{
    const int second = random.uniform(secondLow, secondHigh);
    const int first = random.uniform(firstLow, firstHigh);
    return {first, second};
}

QPoint pointIn(SeededRandom &random, const QRect &field)
{
    const auto [x, y] = drawTwo(random, field.left(), field.right(), field.top(), field.bottom());
    return QPoint(x, y);
}

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

bool passes(const Level &level, const Replay &replay)
{
    return replay.run(level, trialTicks).status == Passed;
}

// A candidate laid out, and the run it was laid out around.
struct Candidate
{
    Level level;
    Replay planned;
};

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
    // it, before anything ends the run.
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

// The share, in percent, of trials that pass the level, each a replay drawn by trial; as soon as
// more than most have passed, or fewer than fewest can, it is no use going on and stops there.
int passingPercent(const Level &level, const std::function<Replay()> &trial, int fewest, int most,
                   const std::atomic<bool> &cancelled)
{
    int passed = 0;
    for (int i = 0; i < trials && !cancelled; ++i) {
        passed += passes(level, trial());
        if (passed * percent > most * trials || (passed + trials - i - 1) * percent < fewest * trials)
            break;
    }
    return passed * percent / trials;
}

// A single well set at random at the start.
Replay singleWell(SeededRandom &random)
{
    Replay single;
    // The kind first, then the place: the order of version 1 (see drawTwo).
    const int kind = random.chance(0.5) ? RedWell : BlueWell;
    single.actions.append(wellAt(0, pointIn(random, QRect(QPoint(0, 0), QSize(Physics::playfieldWidth, Physics::playfieldHeight))), kind));
    return single;
}

// proof slightly off: each well up to offBy pixels away and lateBy ticks late, a click on it
// following it.
Replay slightlyOff(const Replay &proof, SeededRandom &random)
{
    Replay off = proof;
    for (int w = 0; w < off.actions.size(); ++w) {
        Replay::Action &well = off.actions[w];
        if (well.type != Replay::Action::Well)
            continue;
        const QPoint from(well.x, well.y);
        const auto [dx, dy] = drawTwo(random, -offBy, offBy, -offBy, offBy);
        const QPoint moved = from + QPoint(dx, dy);
        const int late = random.uniform(0, lateBy);
        for (int r = w + 1; r < off.actions.size(); ++r) {
            Replay::Action &click = off.actions[r];
            if (click.type == Replay::Action::Remove && QPoint(click.x, click.y) == from) {
                click.x = moved.x();
                click.y = moved.y();
                click.tick += late;
                break;
            }
        }
        well.x = moved.x();
        well.y = moved.y();
        well.tick += late;
    }
    std::stable_sort(off.actions.begin(), off.actions.end(),
                     [](const Replay::Action &a, const Replay::Action &b) { return a.tick < b.tick; });
    return off;
}

// What a tier's proof must take: its wells, and the share of slightly-off replays of it that pass;
// and the solver's budget for it.
struct Demands
{
    int minWells;
    int maxWells;
    int minForgiving;
    int maxForgiving;
    long generations;
    // The budget of one seed's work: a seed that found no level within it would give none anywhere.
    int candidates;
};

Demands demandsOf(const TierRules &rules)
{
    return {rules.minWells, rules.maxWells, rules.minForgiving, rules.maxForgiving, solverGenerations, maxCandidates};
}

// Version 2's, by tier: its levels are laid out by LevelComposer.
const Demands composedDemands[] = {
    {1, 2, 60, 100, 4, 4000},
    {2, 3, 40, 100, 4, 4000},
    {3, 6, 0, 100, 4, 4000},
};

std::optional<Candidate> composed(Seed::Tier tier, SeededRandom &random)
{
    std::optional<LevelComposer::Composed> made = LevelComposer(tier, random).make();
    if (!made)
        return std::nullopt;
    return Candidate{made->level, made->planned};
}

bool forgivingFor(const Demands &demands, int forgiving)
{
    return forgiving >= demands.minForgiving && forgiving <= demands.maxForgiving;
}

int wellsSet(const Replay &replay)
{
    return int(std::count_if(replay.actions.begin(), replay.actions.end(),
                             [](const Replay::Action &action) { return action.type == Replay::Action::Well; }));
}

// The proven level into made, its note saying how it was proven; false if its file would not read
// back as the same level: what leaves the generator is a file any game reads as it is.
bool finished(LevelGenerator::Generated &made, const Level &level)
{
    const LevelGenerator::Difficulty &d = made.difficulty;
    made.level = level;
    made.level.note = QStringLiteral("generated from the seed %1; wells its proof sets: %2; slightly-off replays of it "
                                     "that pass: %3%; single wells set at random that pass: %4%")
                          .arg(made.seed.text(), QString::number(d.wells), QString::number(d.forgivingPercent),
                               QString::number(d.giveAwayPercent));
    Level back;
    QString why;
    return LevelFile::read(made.fileText(), &back, &why) && back.playsLike(level);
}
} // namespace

int LevelGenerator::giveAwayPercent(const Level &level, quint64 seed, int trials)
{
    SeededRandom random(seed);
    int passed = 0;
    for (int i = 0; i < trials; ++i)
        passed += passes(level, singleWell(random));
    return passed * percent / trials;
}

int LevelGenerator::Difficulty::marks() const
{
    constexpr int fewMiss = 95;
    constexpr int someMiss = 75;
    constexpr int mostMiss = 50;
    constexpr int most = 5;
    const int missed = int(forgivingPercent < fewMiss) + int(forgivingPercent < someMiss) + int(forgivingPercent < mostMiss);
    return std::clamp(wells + missed - 1, 1, most);
}

QString LevelGenerator::describe(const Seed &seed, const Difficulty &difficulty)
{
    constexpr int most = 5;
    const int marks = difficulty.marks();
    const QString shown = QString(marks, QChar(0x2605)) + QString(most - marks, QChar(0x2606));
    return QCoreApplication::translate("LevelGenerator", "%1 \u00b7 %2", "a puzzle's tier and its difficulty, as stars")
        .arg(Seed::tierName(seed.tier), shown);
}

QByteArray LevelGenerator::Generated::fileText() const
{
    return LevelFile::toText(level).toUtf8();
}

LevelGenerator::LevelGenerator(const Seed &seed)
    : seed(seed)
{
}

std::optional<LevelGenerator::Generated> LevelGenerator::generate(const Progress &progress,
                                                                  const std::atomic<bool> *stop) const
{
    const std::atomic<bool> never{false};
    const std::atomic<bool> &cancelled = stop ? *stop : never;
    const bool first = seed.version == 1;
    const Demands demands = first ? demandsOf(tierRules[seed.tier]) : composedDemands[seed.tier];
    SeededRandom random(hashOf(seed.text()));
    for (int tried = 0; tried < demands.candidates && !cancelled; ++tried) {
        if (progress)
            progress(tried);
        std::optional<Candidate> candidate = first ? Layout(tierRules[seed.tier], random).make() : composed(seed.tier, random);
        if (!candidate)
            continue;
        Level &level = candidate->level;
        level.name = seed.fileName();
        // The trials and the solver draw from their own streams, so that a change to one leaves
        // the others' numbers as they were.
        SeededRandom trialRandom(random.next());
        const quint64 solverSeed = random.next();
        if (!LevelCheck::warnings(level).isEmpty() || !passes(level, candidate->planned))
            continue;
        const auto forgiving = [&](const Replay &run) {
            return passingPercent(level, [&] { return slightlyOff(run, trialRandom); }, demands.minForgiving,
                                  demands.maxForgiving, cancelled);
        };
        // The planned run's forgiveness foretells the proof's well enough to spare the solver
        // a candidate of another tier.
        if (!forgivingFor(demands, forgiving(candidate->planned)) || cancelled)
            continue;
        Generated made;
        made.seed = seed;
        made.tried = tried;
        made.difficulty.giveAwayPercent =
            passingPercent(level, [&] { return singleWell(trialRandom); }, 0, maxGiveAwayPercent, cancelled);
        if (made.difficulty.giveAwayPercent > maxGiveAwayPercent || cancelled)
            continue;
        Solver solver(level, solverSeed);
        solver.startFrom(candidate->planned);
        solver.cancelWith(&cancelled);
        const std::optional<Replay> proof = solver.solve(std::numeric_limits<double>::infinity(), demands.generations);
        if (!proof || cancelled)
            continue;
        level.proof = *proof;
        if (!ProofCheck::of(level).holds())
            continue;
        made.difficulty.wells = wellsSet(*proof);
        made.difficulty.forgivingPercent = forgiving(*proof);
        const Difficulty &d = made.difficulty;
        if (d.wells < demands.minWells || d.wells > demands.maxWells || !forgivingFor(demands, d.forgivingPercent) || cancelled)
            continue;
        if (finished(made, level))
            return made;
    }
    return std::nullopt;
}
