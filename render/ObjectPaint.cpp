// How the level objects draw themselves. Kept apart from sim/ so that the simulation reads as
// physics and rules alone; only QtGui is needed here.
#include "render/SceneLayout.h"
#include "sim/Area.h"
#include "sim/ParticleObject.h"
#include "sim/WellObject.h"

#include <QPainter>

namespace {
const QColor redGoalFill(128, 32, 32, 255);
const QColor blueGoalFill(64, 72, 128, 255);
// Grow-in and fade-out advance by this much per paint: 32 paints from 0 to 256.
constexpr int fadeStep = 8;
constexpr int fadeFull = 256;
constexpr int opaque = 255;

// Qt blends a pattern brush one 8-pixel tile at a time, so a long span costs many calls. The
// same stipple as a tile wider than the playfield is blended a whole span at once; the pattern
// repeats every 8 pixels either way, so the pixels are the same.
constexpr int stippleTileWidth = 1024;
constexpr int stippleTileHeight = 8;

const QBrush &hazardBrush()
{
    static const QBrush brush = [] {
        QImage tile(stippleTileWidth, stippleTileHeight, QImage::Format_ARGB32_Premultiplied);
        tile.fill(Qt::transparent);
        QPainter painter(&tile);
        painter.fillRect(tile.rect(), QBrush(SceneLayout::hazardColor, Qt::Dense3Pattern));
        painter.end();
        return QBrush(tile);
    }();
    return brush;
}

// Qt 6 splits a fill of 96 spans or more across its thread pool; for the thin spans of a
// patterned area the hand-off costs more than the fill and tripled the frame time on two
// cores. Filling in bands of rows keeps each fill below that size; the pixels are the same.
constexpr int bandRows = 20;

void fillInBands(QPainter &painter, const QPolygon &polygon)
{
    // In the painter's own coordinates, whatever its transform.
    QRect bounds = polygon.boundingRect();
    if (painter.hasClipping())
        bounds &= painter.clipBoundingRect().toAlignedRect();
    for (int top = bounds.top(); top <= bounds.bottom(); top += bandRows) {
        painter.save();
        painter.setClipRect(QRect(bounds.left(), top, bounds.width(), bandRows), Qt::IntersectClip);
        painter.drawPolygon(polygon, Qt::OddEvenFill);
        painter.restore();
    }
}
} // namespace

// Leaves the painter's pen and brush as the area set them; the frame, painted last, leaves no pen.
void Area::paint(QPainter &painter) const
{
    painter.setPen(Qt::NoPen);
    switch (kind) {
    case RedGoal:
    case BlueGoal: {
        // A solid dark fill without outline, then the hatch in the goal's colour with its outline.
        const bool red = kind == RedGoal;
        painter.setBrush(QBrush(red ? redGoalFill : blueGoalFill, Qt::SolidPattern));
        painter.drawPolygon(*this, Qt::OddEvenFill);
        painter.setPen(red ? redGoalPen : blueGoalPen);
        painter.setBrush(QBrush(red ? redGoalColor : blueGoalColor, red ? Qt::FDiagPattern : Qt::BDiagPattern));
        break;
    }
    case Hazard:
        painter.setBrush(hazardBrush());
        break;
    default:
        break;
    }
    // The pattern fill in bands, then the outline, if any, over it: as one drawPolygon would.
    const QPen outline = painter.pen();
    painter.setPen(Qt::NoPen);
    fillInBands(painter, *this);
    painter.setPen(outline);
    if (outline.style() != Qt::NoPen) {
        const QBrush fill = painter.brush();
        painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(*this, Qt::OddEvenFill);
        painter.setBrush(fill);
    }
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
        // The brush copies the gradient, so the alpha set below shows from the next paint on.
        painter.setBrush(QBrush(haloGradient));
        const int alpha = qMin(removed ? fade : fadeFull - fade, opaque);
        haloGradient.setColorAt(0, QColor(255, 255, 255, alpha));
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

    if (removed) {
        fade -= fadeStep;
        if (fade <= 0)
            gone = true;
    } else if (fade < opaque) {
        fade += fadeStep;
    }
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
