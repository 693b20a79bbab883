#ifndef SWIRLFALL_LEVELOBJECT_H
#define SWIRLFALL_LEVELOBJECT_H

#include <QBrush>
#include <QLine>
#include <QPen>
#include <QPointF>
#include <QRadialGradient>
#include <QRect>

// One numbering for wells and particles.
enum ObjectKind { RedWell = 0, BlueWell = 1, RedParticle = 2, BlueParticle = 3 };

// The bodies' light spot sits this many pixels above their centre.
constexpr int lightSpotRise = 5;

// A positioned object: its centre is the QPointF. The paint attributes are in object-local
// coordinates, because painting translates to the centre first.
class LevelObject : public QPointF
{
public:
    LevelObject(int x, int y, int kind);
    virtual ~LevelObject();

    int kind;
    QPen glyphPen;
    int radius = 0;
    QRect bodyRect;
    QRect haloRect;
    QRadialGradient bodyGradient;
    QRadialGradient highlightGradient;
    QRadialGradient haloGradient;
    QBrush bodyBrush;
    QPen bodyPen;
    QLine glyph;
};

#endif
