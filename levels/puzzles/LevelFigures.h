#ifndef SWIRLFALL_LEVELFIGURES_H
#define SWIRLFALL_LEVELFIGURES_H

class Level;

// How designed a level looks, in five figures read from the level alone, the inner playfield (inside
// the frame's band) sampled every few pixels: how much of it is hazard, how many of its hazards
// are shaped (not axis-aligned rectangles), how many particles' straight line to their goal is
// blocked by a hazard, how much of the free space lies close to a hazard or the frame, and how many
// of its proof's actions come after the start. The generator is measured by them against the
// built-in levels (scripts/bench).
struct LevelFigures
{
    static LevelFigures of(const Level &level);
    // Only the figures cheap enough for every candidate: hazard share and blocked share.
    static LevelFigures quick(const Level &level);

    double hazardShare = 0;
    double shapedShare = 0;
    double blockedShare = 0;
    double nearShare = 0;
    double lateShare = 0;
};

#endif
