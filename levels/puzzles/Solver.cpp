#include "levels/puzzles/Solver.h"

#include "levels/puzzles/GoalDistance.h"
#include "levels/puzzles/SeededRandom.h"
#include "sim/LevelState.h"
#include "sim/Physics.h"

#include <QElapsedTimer>
#include <QtConcurrent>

#include <algorithm>
#include <array>
#include <limits>
#include <vector>

namespace {
constexpr int width = Physics::playfieldWidth;
constexpr int height = Physics::playfieldHeight;
constexpr int unreachable = GoalDistance::unreachable;
// Long enough for every level's slow solutions; the search cuts runs that cannot beat its best.
constexpr int maxTicks = 4000;
constexpr int generationSize = 64;
constexpr int poolSize = 24;
constexpr double failedBase = 1e7;
// Generations without progress after which an unsolved search starts afresh.
constexpr int restartAfter = 300;

struct Well
{
    int tick;
    int x;
    int y;
    int kind;
    int removeAfter; // ticks after placing; 0 keeps the well
};

struct Candidate
{
    std::vector<Well> wells;
    double score = std::numeric_limits<double>::max();
    quint32 time = 0;
    bool passed = false;
};

class Search
{
public:
    Search(const Level &level, quint64 seed)
        : level(level),
          random(seed),
          budget{this->level.redWells, this->level.blueWells},
          redField(this->level.newState(), RedParticle),
          blueField(this->level.newState(), BlueParticle)
    {
    }

    Replay replayOf(const Candidate &candidate) const
    {
        std::vector<Replay::Action> actions;
        for (const Well &well : candidate.wells) {
            actions.push_back({well.tick, Replay::Action::Well, well.x, well.y, well.kind});
            if (well.removeAfter > 0)
                actions.push_back({well.tick + well.removeAfter, Replay::Action::Remove, well.x, well.y, 0});
        }
        std::stable_sort(actions.begin(), actions.end(),
                         [](const Replay::Action &a, const Replay::Action &b) { return a.tick < b.tick; });
        Replay replay;
        replay.level = level.number;
        for (const Replay::Action &action : actions)
            replay.actions.append(action);
        return replay;
    }

    void evaluate(Candidate &candidate, int tickLimit) const
    {
        const Replay replay = replayOf(candidate);
        std::vector<int> best;
        const Replay::Result result = replay.run(level, tickLimit, [&](const LevelState &state, int) {
            if (best.empty())
                best.assign(state.particles.size(), unreachable);
            for (int i = 0; i < state.particles.size(); ++i) {
                const ParticleObject &p = state.particles.at(i);
                const GoalDistance &field = p.kind == RedParticle ? redField : blueField;
                best[i] = std::min(best[i], field.at(p));
            }
        });
        candidate.passed = result.status == Passed && result.ignoredActions == 0;
        candidate.time = result.totalTime;
        if (candidate.passed) {
            candidate.score = result.totalTime;
            return;
        }
        double progress = 0;
        for (int d : best)
            progress += std::min(d, 100000);
        candidate.score = failedBase + progress + 1000.0 * result.ignoredActions;
    }

    Candidate randomCandidate()
    {
        Candidate candidate;
        int left[2] = {budget[0], budget[1]};
        const int total = left[0] + left[1];
        const int count = total > 0 ? random.uniform(1, total) : 0;
        for (int i = 0; i < count; ++i) {
            const int kind = pickKind(left);
            --left[kind];
            Well well{i == 0 && coin(0.5) ? 0 : uniform(0, 600), uniform(0, width - 1), uniform(0, height - 1), kind,
                      coin(0.2) ? uniform(10, 400) : 0};
            candidate.wells.push_back(well);
        }
        return candidate;
    }

    Candidate mutate(const Candidate &parent)
    {
        Candidate child{parent.wells};
        int used[2] = {0, 0};
        for (const Well &well : child.wells)
            ++used[well.kind];
        const int changes = uniform(1, 3);
        for (int n = 0; n < changes; ++n) {
            const int what = uniform(0, 9);
            if (child.wells.empty() || what == 9) {
                int left[2] = {budget[0] - used[0], budget[1] - used[1]};
                if (left[0] + left[1] > 0) {
                    const int kind = pickKind(left);
                    ++used[kind];
                    child.wells.push_back({uniform(0, 600), uniform(0, width - 1), uniform(0, height - 1), kind, 0});
                }
                continue;
            }
            Well &well = child.wells[uniform(0, int(child.wells.size()) - 1)];
            const double scale = std::array<double, 3>{4, 20, 80}[uniform(0, 2)];
            switch (what) {
            case 0:
            case 1:
            case 2:
                well.x = std::clamp(well.x + int(std::lround(gauss(scale))), 0, width - 1);
                well.y = std::clamp(well.y + int(std::lround(gauss(scale))), 0, height - 1);
                break;
            case 3:
            case 4:
                well.tick = std::max(0, well.tick + int(std::lround(gauss(scale))));
                break;
            case 5:
                well.removeAfter = well.removeAfter > 0 && coin(0.5) ? 0 : uniform(5, 400);
                break;
            case 6:
                if (well.removeAfter > 0)
                    well.removeAfter = std::max(1, well.removeAfter + int(std::lround(gauss(scale))));
                break;
            case 7:
                if (used[1 - well.kind] < budget[1 - well.kind]) {
                    --used[well.kind];
                    well.kind = 1 - well.kind;
                    ++used[well.kind];
                }
                break;
            default:
                if (child.wells.size() > 1) {
                    const int at = uniform(0, int(child.wells.size()) - 1);
                    --used[child.wells[at].kind];
                    child.wells.erase(child.wells.begin() + at);
                }
                break;
            }
        }
        return child;
    }

