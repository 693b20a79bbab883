#ifndef SWIRLFALL_AREA_H
#define SWIRLFALL_AREA_H

#include <QColor>
#include <QPen>
#include <QPolygon>
#include <QRect>

class QPainter;

enum AreaKind { RedGoal = 0, BlueGoal = 1, Hazard = 2 };

// The near black of the hazards' stipple, which also fills the margins around a scaled playfield.
inline const QColor hazardColor(16, 16, 16, 255);

// A fixed polygonal region. Every area carries both goal pens and colours; painting picks by kind.
class Area : public QPolygon
{
public:
    Area(int kind, const QPolygon &polygon);
    virtual ~Area();

    // True when this area is the home of a particle of the given ObjectKind.
    bool isGoalFor(int particleKind) const;
    // Whether point lies in the area, under the even-odd rule; one outside its bounds is told at once,
    // for the step asks of every particle and every area on every tick.
    bool holds(const QPoint &point) const { return bounds.contains(point) && containsPoint(point, Qt::OddEvenFill); }
    void paint(QPainter &painter) const;

    int kind;
    // The polygon's bounding rectangle.
    QRect bounds;
    QPen redGoalPen;
    QPen blueGoalPen;
    QColor redGoalColor;
    QColor blueGoalColor;
};

#endif
