#ifndef SWIRLFALL_CANDIDATE_H
#define SWIRLFALL_CANDIDATE_H

#include "levels/format/Level.h"
#include "levels/format/Replay.h"

// A level laid out by one of the generator's versions, and the run it was laid out around: what
// the solver starts from.
struct Candidate
{
    Level level;
    Replay planned;
};

// What a version asks of a candidate's proof, by tier: its wells, and the share of slightly-off
// replays of it that pass; the solver's budget for it, and the budget of one seed's work (a seed
// that found no level within it would give none anywhere).
struct CandidateDemands
{
    int minWells;
    int maxWells;
    int minForgiving;
    int maxForgiving;
    long generations;
    int candidates;
};

#endif
