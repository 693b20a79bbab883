#include "game/FlashNote.h"

void FlashNote::show(const QString &text)
{
    line = text;
    ticksLeft = shownTicks;
}

void FlashNote::tick()
{
    if (ticksLeft > 0 && --ticksLeft == 0)
        line.clear();
}
