#include "render/FrameSketch.h"

#include "render/SceneLayout.h"
#include "sim/ParticleObject.h"
#include "sim/WellObject.h"

#include <algorithm>
#include <cmath>

namespace {
// Pixels beyond a shape's outline that rasterising it may touch, and beyond a text's measure.
constexpr int shapeMargin = 2;
constexpr int textMargin = 2;
// A particle's outline pen is 1 px wide and its glyph pen 2 px, both within 1 px of its body.
constexpr int particlePenReach = 1;
// Marks a well that is no longer drawn.
constexpr double notDrawn = -1;
// A redraw copies the backdrop a device pixel beyond what it covers; at any scale the game shows
// the playfield at, that is within this many playfield pixels.
constexpr int copyReach = 2;

QRect around(const QPointF &centre, const QRect &local, int margin)
{
    const QRectF placed = QRectF(local).translated(centre);
    return placed.toAlignedRect().adjusted(-margin, -margin, margin, margin);
}
} // namespace

FrameSketch::Part FrameSketch::wellPart(const WellObject &well)
{
    Part part;
    if (well.isGone()) {
        part.values.fill(notDrawn);
        return part;
    }
    // The halo's stop 0 is the alpha the next paint draws with; that paint then moves it on.
    const int haloAlpha = well.haloGradient.stops().first().second.alpha();
    part.values = {well.x(), well.y(), double(well.kind), double(well.placed), double(well.highlighted),
                   double(well.fade), double(haloAlpha), double(well.isRemoved())};
    part.extent = around(well, well.placed ? well.haloRect : well.bodyRect, shapeMargin);
    return part;
}

FrameSketch::Part FrameSketch::particlePart(const ParticleObject &particle)
{
    Part part;
    part.values = {particle.x(), particle.y(), double(particle.kind)};
    part.extent = around(particle, particle.bodyRect, particlePenReach + shapeMargin);
    return part;
}

FrameSketch::Part FrameSketch::dragPart(bool dragging, const QPoint &start, const QPoint &pointer)
{
    Part part;
    if (!dragging)
        return part;
    part.values = {1, double(start.x()), double(start.y()), double(pointer.x()), double(pointer.y())};
    // A square cap reaches half the pen's width beyond each end, diagonally a little more.
    const int reach = int(std::ceil(SceneLayout::dragPenWidth)) + shapeMargin;
    part.extent = QRect(start, pointer).normalized().adjusted(-reach, -reach, reach, reach);
    return part;
}

FrameSketch::Part FrameSketch::textPart(std::initializer_list<double> numbers, const QRect &inked)
{
    Part part;
    std::copy(numbers.begin(), numbers.end(), part.values.begin());
    part.extent = textInk(inked);
    return part;
}

QRect FrameSketch::textInk(const QRect &inked)
{
    return inked.adjusted(-textMargin, -textMargin, textMargin, textMargin);
}

bool FrameSketch::sameScene(const FrameSketch &other) const
{
    return size == other.size && level == other.level && name == other.name
        && status == other.status && newRecord == other.newRecord && recordKept == other.recordKept && highScores == other.highScores
        && note == other.note && endNote == other.endNote && paused == other.paused && proven == other.proven && bestTimes == other.bestTimes
        && hints == other.hints && areas.isSharedWith(other.areas);
}

QRegion FrameSketch::changedSince(const FrameSketch &before) const
{
    const QRect whole(QPoint(0, 0), size);
    if (!sameScene(before))
        return whole;
    QRegion changed;
    for (int i = 0; i < qMax(parts.size(), before.parts.size()); ++i) {
        const bool here = i < parts.size();
        const bool there = i < before.parts.size();
        if (here && there && parts.at(i) == before.parts.at(i))
            continue;
        if (here)
            changed += parts.at(i).extent;
        if (there)
            changed += before.parts.at(i).extent;
    }
    return changed & whole;
}

QList<QRect> FrameSketch::itemBounds() const
{
    QList<QRect> bounds = hintItems;
    bounds.append(part(DragPart).extent);
    for (int i = 0; i < parts.size() - FixedParts - particles; ++i)
        bounds.append(well(i).extent);
    for (int i = 0; i < particles; ++i)
        bounds.append(particle(i).extent);
    for (const SceneItem item : {NameItem, MessageItem, HelpItem, NoteItem})
        bounds.append(sceneItems[item]);
    bounds.append(part(TimePart).extent);
    for (const SceneItem item : {TimeLabelsItem, RedIconItem, BlueIconItem})
        bounds.append(sceneItems[item]);
    bounds.append(part(RedCounterPart).extent);
    bounds.append(part(BlueCounterPart).extent);
    return bounds;
}

bool FrameSketch::meets(const QRegion &region, const QRect &bound)
{
    return !bound.isEmpty() && region.intersects(bound.adjusted(-copyReach, -copyReach, copyReach, copyReach));
}

QRegion FrameSketch::redrawRegion(const QRegion &changed) const
{
    const QList<QRect> bounds = itemBounds();
    QRegion region = changed;
    for (bool grown = true; grown;) {
        grown = false;
        for (const QRect &bound : bounds) {
            if (meets(region, bound) && !QRegion(bound).subtracted(region).isEmpty()) {
                region += bound;
                grown = true;
            }
        }
    }
    return region & QRect(QPoint(0, 0), size);
}

QRegion FrameSketch::ink() const
{
    QRegion ink = sceneInk;
    for (const Part &part : parts)
        ink += part.extent;
    return ink;
}
