#ifndef SWIRLFALL_PROOFCHECK_H
#define SWIRLFALL_PROOFCHECK_H

#include <QString>
#include <QtGlobal>

class Level;
class Replay;

// What a level's proof shows when it is played through: that it passes the level in the time it
// states, or what is wrong with it.
class ProofCheck
{
public:
    enum Outcome { Holds, Missing, Fails, OtherTime };

    // Ten minutes of play: a proof that has not passed by then does not.
    static constexpr int maxTicks = 60000;

    // Plays the level's own proof.
    static ProofCheck of(const Level &level);
    // Plays proof on level.
    static ProofCheck of(const Level &level, const Replay &proof);

    bool holds() const { return outcome == Holds; }
    // One line: "passes in 3310 ms, as stated", "no proof", "the proof fails: ...".
    QString text() const;

    Outcome outcome = Missing;
    int status = 0;
    // The time it states, and the time it took.
    quint32 stated = 0;
    quint32 time = 0;
};

#endif
