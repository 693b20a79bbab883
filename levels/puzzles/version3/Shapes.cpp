#include "levels/puzzles/version3/Shapes.h"

#include "levels/puzzles/Outline.h"

#include <cmath>

namespace Shapes {
namespace {
constexpr int roundCorners = 16;
} // namespace

QVector<QPoint> strip(const QPoint &a, const QPoint &b, int depth, int inset)
{
    const QPointF way = b - a;
    const double length = std::sqrt(way.x() * way.x() + way.y() * way.y());
    const QPointF unit = way / length;
    const QPointF out(unit.y(), -unit.x());
    return {a, b, Outline::rounded(QPointF(b) + out * depth - unit * inset),
            Outline::rounded(QPointF(a) + out * depth + unit * inset)};
}

QVector<QPoint> circle(const QPoint &centre, int radius)
{
    return oval(centre, radius, radius);
}

QVector<QPoint> oval(const QPoint &centre, int across, int high)
{
    QVector<QPoint> corners;
    for (int i = 0; i < roundCorners; ++i) {
        const QPointF d = Outline::direction(i * Outline::directions / roundCorners);
        corners.append(centre + Outline::rounded(QPointF(d.x() * across, d.y() * high)));
    }
    return corners;
}

QPoint along(const QPoint &a, const QPoint &b, double share)
{
    return Outline::rounded(QPointF(a) + QPointF(b - a) * share);
}

} // namespace Shapes
