#ifndef SWIRLFALL_LEVELFIGURES_H
#define SWIRLFALL_LEVELFIGURES_H

class Level;

// How designed a level looks, in figures read from the level alone, the inner playfield (inside
// the frame's band) sampled every few pixels: how much of it is hazard, how many of its hazards
// are shaped (not axis-aligned rectangles), how many particles' straight line to their goal is
// blocked by a hazard, how much of the free space lies close to a hazard or the frame, and how many
// of its proof's actions come after the start; and what a person's eye sees: how many hazards it
// has, how many corners its goals have, how many goals lie against a wall, how many hazards have no
// job (they neither block a particle's straight way, nor hold a goal, nor come near its proof's
// way), and how many pockets of free space no particle can reach. The generator is measured by them
// against the built-in levels (scripts/bench).
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
    int hazards = 0;
    double goalCorners = 0;
    double walledGoalShare = 0;
    double idleShare = 0;
    int pockets = 0;

    // Pockets of free space, larger than a particle, that no particle can reach.
    static int sealedPockets(const Level &level);
};

#endif
