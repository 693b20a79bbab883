#include "app/editor/LevelDraft.h"

#include "levels/format/ProofCheck.h"

#include <QCoreApplication>

LevelDraft LevelDraft::of(const Level &level)
{
    LevelDraft draft;
    draft.level = level;
    draft.level.number = 0;
    if (!level.proof)
        return draft;
    const ProofCheck check = ProofCheck::of(level);
    draft.proof = check.holds() ? Proven : Broken;
    if (check.holds()) {
        draft.heldProof = level.proof;
        draft.heldFor = level.fingerprint();
    } else {
        draft.brokenWhy = check.text();
        draft.level.proof.reset();
    }
    return draft;
}

LevelDraft LevelDraft::changed(const std::function<void(Level &)> &change) const
{
    LevelDraft after = *this;
    change(after.level);
    if (after.level.playsLike(level))
        return after;
    if (after.heldProof && after.level.fingerprint() == heldFor) {
        after.proof = Proven;
        after.level.proof = heldProof;
    } else if (proof == Proven) {
        after.proof = Dropped;
        after.level.proof.reset();
    } else if (proof == Broken) {
        // What the file's proof showed is of the level as it was read, not of this one.
        after.proof = Unproven;
        after.brokenWhy.clear();
    }
    return after;
}

QString LevelDraft::proofText() const
{
    switch (proof) {
    case Proven:
        return QCoreApplication::translate("LevelDraft", "Proven: passes in %1 ms").arg(level.proof->time);
    case Dropped:
        return QCoreApplication::translate("LevelDraft", "The proof no longer holds after an edit");
    case Broken:
        return QCoreApplication::translate("LevelDraft", "Not proven: %1").arg(brokenWhy);
    case Unproven:
        break;
    }
    return QCoreApplication::translate("LevelDraft", "Not proven");
}

bool LevelDraft::sameAs(const LevelDraft &other) const
{
    return proof == other.proof && level.name == other.level.name && level.playsLike(other.level)
        && level.proof.has_value() == other.level.proof.has_value()
        && (!level.proof
            || (level.proof->time == other.level.proof->time && level.proof->actionsText() == other.level.proof->actionsText()));
}
