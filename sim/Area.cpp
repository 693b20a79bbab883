#include "sim/Area.h"

#include "sim/LevelObject.h"

#include <QImage>
#include <QPainter>

namespace {
const QColor redHatch(255, 102, 0, 255);
const QColor blueHatch(51, 153, 255, 255);
const QColor redGoalFill(128, 32, 32, 255);
const QColor blueGoalFill(64, 72, 128, 255);

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
        painter.fillRect(tile.rect(), QBrush(hazardColor, Qt::Dense3Pattern));
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

QPen goalPen(const QColor &color)
{
    return QPen(QBrush(color, Qt::SolidPattern), 2.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}
} // namespace

Area::Area(int kind, const QPolygon &polygon)
    : QPolygon(polygon),
      kind(kind),
      bounds(polygon.boundingRect()),
      redGoalPen(goalPen(redHatch)),
      blueGoalPen(goalPen(blueHatch)),
      redGoalColor(redHatch),
      blueGoalColor(blueHatch)
{
}

Area::~Area() = default;

bool Area::isGoalFor(int particleKind) const
{
    return (kind == RedGoal && particleKind == RedParticle)
        || (kind == BlueGoal && particleKind == BlueParticle);
}

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
