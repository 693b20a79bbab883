#include "game/LevelSequence.h"

void LevelSequence::start(const QList<Level> &levels, int index)
{
    this->levels = levels;
    this->index = qBound(0, index, int(levels.size()) - 1);
}

void LevelSequence::stop()
{
    levels.clear();
    index = 0;
}

const Level &LevelSequence::step(int steps)
{
    const int count = int(levels.size());
    index = ((index + steps) % count + count) % count;
    return levels.at(index);
}
