// Fuzz target for the reader of a puzzle's note, which names a level file's seed and difficulty
// wherever the file came from: whatever the level file holds, its note is a puzzle's, of any
// generator's, with a seed, shares and stars a person can read, or it is none; never a crash.
#include "levels/format/LevelFile.h"
#include "levels/puzzles/PuzzleNote.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {
void check(bool holds)
{
    if (!holds)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    Level level;
    QString error;
    if (!LevelFile::read(bytes, &level, &error))
        return 0;
    const std::optional<LevelGenerator::Generated> puzzle = PuzzleNote::read(level);
    if (!puzzle)
        return 0;
    const LevelGenerator::Difficulty &difficulty = puzzle->difficulty;
    constexpr int percent = 100;
    check(difficulty.forgivingPercent <= percent && difficulty.giveAwayPercent <= percent);
    constexpr int mostStars = 5;
    check(difficulty.marks() >= 1 && difficulty.marks() <= mostStars && puzzle->level.playsLike(level));
    check(level.note.startsWith(PuzzleNote::of(puzzle->seed, difficulty).section(QLatin1Char(';'), 0, 0)));
    return 0;
}
