#include "levels/puzzles/Outline.h"

#include "sim/Physics.h"

#include <algorithm>
#include <cmath>

namespace Outline {
namespace {
// A quarter of the compass: cos of 0 to 8 steps of 11.25 degrees. sin is the same read backwards.
constexpr double quarter[] = {1.0,         0.980785280, 0.923879533, 0.831469612, 0.707106781,
                              0.555570233, 0.382683432, 0.195090322, 0.0};
constexpr int quarterSteps = directions / 4;

using Physics::frameBand;
using Physics::playfieldHeight;
using Physics::playfieldWidth;

qint64 cross(const QPoint &o, const QPoint &a, const QPoint &b)
{
    return qint64(a.x() - o.x()) * (b.y() - o.y()) - qint64(a.y() - o.y()) * (b.x() - o.x());
}

int sign(qint64 value)
{
    return value > 0 ? 1 : value < 0 ? -1 : 0;
}
} // namespace

QPoint rounded(const QPointF &point)
{
    return QPoint(int(std::round(point.x())), int(std::round(point.y())));
}

QPointF direction(int i)
{
    const int d = ((i % directions) + directions) % directions;
    const int step = d % quarterSteps;
    const double c = quarter[step];
    const double s = quarter[quarterSteps - step];
    switch (d / quarterSteps) {
    case 0:
        return QPointF(c, s);
    case 1:
        return QPointF(-s, c);
    case 2:
        return QPointF(-c, -s);
    default:
        return QPointF(s, -c);
    }
}

int directionOf(const QPointF &vector)
{
    int best = 0;
    double most = -2;
    const double length = std::sqrt(vector.x() * vector.x() + vector.y() * vector.y());
    for (int i = 0; i < directions; ++i) {
        const QPointF d = direction(i);
        const double along = (d.x() * vector.x() + d.y() * vector.y()) / length;
        if (along > most) {
            most = along;
            best = i;
        }
    }
    return best;
}

QPolygon rock(const QPoint &centre, const QList<int> &corners, const QList<double> &radii)
{
    QPolygon polygon;
    for (int i = 0; i < corners.size(); ++i) {
        const QPointF d = direction(corners.at(i));
        polygon.append(centre + rounded(d * radii.at(i)));
    }
    return polygon;
}

QPoint onEdge(Side side, int offset)
{
    return inFrom(side, offset, 0);
}

QPoint inFrom(Side side, int offset, int depth)
{
    switch (side) {
    case Top:
        return QPoint(offset, frameBand + depth);
    case Bottom:
        return QPoint(offset, playfieldHeight - frameBand - depth);
    case Left:
        return QPoint(frameBand + depth, offset);
    default:
        return QPoint(playfieldWidth - frameBand - depth, offset);
    }
}

QPolygon slope(Side side, int from, int to, int depthFrom, int depthTo)
{
    // Qt 5's QPolygon takes no list of points in braces; its QVector does.
    QPolygon polygon(QVector<QPoint>{onEdge(side, from), inFrom(side, from, depthFrom), inFrom(side, to, depthTo), onEdge(side, to)});
    // A corner of no depth is the foot's own: a triangle.
    polygon.erase(std::unique(polygon.begin(), polygon.end()), polygon.end());
    return polygon;
}

QPolygon wall(Side side, int offset, int width, int tipWidth, int depth, int lean)
{
    return QPolygon(QVector<QPoint>{onEdge(side, offset - width / 2), inFrom(side, offset + lean - tipWidth / 2, depth),
                                    inFrom(side, offset + lean + tipWidth / 2, depth), onEdge(side, offset + width / 2)});
}

QPolygon skyline(Side side, const QList<int> &offsets, const QList<int> &depths)
{
    QPolygon polygon;
    polygon.append(onEdge(side, offsets.first()));
    for (int i = 0; i < offsets.size(); ++i)
        polygon.append(inFrom(side, offsets.at(i), depths.at(i)));
    polygon.append(onEdge(side, offsets.last()));
    polygon.erase(std::unique(polygon.begin(), polygon.end()), polygon.end());
    return polygon;
}

QPolygon hull(const QVector<QPoint> &points, int reach, int corners)
{
    QList<QPoint> all;
    for (const QPoint &point : points) {
        for (int i = 0; i < corners; ++i) {
            const QPointF d = direction(i * directions / corners);
            all.append(point + rounded(d * reach));
        }
    }
    std::sort(all.begin(), all.end(), [](const QPoint &a, const QPoint &b) {
        return a.x() != b.x() ? a.x() < b.x() : a.y() < b.y();
    });
    all.erase(std::unique(all.begin(), all.end()), all.end());
    // Andrew's monotone chain: the lower hull, then the upper.
    QVector<QPoint> chain;
    for (int pass = 0; pass < 2; ++pass) {
        const qsizetype start = chain.size();
        for (qsizetype k = 0; k < all.size(); ++k) {
            const QPoint &p = all.at(pass == 0 ? k : all.size() - 1 - k);
            while (chain.size() >= start + 2 && cross(chain.at(chain.size() - 2), chain.last(), p) <= 0)
                chain.removeLast();
            chain.append(p);
        }
        chain.removeLast();
    }
    return QPolygon(chain);
}

double segmentDistanceSquared(const QPointF &point, const QPointF &a, const QPointF &b)
{
    const QPointF ab = b - a;
    const QPointF ap = point - a;
    const double length = ab.x() * ab.x() + ab.y() * ab.y();
    double t = length > 0 ? (ap.x() * ab.x() + ap.y() * ab.y()) / length : 0;
    t = std::clamp(t, 0.0, 1.0);
    const QPointF nearest = a + ab * t;
    const QPointF d = point - nearest;
    return d.x() * d.x() + d.y() * d.y();
}

QPoint centreOf(const QPolygon &polygon)
{
    qint64 x = 0;
    qint64 y = 0;
    for (const QPoint &point : polygon) {
        x += point.x();
        y += point.y();
    }
    return QPoint(int(x / polygon.size()), int(y / polygon.size()));
}

double distance(const QPointF &point, const QPolygon &polygon)
{
    if (polygon.containsPoint(rounded(point), Qt::OddEvenFill))
        return 0;
    double nearest = -1;
    for (int i = 0; i < polygon.size(); ++i) {
        const double d = segmentDistanceSquared(point, polygon.at(i), polygon.at((i + 1) % polygon.size()));
        if (nearest < 0 || d < nearest)
            nearest = d;
    }
    return std::sqrt(nearest);
}

bool crosses(const QPoint &a, const QPoint &b, const QPoint &c, const QPoint &d)
{
    return sign(cross(a, b, c)) * sign(cross(a, b, d)) < 0 && sign(cross(c, d, a)) * sign(cross(c, d, b)) < 0;
}

} // namespace Outline
