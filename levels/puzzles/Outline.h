#ifndef SWIRLFALL_OUTLINE_H
#define SWIRLFALL_OUTLINE_H

#include <QList>
#include <QPoint>
#include <QPointF>
#include <QPolygon>
#include <QRect>
#include <QVector>

// Shapes of a composed level, as polygons of whole pixels: round and angled rocks, wedges and
// slopes on the frame's edges, walls, the hull that makes a goal. Every number they are made from is
// an integer or a double added, multiplied and divided, and the compass is a table, never the
// maths library: the same shape on every machine.
namespace Outline {

// The nearest whole pixel, halves away from zero, under any Qt: Qt 5's qRound takes a negative
// half up where Qt 6's takes it down, and a seed must give the same level built with either.
QPoint rounded(const QPointF &point);

// The compass has this many directions, the first pointing right, turning clockwise on screen.
constexpr int directions = 32;
// A unit vector in direction i, any integer (taken modulo directions).
QPointF direction(int i);
// The compass direction nearest to vector, which must not be null.
int directionOf(const QPointF &vector);

// A rock around centre: one corner per direction of corners (indices into the compass, in
// order), each at radius times its own factor.
QPolygon rock(const QPoint &centre, const QList<int> &corners, const QList<double> &radii);
// The edges of the frame's inside: a side is one of these.
enum Side { Top, Right, Bottom, Left };
// A point on side's edge at offset along it (from the top or left end).
QPoint onEdge(Side side, int offset);
// A point depth pixels in from side's edge at offset along it.
QPoint inFrom(Side side, int offset, int depth);
// A slope on side: its foot runs from offset from to to along the edge, rising to depthFrom and
// depthTo. Two depths alike make a step, one of zero a wedge's side.
QPolygon slope(Side side, int from, int to, int depthFrom, int depthTo);
// A wall standing on side at offset, width wide at its foot and tipWidth at its tip, reaching
// depth in, leaning by lean pixels along the edge.
QPolygon wall(Side side, int offset, int width, int tipWidth, int depth, int lean);
// A skyline on side: a depth for each of the offsets along its edge, which run from one end of the
// edge to the other, joined by straight lines and closed along the edge.
QPolygon skyline(Side side, const QList<int> &offsets, const QList<int> &depths);
// The convex hull of points, each grown into a ring of reach around it.
QPolygon hull(const QVector<QPoint> &points, int reach, int corners);
// The mean of polygon's corners, which must be at least one, in whole pixels.
QPoint centreOf(const QPolygon &polygon);
// The distance from point to polygon's outline; 0 inside it.
double distance(const QPointF &point, const QPolygon &polygon);
// The squared distance from point to the segment from a to b.
double segmentDistanceSquared(const QPointF &point, const QPointF &a, const QPointF &b);
// True when the segments ab and cd cross.
bool crosses(const QPoint &a, const QPoint &b, const QPoint &c, const QPoint &d);

} // namespace Outline

#endif
