#ifndef SWIRLFALL_GRIDLAYOUT_H
#define SWIRLFALL_GRIDLAYOUT_H

#include "levels/puzzles/Candidate.h"
#include "levels/puzzles/Seed.h"

#include <optional>

class SeededRandom;

// Version 1 of the generator's layouts: particles of both colours at rest and boxes of hazard at
// random, then a run of wells set at random ticks, the particles followed as the real step moves
// them, and each particle's goal put where its path takes it. Frozen: every number here decides
// what a version 1 seed gives.
namespace GridLayout {

// A candidate, or none when this draw does not make one.
std::optional<Candidate> make(Seed::Tier tier, SeededRandom &random);
CandidateDemands demands(Seed::Tier tier);

} // namespace GridLayout

#endif
