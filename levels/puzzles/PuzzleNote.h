#ifndef SWIRLFALL_PUZZLENOTE_H
#define SWIRLFALL_PUZZLENOTE_H

#include "levels/puzzles/LevelGenerator.h"

#include <QString>

#include <optional>

// What a puzzle's level file says of it in its note, after the first line: the seed it was made
// from and what its proof takes. A puzzle saved as a file is known again by it, wherever it is
// played from, for as long as the editor keeps the note: until a change plays otherwise.
namespace PuzzleNote {

QString of(const Seed &seed, const LevelGenerator::Difficulty &difficulty);
// The puzzle level is by its note, or none for a note that is not exactly a puzzle's.
std::optional<LevelGenerator::Generated> read(const Level &level);

} // namespace PuzzleNote

#endif
