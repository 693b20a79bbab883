#include "levels/puzzles/LevelFigures.h"

#include "levels/format/Level.h"
#include "levels/puzzles/Outline.h"
#include "sim/Area.h"
#include "sim/LevelObject.h"
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
    return figures;
}
