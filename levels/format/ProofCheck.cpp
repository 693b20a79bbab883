#include "levels/format/ProofCheck.h"

#include "levels/format/Level.h"
#include "sim/LevelState.h"
#include "sim/Physics.h"

#include <QCoreApplication>

namespace {
constexpr int millisecondsPerSecond = 1000;
} // namespace

ProofCheck ProofCheck::of(const Level &level)
{
    return level.proof ? of(level, *level.proof) : ProofCheck();
}

ProofCheck ProofCheck::of(const Level &level, const Replay &proof)
{
    ProofCheck check;
    const Replay::Result result = proof.run(level, maxTicks);
    check.status = result.status;
    check.stated = proof.time;
    check.time = result.totalTime;
    if (result.status != Passed)
        check.outcome = Fails;
    else
        check.outcome = result.totalTime == proof.time ? Holds : OtherTime;
    return check;
}

QString ProofCheck::text() const
{
    switch (outcome) {
    case Holds:
        return QCoreApplication::translate("ProofCheck", "passes in %1 ms, as stated").arg(time);
    case Missing:
        return QCoreApplication::translate("ProofCheck", "no proof: nothing shows that it can be passed");
    case OtherTime:
        return QCoreApplication::translate("ProofCheck", "the proof passes, but in %1 ms, not in %2 ms as stated").arg(QString::number(time), QString::number(stated));
    case Fails:
        break;
    }
    if (status == Failed)
        return QCoreApplication::translate("ProofCheck", "the proof fails: the level is failed after %1 ms").arg(time);
    return QCoreApplication::translate("ProofCheck", "the proof fails: the level is not passed after %1 s")
        .arg(maxTicks * Physics::frameInterval / millisecondsPerSecond);
}
