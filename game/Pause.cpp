#include "game/Pause.h"

void Pause::set(bool paused)
{
    if (paused == on)
        return;
    on = paused;
    emit changed(on);
}

void Pause::toggle(bool mayPause)
{
    const bool was = on;
    set(!on && mayPause);
    if (on == was)
        emit changed(on);
}