    // A start given as a replay, as the search's own candidates are made.
    Candidate candidateOf(const Replay &replay) const
    {
        Candidate candidate;
        for (const Replay::Action &action : replay.actions) {
            if (action.type == Replay::Action::Well) {
                candidate.wells.push_back({action.tick, action.x, action.y, action.kind, 0});
                continue;
            }
            // A click removes the well set where it clicks.
            for (Well &well : candidate.wells) {
                if (well.removeAfter == 0 && well.x == action.x && well.y == action.y) {
                    well.removeAfter = std::max(1, action.tick - well.tick);
                    break;
                }
            }
        }
        return candidate;
    }

    const Level level;
    SeededRandom random;
    int budget[2];

private:
    int uniform(int low, int high) { return random.uniform(low, high); }
    bool coin(double p) { return random.chance(p); }
    double gauss(double sigma) { return random.gauss(sigma); }
    int pickKind(const int left[2])
    {
        return uniform(0, left[0] + left[1] - 1) < left[0] ? RedWell : BlueWell;
    }

    const GoalDistance redField;
    const GoalDistance blueField;
};

// Plays the candidates on every core, each on its own, until cancelled: the same candidates give
// the same scores however many cores play them.
void evaluateAll(const Search &search, std::vector<Candidate> &candidates, int tickLimit,
                 const std::function<bool()> &cancelled)
{
    QtConcurrent::blockingMap(candidates, [&](Candidate &candidate) {
        if (!cancelled())
            search.evaluate(candidate, tickLimit);
    });
}
} // namespace


Solver::Solver(const Level &level, quint64 seed)
    : level(level),
      seed(seed)
{
}

void Solver::cancel()
{
    cancelled = true;
}

std::optional<Replay> Solver::solve(double seconds, long maxGenerations, const Report &report)
{
    constexpr double millisecondsPerSecond = 1000;
    QElapsedTimer clock;
    clock.start();
    Search search(level, seed);
    std::vector<Candidate> pool;
    Candidate best;
    if (start) {
        Candidate first = search.candidateOf(*start);
        search.evaluate(first, maxTicks);
        best = first;
        pool.push_back(std::move(first));
    }
    int stale = 0;
    for (generations = 0; generations < maxGenerations && clock.elapsed() < seconds * millisecondsPerSecond && !isCancelled();
         ++generations) {
        std::vector<Candidate> candidates;
        for (int i = 0; i < generationSize; ++i) {
            // Fresh candidates keep the search wide until something passes, and a few after.
            const bool explore = pool.empty() || i < (pool.front().passed ? 4 : 24);
            if (explore) {
                candidates.push_back(search.randomCandidate());
            } else {
                // Parents from the better half of the pool more often.
                const int size = int(pool.size());
                const int at = std::min(search.random.uniform(0, size - 1), search.random.uniform(0, size - 1));
                candidates.push_back(search.mutate(pool[at]));
            }
        }
        // A run that goes on past the best pass cannot beat it.
        const int tickLimit = !pool.empty() && pool.front().passed
            ? int(pool.front().time / Physics::frameInterval) + 1
            : maxTicks;
        evaluateAll(search, candidates, tickLimit, [this] { return isCancelled(); });
        // A generation cut short is not ranked: its unplayed candidates have no score.
        if (isCancelled())
            break;
        for (Candidate &candidate : candidates)
            pool.push_back(std::move(candidate));
        std::stable_sort(pool.begin(), pool.end(),
                         [](const Candidate &a, const Candidate &b) { return a.score < b.score; });
        if (pool.size() > size_t(poolSize))
            pool.resize(poolSize);
        if (pool.front().score < best.score) {
            best = pool.front();
            stale = 0;
        } else if (!best.passed && ++stale > restartAfter) {
            // Stuck short of the goal: the pool has closed in on a dead end.
            pool.clear();
            stale = 0;
        }
        if (report)
            report({generations + 1, clock.elapsed(), best.passed, best.time});
    }
    if (!best.passed)
        return std::nullopt;
    Replay replay = search.replayOf(best);
    replay.time = best.time;
    return replay;
}
