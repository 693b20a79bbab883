#include "game/Pause.h"

void Pause::set(bool paused)
{
    if (paused == on)
        return;
    if (paused)
        leftGoesOn = false;
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

void Pause::press(Qt::MouseButton button)
{
    if (!on || button != Qt::LeftButton)
        return;
    set(false);
    // Its release then does nothing else.
    leftGoesOn = true;
}

bool Pause::takesRelease(Qt::MouseButton button)
{
    if (leftGoesOn && button == Qt::LeftButton) {
        leftGoesOn = false;
        return true;
    }
    return on && button != Qt::RightButton;
}
