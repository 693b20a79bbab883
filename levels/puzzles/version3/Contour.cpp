#include "levels/puzzles/version3/Contour.h"

#include "levels/puzzles/Outline.h"
#include "levels/puzzles/version3/Sketch.h"

#include <cmath>

namespace {
// Corners closer than this are one.
constexpr int closest = 16;

QPoint onLattice(const QPointF &point)
{
    const QPoint near = Outline::rounded(point / Sketch::lattice);
    return near * Sketch::lattice;
}

// Whether b lies on the straight way from a to c.
bool between(const QPoint &a, const QPoint &b, const QPoint &c)
{
    const qint64 cross = qint64(b.x() - a.x()) * (c.y() - a.y()) - qint64(b.y() - a.y()) * (c.x() - a.x());
    return cross == 0;
}
} // namespace

Contour &Contour::to(const QPoint &point)
{
    controls.append({point, false});
    return *this;
}

Contour &Contour::corner(const QPoint &point)
{
    controls.append({point, true});
    return *this;
}

Contour &Contour::notch(const QPoint &a, const QPoint &b, int depth, int inset, int goalKind, Sketch *sketch)
{
    const QPointF way = b - a;
    const double length = std::sqrt(way.x() * way.x() + way.y() * way.y());
    const QPointF unit = way / length;
    // Into the mass: to the right of the way, as the screen shows it.
    const QPointF in(-unit.y(), unit.x());
    const QPoint innerA = Outline::rounded(QPointF(a) + in * depth + unit * inset);
    const QPoint innerB = Outline::rounded(QPointF(b) + in * depth - unit * inset);
    corner(a).corner(innerA).corner(innerB).corner(b);
    sketch->goal(goalKind, {a, b, innerB, innerA});
    return *this;
}

QVector<QPoint> Contour::points() const
{
    // One pass of corner cutting over every run between kept corners: each edge gives its points a
    // quarter and three quarters along, the ends of a run staying where they are.
    QVector<QPoint> out;
    const auto add = [&](const QPoint &point) {
        if (out.isEmpty() || (point - out.last()).manhattanLength() >= closest)
            out.append(point);
    };
    for (int i = 0; i < controls.size(); ++i) {
        const Point &here = controls.at(i);
        const bool first = i == 0;
        const bool last = i + 1 == controls.size();
        if (here.kept || first || last) {
            out.append(here.at);
        } else {
            const QPointF prev = controls.at(i - 1).at;
            const QPointF next = controls.at(i + 1).at;
            const QPointF at = here.at;
            add(onLattice(prev * 0.25 + at * 0.75));
            add(onLattice(at * 0.75 + next * 0.25));
        }
    }
    // Corners on a straight way are none.
    QVector<QPoint> clean;
    for (int i = 0; i < out.size(); ++i) {
        if (!clean.isEmpty() && clean.last() == out.at(i))
            continue;
        if (clean.size() >= 2 && between(clean.at(clean.size() - 2), clean.last(), out.at(i)))
            clean.removeLast();
        clean.append(out.at(i));
    }
    return clean;
}
