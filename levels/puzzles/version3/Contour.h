#ifndef SWIRLFALL_CONTOUR_H
#define SWIRLFALL_CONTOUR_H

#include <QPoint>
#include <QVector>

class Sketch;

// The edge of a mass of hazard, drawn as a person draws it: a few points the line runs through,
// rounded off between them into a smooth run of corners a few tens of pixels apart, and corners
// kept sharp where the edge turns on purpose. A goal is set into the edge: a notch cut into the
// mass, the goal filling it, its face flush with the edge around it. The mass lies to the right of
// the way the edge is drawn, as the screen shows it (a floor drawn left to right lies below it).
class Contour
{
public:
    // A point the edge runs near, rounded off.
    Contour &to(const QPoint &point);
    // A corner the edge turns at, kept.
    Contour &corner(const QPoint &point);
    // A notch from a to b, depth deep into the mass, its floor shorter by inset at each end,
    // holding a goal of kind in sketch.
    Contour &notch(const QPoint &a, const QPoint &b, int depth, int inset, int goalKind, Sketch *sketch);

    // The edge, rounded off, on the lattice of whole tens but for the notches' points.
    QVector<QPoint> points() const;

private:
    struct Point
    {
        QPoint at;
        bool kept;
    };
    QVector<Point> controls;
};

#endif
