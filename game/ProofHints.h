#ifndef SWIRLFALL_PROOFHINTS_H
#define SWIRLFALL_PROOFHINTS_H

#include "levels/format/Level.h"
#include "render/Scene.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class LevelState;
class Replay;

// Hints for a player who is stuck, from the solution S shows: each hint shows the next well it
// sets, where and when, with the ones shown before, and when it takes one away again. The hints
// taken on a level count until another level is played, a restart too; their marks stand over the
// playfield until the player sets a well or the level starts again.
class ProofHints
{
    Q_DECLARE_TR_FUNCTIONS(ProofHints)

public:
    // The wells proof sets on level, in order: an action that sets none (over budget, or a click
    // that misses) is none, and one taken away again says when.
    static QList<Scene::Hint> wellsOf(const Level &level, const Replay &proof);

    // The level played from now: another than the last starts its count afresh.
    void play(const Level &level);
    // Shows the next well of level's solution with those before it, over the level as it is now.
    // Empty when one more is shown, else what the player is told: no solution, or no more wells.
    QString reveal(const Level &level, const LevelState &now);
    // Until the next hint, as when the level starts again.
    void hide() { shown = false; }
    // The hints taken on the level played.
    int taken() const { return count; }
    // What shows over now: nothing once a well was set since the hints were shown.
    QList<Scene::Hint> marks(const LevelState &now) const;

private:
    static int wellsLeft(const LevelState &state);

    Level played;
    QList<Scene::Hint> wells;
    int count = 0;
    bool shown = false;
    int leftWhenShown = 0;
};

#endif
