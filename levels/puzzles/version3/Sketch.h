#ifndef SWIRLFALL_SKETCH_H
#define SWIRLFALL_SKETCH_H

#include "levels/format/Level.h"

#include <QList>
#include <QPoint>
#include <QPolygon>
#include <QVector>

class SeededRandom;

// A level of version 3 as an idea draws it, before it is proven: a few bold hazards, goals set
// into them, the particles and the wells the idea offers. Points lie on a lattice of whole tens,
// as a person draws them.
class Sketch
{
public:
    static constexpr int lattice = 10;

    // A whole multiple of the lattice from low to high, both multiples of it.
    static int pick(SeededRandom &random, int low, int high);

    void hazard(const QVector<QPoint> &corners);
    void goal(int kind, const QVector<QPoint> &corners);
    void particle(int kind, const QPoint &at);
    void wells(int red, int blue);
    // Wells of the colour of particles of kind, and of the other.
    void wellsFor(int kind, int own, int other);

    // A colour's particle at random; the goal and the well of its colour.
    static int anyColour(SeededRandom &random);
    static int goalOf(int particleKind);
    static int otherOf(int particleKind);

    // The same sketch turned over left to right, top to bottom, or both.
    Sketch mirrored(bool leftRight, bool topBottom) const;
    Level level() const;

    const QList<QPolygon> &hazards() const { return hazardShapes; }
    const QList<Level::Shape> &goals() const { return goalShapes; }
    const QList<Level::Particle> &particles() const { return starts; }

private:
    QList<QPolygon> hazardShapes;
    QList<Level::Shape> goalShapes;
    QList<Level::Particle> starts;
    int redWells = 0;
    int blueWells = 0;
};

#endif
