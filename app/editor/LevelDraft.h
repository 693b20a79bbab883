#ifndef SWIRLFALL_LEVELDRAFT_H
#define SWIRLFALL_LEVELDRAFT_H

#include "levels/format/Level.h"

#include <QString>

#include <functional>
#include <optional>

// A level as it is being made, and what is known of its proof. The level carries a proof while,
// and only while, the draft is proven: while it is the very level a proof was found for, by
// fingerprint, however the edits went there.
struct LevelDraft
{
    enum Proof { Unproven, Proven, Dropped, Broken };

    // A level as read from a file, its proof played again.
    static LevelDraft of(const Level &level);
    // The draft after change: a change to what is played drops the proof, which a change back to
    // the proven level brings back.
    LevelDraft changed(const std::function<void(Level &)> &change) const;
    // The line the editor's status shows.
    QString proofText() const;
    // The same level, named alike, with the same proof: what an edit and its undo leave.
    bool sameAs(const LevelDraft &other) const;

    Level level;
    Proof proof = Unproven;
    // For Broken: what playing the file's proof showed.
    QString brokenWhy;
    // The last proof the draft had, and the fingerprint of the level it proves.
    std::optional<Replay> heldProof;
    QString heldFor;
};

#endif
