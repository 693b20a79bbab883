#ifndef SWIRLFALL_IDEACOMPOSER_H
#define SWIRLFALL_IDEACOMPOSER_H

#include "levels/format/Level.h"
#include "levels/puzzles/Seed.h"
#include "levels/puzzles/version3/Sketch.h"

#include <optional>

class SeededRandom;

// Version 3's layouts: one idea of the table (Ideas) drawn for the tier, perhaps in a room of its
// own, turned over as the draw says (or another way, when that one hides a particle or a goal
// under the playfield's texts),
// and kept only where it reads as drawn: every particle clear of the hazards, the goals and the
// texts, every goal clear of the texts with no hazard under it, and no free space sealed off.
class IdeaComposer
{
public:
    struct Composed
    {
        Level level;
        const char *idea = nullptr;
    };

    IdeaComposer(Seed::Tier tier, SeededRandom &random);

    // An idea of the table, as often as the tier's weights say.
    int drawIdea();
    // A level of idea, or none when this draw does not make one.
    std::optional<Composed> make(int idea);

    // True when sketch reads as drawn (see the class's comment).
    static bool fits(const Sketch &sketch);

private:
    // Perhaps a roof over the idea, a slab across the top clear of everything it has: the room
    // around the idea, as a designer draws one.
    void addRoom(Sketch &sketch);

    Seed::Tier tier;
    SeededRandom &random;
};

#endif
