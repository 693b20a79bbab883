#ifndef SWIRLFALL_PAUSE_H
#define SWIRLFALL_PAUSE_H

#include <Qt>

// A pause of a running level: while it lasts the clock and the simulation stand still and a
// pause screen hides the level. The player goes on with P, or with a left click that does nothing
// else; a right click still restarts the level.
class Pause
{
public:
    bool isOn() const { return on; }
    void set(bool paused);
    // While paused, a mouse press does nothing; a left one is to go on. True when it is taken so.
    bool takesPress(Qt::MouseButton button);
    // True when a release must do nothing: while paused, or that of the press that went on.
    bool takesRelease(Qt::MouseButton button);

private:
    bool on = false;
    bool leftGoesOn = false;
};

#endif
