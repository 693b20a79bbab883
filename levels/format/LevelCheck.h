#ifndef SWIRLFALL_LEVELCHECK_H
#define SWIRLFALL_LEVELCHECK_H

#include <QStringList>

class Level;

// What may be wrong with a level, though it can still be played and saved: each a sentence.
namespace LevelCheck {

QStringList warnings(const Level &level);

} // namespace LevelCheck

#endif
