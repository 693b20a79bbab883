#include "levels/puzzles/LevelFigures.h"

#include "levels/format/Level.h"
#include "levels/puzzles/Outline.h"
#include "sim/Area.h"
#include "sim/LevelObject.h"
#include "sim/LevelState.h"
#include "sim/Physics.h"

#include <QPolygon>

#include <algorithm>

#include <vector>

namespace {
using Physics::frameBand;
using Physics::playfieldHeight;
using Physics::playfieldWidth;

constexpr int step = 4;
constexpr int columns = (playfieldWidth - 2 * frameBand) / step;
constexpr int rows = (playfieldHeight - 2 * frameBand) / step;
// Free space this close to a hazard or the frame is near it.
constexpr int nearDistance = 40;
// A straight line is followed in steps this long.
constexpr int lineStep = 2;
// A pocket holds at least a particle's area of samples.
constexpr int pocketSamples = (2 * Physics::particleRadius / step) * (2 * Physics::particleRadius / step);
// A goal lies against a wall where this share of its outline is this close to a hazard or the frame.
constexpr double walledOutline = 0.25;
constexpr int wallReach = 3;
constexpr int outlineStep = 4;
// A hazard this close to a proof's way shapes the passage.
constexpr double passageReach = 40;
constexpr int pathTicks = 4000;

QPoint sampleAt(int column, int row)
{
    return QPoint(frameBand + column * step + step / 2, frameBand + row * step + step / 2);
}

// The level's hazards, as the step tests them.
QList<Area> hazardsOf(const Level &level)
{
    QList<Area> hazards;
    for (const Level::Shape &area : level.areas) {
        if (area.kind == Hazard)
            hazards.append(Area(area.kind, area.polygon));
    }
    return hazards;
}

bool inHazard(const QList<Area> &hazards, const QPoint &point)
{
    return std::any_of(hazards.begin(), hazards.end(), [&](const Area &hazard) { return hazard.holds(point); });
}

// Which samples of the inner playfield are hazard, row by row.
std::vector<char> hazardGrid(const QList<Area> &hazards)
{
    std::vector<char> grid(size_t(columns * rows), 0);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c)
            grid[size_t(r * columns + c)] = inHazard(hazards, sampleAt(c, r));
    }
    return grid;
}

bool isRectangle(const QPolygon &polygon)
{
    if (polygon.size() != 4)
        return false;
    for (int i = 0; i < 4; ++i) {
        const QPoint a = polygon.at(i);
        const QPoint b = polygon.at((i + 1) % 4);
        if (a.x() != b.x() && a.y() != b.y())
            return false;
    }
    return true;
}

qint64 squared(const QPoint &d)
{
    return qint64(d.x()) * d.x() + qint64(d.y()) * d.y();
}

// Whether the straight line from a particle to the nearest goal of its colour crosses a hazard.
bool blocked(const Level &level, const QList<Area> &hazards, const Level::Particle &particle)
{
    const QPoint from(particle.x, particle.y);
    const int goalKind = particle.kind == RedParticle ? RedGoal : BlueGoal;
    QPoint to;
    qint64 nearest = -1;
    for (const Level::Shape &area : level.areas) {
        const QPoint centre = Outline::centreOf(area.polygon);
        if (area.kind == goalKind && (nearest < 0 || squared(centre - from) < nearest)) {
            nearest = squared(centre - from);
            to = centre;
        }
    }
    if (nearest < 0)
        return false;
    const QPoint d = to - from;
    const int steps = qMax(1, qMax(qAbs(d.x()), qAbs(d.y())) / lineStep);
    for (int i = 0; i <= steps; ++i) {
        const QPoint at(from.x() + d.x() * i / steps, from.y() + d.y() * i / steps);
        if (inHazard(hazards, at))
            return true;
    }
    return false;
}

// Which free samples no particle can reach, each pocket a group of them, walking through free
// samples (goals are free: a particle's way runs through one of its own).
std::vector<int> pocketSizes(const Level &level, const std::vector<char> &grid)
{
    std::vector<char> reached(grid.size(), 0);
    std::vector<int> open;
    const auto visit = [&](int at) {
        if (!grid[size_t(at)] && !reached[size_t(at)]) {
            reached[size_t(at)] = 1;
            open.push_back(at);
        }
    };
    const auto flood = [&] {
        int size = 0;
        while (!open.empty()) {
            const int at = open.back();
            open.pop_back();
            ++size;
            const int r = at / columns;
            const int c = at % columns;
            if (c > 0)
                visit(at - 1);
            if (c + 1 < columns)
                visit(at + 1);
            if (r > 0)
                visit(at - columns);
            if (r + 1 < rows)
                visit(at + columns);
        }
        return size;
    };
    for (const Level::Particle &particle : level.particles) {
        const int c = (particle.x - frameBand) / step;
        const int r = (particle.y - frameBand) / step;
        if (c >= 0 && c < columns && r >= 0 && r < rows)
            visit(r * columns + c);
    }
    flood();
    std::vector<int> pockets;
    for (int at = 0; at < int(grid.size()); ++at) {
        visit(at);
        if (const int size = flood())
            pockets.push_back(size);
    }
    return pockets;
}

bool touchesWall(const QList<Area> &hazards, const QPoint &at)
{
    const Area frame(Hazard, Level::framePolygon());
    for (const QPoint &off : {QPoint(wallReach, 0), QPoint(-wallReach, 0), QPoint(0, wallReach), QPoint(0, -wallReach)}) {
        if (frame.holds(at + off) || inHazard(hazards, at + off))
            return true;
    }
    return false;
}

