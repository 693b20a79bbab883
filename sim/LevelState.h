#ifndef SWIRLFALL_LEVELSTATE_H
#define SWIRLFALL_LEVELSTATE_H

#include "sim/Area.h"
#include "sim/ParticleObject.h"
#include "sim/WellObject.h"

#include <QList>
#include <QPoint>

enum LevelStatus { Ready = 0, Running = 1, Failed = 2, Passed = 3 };

// Everything live in one level. Lists hold values in a significant order: the step, the
// removal hit test and painting all visit them in order, and the first match wins.
class LevelState
{
public:
    LevelState(int blueWells, int redWells);
    virtual ~LevelState();

    void reset();
    void setWellCounts(int blueWells, int redWells);
    int wellsLeft(int kind) const;
    void start();
    int status() const;

    void addParticle(int kind, int x, int y);
    void addArea(int kind, const QPolygon &polygon);
    // Each true when it set or removed a well: a budget can run out, a click can miss.
    bool addWell(int x, int y, int kind);
    bool removeWellAt(int x, int y);

    // One time step of dt time units. True when a particle hit a well, entered a hazard or
    // the wrong goal, or the level was passed, during this step.
    bool step(float dt, const QPoint &mousePos);
    // Euclidean distance in single precision, never exactly 0.
    static float distance(double x1, double y1, double x2, double y2);

    QList<WellObject> wells;
    QList<Area> areas;
    QList<ParticleObject> particles;
    int particlesLeft = 0;
    int blueWellsLeft;
    int redWellsLeft;

private:
    int levelStatus = Ready;
};

#endif
