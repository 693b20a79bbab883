#ifndef SWIRLFALL_PAUSE_H
#define SWIRLFALL_PAUSE_H

#include <QObject>

// A pause of a running level: while it lasts the clock and the simulation stand still and a
// pause screen hides the level. What a click or a key does while it lasts is PlayfieldInput's.
class Pause : public QObject
{
    Q_OBJECT

public:
    bool isOn() const { return on; }
    void set(bool paused);
    // P: goes on, or pauses where mayPause; a pause asked for that does not come is said all the
    // same, for a check mark to follow.
    void toggle(bool mayPause);

signals:
    // Once per change, and once for a pause asked for that did not come.
    void changed(bool paused);

private:
    bool on = false;
};

#endif
