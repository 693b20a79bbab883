#ifndef SWIRLFALL_LEVELSEQUENCE_H
#define SWIRLFALL_LEVELSEQUENCE_H

#include "levels/format/Level.h"

#include <QList>

// The levels of a collection a level was chosen from, played one after another: the click after
// a pass goes on to the next, and the arrow keys move between them, round from the last to the
// first. A level played on its own is in no sequence.
class LevelSequence
{
public:
    void start(const QList<Level> &levels, int index);
    void stop();
    bool isOn() const { return !levels.isEmpty(); }
    const Level &current() const { return levels.at(index); }
    bool atLast() const { return index == levels.size() - 1; }
    // Moves by steps, round the ends, and gives the level there.
    const Level &step(int steps);

private:
    QList<Level> levels;
    int index = 0;
};

#endif
