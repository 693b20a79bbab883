#ifndef SWIRLFALL_PAUSE_H
#define SWIRLFALL_PAUSE_H

#include <QObject>

// A pause of a running level: while it lasts the clock and the simulation stand still and a
// pause screen hides the level. The player goes on with P, or with a left click that does nothing
// else; a right click still restarts the level.
class Pause : public QObject
{
    Q_OBJECT

public:
    bool isOn() const { return on; }
    void set(bool paused);
    // P: goes on, or pauses where mayPause; a pause asked for that does not come is said all the
    // same, for a check mark to follow.
    void toggle(bool mayPause);
    // A press while paused does nothing but for a left one, which goes on.
    void press(Qt::MouseButton button);
    // True when a release must do nothing: while paused, or that of the press that went on.
    bool takesRelease(Qt::MouseButton button);

signals:
    // Once per change, and once for a pause asked for that did not come.
    void changed(bool paused);

private:
    bool on = false;
    bool leftGoesOn = false;
};

#endif
