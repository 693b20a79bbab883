#include "levels/puzzles/version3/IdeaGenerator.h"

#include "levels/format/LevelCheck.h"
#include "levels/format/ProofCheck.h"
#include "levels/puzzles/LevelTrials.h"
#include "levels/puzzles/PlayerModel.h"
#include "levels/puzzles/SeededRandom.h"
#include "levels/puzzles/Solver.h"
#include "levels/puzzles/version3/IdeaComposer.h"
#include "sim/LevelObject.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace {
using LevelTrials::passingPercent;

// Every rule and number below decides what a seed gives: a change to any of them is a new version.
struct TierDemands
{
    int minStars;
    int maxStars;
    // The chance of a spare well beyond what the proof sets.
    double spare;
};

const TierDemands tierDemands[] = {
    {1, 2, 1.0},
    {2, 3, 0.5},
    {3, 5, 0.0},
};
constexpr int maxCandidates = 3000;
constexpr int drawsPerIdea = 8;
constexpr int maxGiveAwayPercent = 20;
// A person passes it slightly off at least this often, or it asks for more precision than a person has.
constexpr int minForgivingPercent = 20;
constexpr long solverGenerations = 4;
constexpr int mostWells = 3;

struct Usage
{
    int red = 0;
    int blue = 0;
};

Usage usageOf(const Replay &replay)
{
    Usage used;
    for (const Replay::Action &action : replay.actions) {
        if (action.type == Replay::Action::Well)
            ++(action.kind == RedWell ? used.red : used.blue);
    }
    return used;
}

bool hasParticles(const Level &level, int kind)
{
    return std::any_of(level.particles.begin(), level.particles.end(), [&](const Level::Particle &p) { return p.kind == kind; });
}

// What a run sets, and perhaps one spare of a colour there are particles of, unless it already
// offers as many as a person keeps in mind.
void budgetFor(Level &level, const Replay &run, bool spare)
{
    const Usage used = usageOf(run);
    level.redWells = used.red;
    level.blueWells = used.blue;
    if (!spare || used.red + used.blue >= mostWells)
        return;
    const bool reds = hasParticles(level, RedParticle);
    const bool blues = hasParticles(level, BlueParticle);
    // The colour the run leans on, or the one there are particles of.
    if (reds && (!blues || used.red >= used.blue))
        ++level.redWells;
    else
        ++level.blueWells;
}

// The median of the plays of a few searches, and the plan the first found.
struct Rating
{
    int plays = 0;
    std::optional<Replay> plan;
};

// None once most searches have shown the level is not of the tier's stars, or past what a person
// finds (most searches find no plan).
std::optional<Rating> rate(const Level &level, const TierDemands &demands, SeededRandom &random, const std::atomic<bool> &cancelled)
{
    std::vector<int> plays;
    Rating rating;
    int easier = 0;
    int harder = 0;
    for (int i = 0; i < PlayerModel::searches; ++i) {
        PlayerModel::Found found = PlayerModel(level, random.next()).search(PlayerModel::budget, cancelled);
        if (cancelled)
            return std::nullopt;
        const int stars = PlayerModel::stars(found.plays);
        easier += stars < demands.minStars;
        harder += stars > demands.maxStars || !found.plan;
        if (easier > PlayerModel::searches / 2 || harder > PlayerModel::searches / 2)
            return std::nullopt;
        plays.push_back(found.plays);
        if (!rating.plan)
            rating.plan = found.plan;
    }
    std::sort(plays.begin(), plays.end());
    rating.plays = plays[size_t(PlayerModel::searches / 2)];
    return rating;
}

QString noteOf(const LevelGenerator::Generated &made, const char *idea)
{
    const LevelGenerator::Difficulty &d = made.difficulty;
    return QStringLiteral("generated from the seed %1; idea: %2; wells its proof sets: %3; plans a model of a player tries "
                          "before its first pass: %4; slightly-off replays of its plan that pass: %5%; single wells set at "
                          "random that pass: %6%")
        .arg(made.seed.text(), QLatin1String(idea), QString::number(d.wells), QString::number(d.plays),
             QString::number(d.forgivingPercent), QString::number(d.giveAwayPercent));
}
} // namespace

namespace IdeaGenerator {

std::optional<LevelGenerator::Generated> generate(const Seed &seed, quint64 hash, const LevelGenerator::Progress &progress,
                                                  const std::atomic<bool> &cancelled)
{
    const TierDemands &demands = tierDemands[seed.tier];
    SeededRandom random(hash);
    int idea = 0;
    for (int tried = 0; tried < maxCandidates && !cancelled; ++tried) {
        if (progress)
            progress(tried);
        // An idea is given a few draws before another is chosen: the ideas a tier's puzzles show
        // come as often as its weights say, however often each is kept.
        if (tried % drawsPerIdea == 0)
            idea = IdeaComposer(seed.tier, random).drawIdea();
        const std::optional<IdeaComposer::Composed> composed = IdeaComposer(seed.tier, random).make(idea);
        if (!composed)
            continue;
        // Each stage draws from a stream of its own, so that a change to one leaves the others' numbers.
        SeededRandom trialRandom(random.next());
        SeededRandom modelRandom(random.next());
        const quint64 solverSeed = random.next();
        const bool spare = random.chance(demands.spare);
        Level level = composed->level;
        level.name = seed.fileName();
        const auto giveAway = [&] {
            return passingPercent(level, [&] { return LevelTrials::singleWell(trialRandom); }, 0, maxGiveAwayPercent, cancelled);
        };
        if (!LevelCheck::setupWarnings(level).isEmpty() || giveAway() > maxGiveAwayPercent || cancelled)
            continue;
        const PlayerModel::Found found = PlayerModel(level, modelRandom.next()).search(PlayerModel::budget, cancelled);
        // A first search far from the tier's stars foretells the others well enough to spare the
        // solver and the searches that count.
        const int foretold = PlayerModel::stars(found.plays);
        if (!found.plan || foretold < demands.minStars - 1 || foretold > demands.maxStars + 1 || cancelled)
            continue;
        budgetFor(level, *found.plan, false);
        Solver solver(level, solverSeed);
        solver.startFrom(*found.plan);
        solver.cancelWith(&cancelled);
        const std::optional<Replay> proof = solver.solve(std::numeric_limits<double>::infinity(), solverGenerations);
        if (!proof || cancelled)
            continue;
        budgetFor(level, *proof, spare);
        level.proof = *proof;
        if (!ProofCheck::of(level).holds())
            continue;
        const std::optional<Rating> rating = rate(level, demands, modelRandom, cancelled);
        if (!rating)
            continue;
        LevelGenerator::Generated made;
        made.seed = seed;
        made.tried = tried;
        made.difficulty.plays = rating->plays;
        made.difficulty.wells = int(usageOf(*proof).red + usageOf(*proof).blue);
        made.difficulty.forgivingPercent = passingPercent(
            level, [&] { return LevelTrials::slightlyOff(*rating->plan, trialRandom); }, minForgivingPercent, LevelTrials::percent,
            cancelled);
        made.difficulty.giveAwayPercent = giveAway();
        if (made.difficulty.forgivingPercent < minForgivingPercent || made.difficulty.giveAwayPercent > maxGiveAwayPercent
            || cancelled)
            continue;
        made.level = level;
        made.level.note = noteOf(made, composed->idea);
        if (made.readsBack())
            return made;
    }
    return std::nullopt;
}

} // namespace IdeaGenerator
