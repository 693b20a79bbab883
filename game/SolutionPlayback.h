#ifndef SWIRLFALL_SOLUTIONPLAYBACK_H
#define SWIRLFALL_SOLUTIONPLAYBACK_H

#include "levels/format/Replay.h"

#include <QString>

class GameWidget;

// A replay being watched in the game. Tick by tick from the start of its level, it plays the
// actions due into the game as the drags and clicks a player makes, so that the wells appear and
// grow as the player's do. It is no attempt of the player's: a pass it makes sets no record.
// What a click or a key does while it plays is PlayfieldInput's.
class SolutionPlayback
{
public:
    // What is watched, as the note over the help strip names it.
    enum Kind { Solution, BestRun, SharedReplay };

    // What is played and how to stop it, shown over the help strip while it plays; empty when
    // nothing is.
    QString note() const;

    void start(const Replay &replay, Kind kind);
    void stop();
    bool isPlaying() const { return playing; }
    // Plays the actions due at the next tick into game; that tick is then counted.
    void playTick(GameWidget &game);

private:
    bool playing = false;
    Kind kind = Solution;
    Replay replay;
    int next = 0;
    int tick = 0;
};

#endif
