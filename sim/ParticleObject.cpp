#include "sim/ParticleObject.h"

#include "sim/Physics.h"

#include <QPainter>

ParticleObject::ParticleObject(int x, int y, int kind)
    : LevelObject(x, y, kind)
{
    radius = Physics::particleRadius;
    bodyRect = QRect(-radius, -radius, 2 * radius, 2 * radius);
    // The glyph stops 4 px inside the rim.
    const int glyphReach = radius - 4;
    bodyGradient = QRadialGradient(QPointF(0, -lightSpotRise), radius);
    switch (kind) {
    case RedParticle:
        bodyGradient.setColorAt(0, QColor(255, 204, 51, 255));
        bodyGradient.setColorAt(1, Qt::red);
        glyph = QLine(0, -glyphReach, 0, glyphReach);
        bodyPen = QPen(QColor(204, 102, 102, 255));
        break;
    case BlueParticle:
        bodyGradient.setColorAt(0, Qt::cyan);
        bodyGradient.setColorAt(1, Qt::blue);
        glyph = QLine(-glyphReach, 0, glyphReach, 0);
        bodyPen = QPen(QColor(0, 153, 204, 255));
        break;
    default:
        break;
    }
    bodyPen.setWidth(1);
    bodyBrush = QBrush(bodyGradient);
}

void ParticleObject::moveTo(double x, double y)
{
    if (stopped)
        return;
    setX(x);
    setY(y);
}

void ParticleObject::stop()
{
    stopped = true;
    velocity = QPointF(0, 0);
}

void ParticleObject::advance(float dt, double ax, double ay)
{
    const double t = dt;
    const QPointF a(ax, ay);
    // Uses the velocity from before this step: exact for a constant acceleration.
    const QPointF next = *this + velocity * t + (a * t * t) / 2.0;
    moveTo(next.x(), next.y());
    velocity = velocity + a * t;
}

// Leaves glyphPen set: the level name and status message are drawn with it.
void ParticleObject::paint(QPainter &painter) const
{
    painter.save();
    painter.translate(*this);
    painter.setBrush(bodyBrush);
    painter.setPen(bodyPen);
    painter.drawEllipse(bodyRect);
    painter.setPen(glyphPen);
    painter.drawLines(&glyph, 1);
    painter.restore();
    painter.setPen(glyphPen);
}
