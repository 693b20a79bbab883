#ifndef SWIRLFALL_SHAPES_H
#define SWIRLFALL_SHAPES_H

#include <QPoint>
#include <QVector>

// The few shapes version 3 draws with, beyond straight corners: a strip lining a wall, a round
// rock or goal. Whole pixels, from sqrt and the compass table alone, the same on every machine.
namespace Shapes {

// The inner edge of the frame: a level's free space lies within it.
constexpr int left = 20;
constexpr int top = 20;
constexpr int right = 780;
constexpr int bottom = 460;

// A strip lining the wall from a to b, on the side to the left of the way from a to b as the
// screen shows it (for a floor drawn left to right, above it): depth deep, its far edge shorter
// by inset at each end.
QVector<QPoint> strip(const QPoint &a, const QPoint &b, int depth, int inset);
// A round shape of sixteen corners, and one stretched.
QVector<QPoint> circle(const QPoint &centre, int radius);
QVector<QPoint> oval(const QPoint &centre, int across, int high);
// The point a share of the way from a to b.
QPoint along(const QPoint &a, const QPoint &b, double share);

} // namespace Shapes

#endif
