#include "sim/WellObject.h"

#include "sim/Physics.h"

#include <QPainter>

namespace {
// Grow-in and fade-out advance by this much per paint: 32 paints from 0 to 256.
constexpr int fadeStep = 8;
constexpr int fadeFull = 256;
constexpr int opaque = WellObject::settledFade;
} // namespace

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

void WellObject::paint(QPainter &painter)
{
    // Its last frame has been drawn; a paint before the step deletes it must not draw it at a
    // negative scale or alpha.
    if (gone)
        return;

    painter.save();
    painter.translate(*this);
    painter.setPen(bodyPen);
    if (placed) {
        const float scale = float(fade * (1.0 / opaque));
        // The brush copies the gradient: the alpha advancePaint sets shows from the next paint on.
        painter.setBrush(QBrush(haloGradient));
        painter.drawEllipse(haloRect);
        painter.save();
        painter.scale(scale, scale);
    }
    painter.setBrush(highlighted ? highlightBrush : bodyBrush);
    painter.drawEllipse(bodyRect);
    painter.setPen(glyphPen);
    painter.drawLines(&glyph, 1);
    if (placed)
        painter.restore();
    painter.restore();
    advancePaint();
}

void WellObject::advancePaint()
{
    if (gone)
        return;
    if (placed) {
        const int alpha = qMin(removed ? fade : fadeFull - fade, opaque);
        haloGradient.setColorAt(0, QColor(255, 255, 255, alpha));
    }
    if (removed) {
        fade -= fadeStep;
        if (fade <= 0)
            gone = true;
    } else if (fade < opaque) {
        fade += fadeStep;
    }
}