bool walled(const QList<Area> &hazards, const QPolygon &goal)
{
    int near = 0;
    int samples = 0;
    for (int i = 0; i < goal.size(); ++i) {
        const QPoint a = goal.at(i);
        const QPoint b = goal.at((i + 1) % goal.size());
        const QPoint d = b - a;
        const int steps = qMax(1, qMax(qAbs(d.x()), qAbs(d.y())) / outlineStep);
        for (int s = 0; s < steps; ++s) {
            near += touchesWall(hazards, QPoint(a.x() + d.x() * s / steps, a.y() + d.y() * s / steps));
            ++samples;
        }
    }
    return near >= walledOutline * samples;
}

// The points the proof's particles pass, every few ticks.
QList<QPoint> proofWay(const Level &level)
{
    QList<QPoint> way;
    if (!level.proof)
        return way;
    level.proof->run(level, pathTicks, [&](const LevelState &state, int tick) {
        if (tick % lineStep != 0)
            return;
        for (const ParticleObject &particle : state.particles)
            way.append(Outline::rounded(particle));
    });
    return way;
}

// A hazard's job: it blocks a particle's straight way to its goal, holds a goal, or shapes the way
// the proof takes.
bool hasJob(const Level &level, const Area &hazard, const QList<QPoint> &way)
{
    const QList<Area> alone{hazard};
    for (const Level::Particle &particle : level.particles) {
        if (blocked(level, alone, particle))
            return true;
    }
    for (const Level::Shape &area : level.areas) {
        if (area.kind == Hazard)
            continue;
        for (const QPoint &corner : area.polygon) {
            if (touchesWall(alone, corner) || Outline::distance(corner, hazard) <= wallReach)
                return true;
        }
    }
    return std::any_of(way.begin(), way.end(), [&](const QPoint &at) { return Outline::distance(at, hazard) < passageReach; });
}

int countPockets(const Level &level, const std::vector<char> &grid)
{
    const std::vector<int> sizes = pocketSizes(level, grid);
    return int(std::count_if(sizes.begin(), sizes.end(), [](int size) { return size >= pocketSamples; }));
}

double share(int part, int whole)
{
    return whole > 0 ? double(part) / whole : 0;
}

LevelFigures quickFigures(const Level &level, const QList<Area> &hazards, const std::vector<char> &grid)
{
    LevelFigures figures;
    int hazard = 0;
    for (const char cell : grid)
        hazard += cell;
    figures.hazardShare = share(hazard, int(grid.size()));
    int shaped = 0;
    for (const Area &hazard : hazards)
        shaped += !isRectangle(hazard);
    figures.shapedShare = share(shaped, int(hazards.size()));
    int blockedParticles = 0;
    for (const Level::Particle &particle : level.particles)
        blockedParticles += blocked(level, hazards, particle);
    figures.blockedShare = share(blockedParticles, int(level.particles.size()));
    return figures;
}
} // namespace

int LevelFigures::sealedPockets(const Level &level)
{
    return countPockets(level, hazardGrid(hazardsOf(level)));
}

LevelFigures LevelFigures::quick(const Level &level)
{
    const QList<Area> hazards = hazardsOf(level);
    return quickFigures(level, hazards, hazardGrid(hazards));
}

LevelFigures LevelFigures::of(const Level &level)
{
    const QList<Area> hazards = hazardsOf(level);
    const std::vector<char> grid = hazardGrid(hazards);
    LevelFigures figures = quickFigures(level, hazards, grid);
    constexpr int reach = nearDistance / step;
    int free = 0;
    int near = 0;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            if (grid[size_t(r * columns + c)])
                continue;
            ++free;
            // The frame lies just beyond the samples' edge.
            bool close = c < reach || r < reach || columns - 1 - c < reach || rows - 1 - r < reach;
            for (int dr = -reach; dr <= reach && !close; ++dr) {
                for (int dc = -reach; dc <= reach && !close; ++dc) {
                    const int nr = r + dr;
                    const int nc = c + dc;
                    close = dr * dr + dc * dc <= reach * reach && nr >= 0 && nr < rows && nc >= 0 && nc < columns
                        && grid[size_t(nr * columns + nc)];
                }
            }
            near += close;
        }
    }
    figures.nearShare = share(near, free);
    if (level.proof) {
        int late = 0;
        for (const Replay::Action &action : level.proof->actions)
            late += action.tick > 0;
        figures.lateShare = share(late, int(level.proof->actions.size()));
    }
    figures.hazards = int(hazards.size());
    int corners = 0;
    int walledGoals = 0;
    int goals = 0;
    for (const Level::Shape &area : level.areas) {
        if (area.kind == Hazard)
            continue;
        ++goals;
        corners += int(area.polygon.size());
        walledGoals += walled(hazards, area.polygon);
    }
    figures.goalCorners = goals > 0 ? double(corners) / goals : 0;
    figures.walledGoalShare = share(walledGoals, goals);
    const QList<QPoint> way = proofWay(level);
    int idle = 0;
    for (const Area &hazard : hazards)
        idle += !hasJob(level, hazard, way);
    figures.idleShare = share(idle, int(hazards.size()));
    figures.pockets = countPockets(level, grid);
    return figures;
}
