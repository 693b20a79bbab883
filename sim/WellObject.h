#ifndef SWIRLFALL_WELLOBJECT_H
#define SWIRLFALL_WELLOBJECT_H

#include "sim/LevelObject.h"

class QPainter;

class WellObject : public LevelObject
{
public:
    // A well that has grown in: painting no longer changes it.
    static constexpr int settledFade = 255;

    // placed is false for a well made only to be drawn as an icon.
    WellObject(int x, int y, int kind, bool placed);

    void setHighlighted(bool on);
    void remove();
    bool isRemoved() const;
    bool isGone() const;
    // Not const: each paint advances the grow-in or fade-out.
    void paint(QPainter &painter);
    // What a paint does to the well without drawing it: a frame redrawn only in part, away from
    // the well, still advances its grow-in or fade-out.
    void advancePaint();

    bool highlighted = false;
    QBrush highlightBrush;
    int fade = 0;
    bool placed;
    bool removed = false;
    bool gone = false;
};

#endif
