#include "levels/puzzles/LevelGenerator.h"

#include "levels/format/LevelCheck.h"
#include "levels/format/LevelFile.h"
#include "levels/format/ProofCheck.h"
#include "levels/puzzles/LevelTrials.h"
#include "levels/puzzles/PlayerModel.h"
#include "levels/puzzles/PuzzleNote.h"
#include "levels/puzzles/SeededRandom.h"
#include "levels/puzzles/Solver.h"
#include "levels/puzzles/version1/GridLayout.h"
#include "levels/puzzles/version2/LevelComposer.h"
#include "levels/puzzles/version3/IdeaGenerator.h"
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
using LevelTrials::passingPercent;
using LevelTrials::percent;

// Every rule and number below decides what a seed gives: a change to any of them is a new version
// of the generator (Seed::latestVersion), or the seeds shared so far give other levels. Each
// version's layouts are its own: version 1's in GridLayout, version 2's by LevelComposer.
constexpr int maxGiveAwayPercent = 20;

quint64 hashOf(const QString &text)
{
    const QByteArray hash = QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256);
    return qFromLittleEndian<quint64>(hash.constData());
}

std::optional<Candidate> composed(Seed::Tier tier, SeededRandom &random)
{
    std::optional<LevelComposer::Composed> made = LevelComposer(tier, random).make();
    if (!made)
        return std::nullopt;
    return Candidate{made->level, made->planned};
}

bool forgivingFor(const CandidateDemands &demands, int forgiving)
{
    return forgiving >= demands.minForgiving && forgiving <= demands.maxForgiving;
}

int wellsSet(const Replay &replay)
{
    return int(std::count_if(replay.actions.begin(), replay.actions.end(),
                             [](const Replay::Action &action) { return action.type == Replay::Action::Well; }));
}

// The proven level into made, its note saying how it was proven; false if its file would not read
// back as the same level.
bool finished(LevelGenerator::Generated &made, const Level &level)
{
    made.level = level;
    made.level.note = PuzzleNote::of(made.seed, made.difficulty);
    return made.readsBack();
}
} // namespace

int LevelGenerator::giveAwayPercent(const Level &level, quint64 seed, int trials)
{
    SeededRandom random(seed);
    int passed = 0;
    for (int i = 0; i < trials; ++i)
        passed += LevelTrials::passes(level, LevelTrials::singleWell(random));
    return passed * percent / trials;
}

int LevelGenerator::Difficulty::marks() const
{
    if (plays > 0)
        return PlayerModel::stars(plays);
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

bool LevelGenerator::Generated::readsBack() const
{
    Level back;
    QString why;
    return LevelFile::read(fileText(), &back, &why) && back.playsLike(level);
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
    if (seed.version >= IdeaGenerator::version)
        return IdeaGenerator::generate(seed, hashOf(seed.text()), progress, cancelled);
    const bool first = seed.version == 1;
    const CandidateDemands demands = first ? GridLayout::demands(seed.tier) : LevelComposer::demands(seed.tier);
    SeededRandom random(hashOf(seed.text()));
    for (int tried = 0; tried < demands.candidates && !cancelled; ++tried) {
        if (progress)
            progress(tried);
        std::optional<Candidate> candidate = first ? GridLayout::make(seed.tier, random) : composed(seed.tier, random);
        if (!candidate)
            continue;
        Level &level = candidate->level;
        level.name = seed.fileName();
        // The trials and the solver draw from their own streams, so that a change to one leaves
        // the others' numbers as they were.
        SeededRandom trialRandom(random.next());
        const quint64 solverSeed = random.next();
        if (!LevelCheck::setupWarnings(level).isEmpty() || !LevelTrials::passes(level, candidate->planned))
            continue;
        const auto forgiving = [&](const Replay &run) {
            return passingPercent(level, [&] { return LevelTrials::slightlyOff(run, trialRandom); }, demands.minForgiving,
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
            passingPercent(level, [&] { return LevelTrials::singleWell(trialRandom); }, 0, maxGiveAwayPercent, cancelled);
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
