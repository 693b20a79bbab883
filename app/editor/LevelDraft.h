#ifndef SWIRLFALL_LEVELDRAFT_H
#define SWIRLFALL_LEVELDRAFT_H

#include "levels/Level.h"

#include <QString>

#include <functional>

// A level as it is being made, and what is known of its proof. The level carries a proof while,
// and only while, the draft is proven.
struct LevelDraft
{
    enum Proof { Unproven, Proven, Dropped, Broken };

    // A level as read from a file, its proof played again.
    static LevelDraft of(const Level &level);
    // The draft after change: a change to what is played drops the proof, which undoing the
    // change brings back.
    LevelDraft changed(const std::function<void(Level &)> &change) const;
    // The line the editor's status shows.
    QString proofText() const;

    Level level;
    Proof proof = Unproven;
    // For Broken: what playing the file's proof showed.
    QString brokenWhy;
};

#endif
