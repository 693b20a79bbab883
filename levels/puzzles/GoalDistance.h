#ifndef SWIRLFALL_GOALDISTANCE_H
#define SWIRLFALL_GOALDISTANCE_H

#include <QPointF>

#include <limits>
#include <vector>

class LevelState;

// How far a particle of one colour is from its goal, walking around what would end it: the
// distance, in tenths of a 5 px cell, from every cell to the nearest cell of a goal of its colour,
// through cells that are neither hazard nor the other colour's goal. It shows a run's progress even
// where the goal hides behind a hazard.
class GoalDistance
{
public:
    static constexpr int cell = 5;
    static constexpr int unreachable = std::numeric_limits<int>::max() / 4;

    GoalDistance(const LevelState &level, int particleKind);

    int at(const QPointF &p) const;

private:
    std::vector<int> distance;
};

#endif
