#include "game/Pause.h"

void Pause::set(bool paused)
{
    if (paused)
        leftGoesOn = false;
    on = paused;
}

bool Pause::takesPress(Qt::MouseButton button)
{
    if (!on)
        return false;
    leftGoesOn = button == Qt::LeftButton;
    return true;
}

bool Pause::takesRelease(Qt::MouseButton button)
{
    if (leftGoesOn && button == Qt::LeftButton) {
        leftGoesOn = false;
        return true;
    }
    return on && button != Qt::RightButton;
}
