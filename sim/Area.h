#ifndef SWIRLFALL_AREA_H
#define SWIRLFALL_AREA_H

#include <QColor>
#include <QPen>
#include <QPolygon>

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
    void paint(QPainter &painter) const;

    int kind;
    QPen redGoalPen;
    QPen blueGoalPen;
    QColor redGoalColor;
    QColor blueGoalColor;
};

#endif
