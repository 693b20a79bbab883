#ifndef SWIRLFALL_DRAG_H
#define SWIRLFALL_DRAG_H

#include <QPoint>

class LevelState;

// A press and its release as the game reads them: a release within reach of its press is a
// click, which removes the well under the release; any longer one is a drag, which sets a well
// where it began, blue for a horizontal drag (a tie counts as one) and red for a vertical one.
class Drag
{
public:
    Drag(const QPoint &start, const QPoint &end);

    bool isClick() const;
    // The ObjectKind of the well a drag of this direction sets.
    int wellKind() const;
    // Applies it to the level; true when it set or removed a well. A level not yet started takes
    // none: a drag that began before it was loaded would move its particles before the clock runs.
    bool applyTo(LevelState &state) const;

    QPoint start;
    QPoint end;
};

#endif
