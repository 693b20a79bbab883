#include "game/FlashNote.h"

void FlashNote::show(const QString &text)
{
    // Nothing to say shows nothing, and leaves a note shown as it is.
    if (text.isEmpty())
        return;
    line = text;
    ticksLeft = shownTicks;
}

void FlashNote::tick()
{
    if (ticksLeft > 0 && --ticksLeft == 0)
        line.clear();
}
