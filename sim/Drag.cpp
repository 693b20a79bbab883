#include "sim/Drag.h"

#include "sim/LevelState.h"
#include "sim/Physics.h"

Drag::Drag(const QPoint &start, const QPoint &end)
    : start(start),
      end(end)
{
}

bool Drag::isClick() const
{
    return (end - start).manhattanLength() < Physics::reach;
}

int Drag::wellKind() const
{
    const QPoint delta = end - start;
    return qAbs(delta.x()) >= qAbs(delta.y()) ? BlueWell : RedWell;
}

bool Drag::applyTo(LevelState &state) const
{
    if (state.status() == Ready)
        return false;
    if (isClick())
        return state.removeWellAt(end.x(), end.y());
    return state.addWell(start.x(), start.y(), wellKind());
}
