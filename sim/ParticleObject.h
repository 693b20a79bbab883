#ifndef SWIRLFALL_PARTICLEOBJECT_H
#define SWIRLFALL_PARTICLEOBJECT_H

#include "sim/LevelObject.h"

class QPainter;

class ParticleObject : public LevelObject
{
public:
    ParticleObject(int x, int y, int kind);

    void moveTo(double x, double y);
    void stop();
    void advance(float dt, double ax, double ay);
    // Leaves the painter with glyphPen set: the overlay texts drawn next rely on it.
    void paint(QPainter &painter) const;

    QPointF velocity;
    bool stopped = false;
};

#endif
