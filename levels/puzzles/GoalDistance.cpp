#include "levels/puzzles/GoalDistance.h"

#include "sim/LevelState.h"
#include "sim/Physics.h"

#include <queue>
#include <utility>

namespace {
constexpr int columns = Physics::playfieldWidth / GoalDistance::cell;
constexpr int rows = Physics::playfieldHeight / GoalDistance::cell;
constexpr int straightStep = 10;
constexpr int diagonalStep = 14;
} // namespace

GoalDistance::GoalDistance(const LevelState &level, int particleKind)
    : distance(columns * rows, unreachable)
{
    std::vector<char> blocked(columns * rows, 0);
    using Node = std::pair<int, int>;
    std::priority_queue<Node, std::vector<Node>, std::greater<Node>> open;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const QPoint centre(c * cell + cell / 2, r * cell + cell / 2);
            for (const Area &area : level.areas) {
                if (!area.holds(centre))
                    continue;
                if (area.isGoalFor(particleKind)) {
                    distance[r * columns + c] = 0;
                    open.push({0, r * columns + c});
                } else {
                    blocked[r * columns + c] = 1;
                }
            }
        }
    }
    while (!open.empty()) {
        const auto [d, at] = open.top();
        open.pop();
        if (d > distance[at])
            continue;
        const int r = at / columns;
        const int c = at % columns;
        for (int dr = -1; dr <= 1; ++dr) {
            for (int dc = -1; dc <= 1; ++dc) {
                const int nr = r + dr;
                const int nc = c + dc;
                if ((dr == 0 && dc == 0) || nr < 0 || nr >= rows || nc < 0 || nc >= columns)
                    continue;
                const int next = nr * columns + nc;
                const int step = dr != 0 && dc != 0 ? diagonalStep : straightStep;
                if (blocked[next] || d + step >= distance[next])
                    continue;
                distance[next] = d + step;
                open.push({d + step, next});
            }
        }
    }
}

int GoalDistance::at(const QPointF &p) const
{
    const int c = int(p.x()) / cell;
    const int r = int(p.y()) / cell;
    if (p.x() < 0 || p.y() < 0 || c >= columns || r >= rows)
        return unreachable;
    return distance[r * columns + c];
}
