#ifndef SWIRLFALL_FLASHNOTE_H
#define SWIRLFALL_FLASHNOTE_H

#include <QString>

// A line the playfield shows for a moment over the help strip, in its place: what a key did that
// shows nowhere else on it, such as the sound turned off. Its time is counted in frame ticks, as
// the game's is.
class FlashNote
{
public:
    // A second and a half.
    static constexpr int shownTicks = 150;

    void show(const QString &text);
    // One frame tick: the note goes once its time is up.
    void tick();
    bool isOn() const { return ticksLeft > 0; }
    const QString &text() const { return line; }

private:
    QString line;
    int ticksLeft = 0;
};

#endif
