#ifndef SWIRLFALL_IDEAGENERATOR_H
#define SWIRLFALL_IDEAGENERATOR_H

#include "levels/puzzles/LevelGenerator.h"

#include <atomic>
#include <optional>

// Version 3 of the generator: levels composed from one idea each (IdeaComposer), their plan found
// as a person finds one (PlayerModel), their budget what the proof sets and at most one spare,
// their stars how hard the plan is to find. A candidate is dropped when a single well set at random
// passes it too often, when the model cannot pass it (it would ask for more precision than a person
// has), when its proof sets wells of a colour it has no particles of without pushing, or when its
// stars are not its tier's. Every budget is counted in work, never in time: a seed gives the same
// level everywhere.
namespace IdeaGenerator {

constexpr int version = 3;

std::optional<LevelGenerator::Generated> generate(const Seed &seed, quint64 hash, const LevelGenerator::Progress &progress,
                                                  const std::atomic<bool> &cancelled);

} // namespace IdeaGenerator

#endif
