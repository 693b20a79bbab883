#include "sim/WellObject.h"

#include "sim/Physics.h"

WellObject::WellObject(int x, int y, int kind, bool placed)
    : LevelObject(x, y, kind),
      placed(placed)
{
    radius = Physics::wellRadius;
    bodyRect = QRect(-radius, -radius, 2 * radius, 2 * radius);
    const QPointF lightSpot(0, -lightSpotRise);
    bodyGradient = QRadialGradient(lightSpot, radius);
    highlightGradient = QRadialGradient(lightSpot, radius);

    const int haloRadius = radius + Physics::haloMargin;
    haloGradient = QRadialGradient(QPointF(0, 0), haloRadius);
    haloRect = QRect(-haloRadius, -haloRadius, 2 * haloRadius, 2 * haloRadius);
    haloGradient.setColorAt(1, QColor(255, 255, 255, 0));
    haloGradient.setColorAt(0, QColor(255, 255, 255, 255));

    bodyPen = QPen(Qt::NoPen);
    // The glyph stops 4 px inside the rim.
    const int glyphReach = radius - 4;
    switch (kind) {
    case RedWell:
        bodyGradient.setColorAt(0, QColor(255, 204, 51, 255));
        bodyGradient.setColorAt(1, QColor(255, 0, 0, 255));
        highlightGradient.setColorAt(0, QColor(255, 255, 153, 255));
        highlightGradient.setColorAt(1, QColor(255, 102, 51, 255));
        glyph = QLine(0, -glyphReach, 0, glyphReach);
        break;
    case BlueWell:
        bodyGradient.setColorAt(0, Qt::cyan);
        bodyGradient.setColorAt(1, Qt::blue);
        highlightGradient.setColorAt(0, QColor(153, 255, 255, 255));
        highlightGradient.setColorAt(1, QColor(0, 102, 255, 255));
        glyph = QLine(-glyphReach, 0, glyphReach, 0);
        break;
    default:
        break;
    }
    bodyPen.setWidth(0);
    bodyBrush = QBrush(bodyGradient);
    highlightBrush = QBrush(highlightGradient);
}

void WellObject::setHighlighted(bool on)
{
    highlighted = on;
}

void WellObject::remove()
{
    removed = true;
}

bool WellObject::isRemoved() const
{
    return removed;
}

bool WellObject::isGone() const
{
    return gone;
}
