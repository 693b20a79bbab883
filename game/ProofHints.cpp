#include "game/ProofHints.h"

#include "levels/catalogue/LevelCatalogue.h"
#include "sim/Drag.h"
#include "sim/LevelState.h"
#include "sim/Physics.h"

QList<Scene::Hint> ProofHints::wellsOf(const Level &level, const Replay &proof)
{
    // Wells stay where they are set: budgets and the clicks that take wells away decide alone which
    // actions count, so the actions are applied with no step between them, each well at its index.
    LevelState state = level.newState();
    state.start();
    QList<Scene::Hint> wells;
    for (const Replay::Action &action : proof.actions) {
        // The pass ends the proof: an action after it is never played.
        if (quint32(action.tick) * Physics::frameInterval >= proof.time)
            break;
        const int before = int(state.wells.size());
        if (!Drag(action.press(), action.release()).applyTo(state))
            continue;
        if (state.wells.size() > before) {
            wells.append({state.wells.last().toPoint(), state.wells.last().kind, action.tick, std::nullopt});
            continue;
        }
        for (int i = 0; i < before; ++i) {
            if (state.wells.at(i).isRemoved() && !wells.at(i).takenAt)
                wells[i].takenAt = action.tick;
        }
    }
    return wells;
}

void ProofHints::play(const Level &level)
{
    // Restarted, or watched, it keeps its hints.
    if (level.number == played.number && level.playsLike(played))
        return;
    played = level;
    wells.clear();
    count = 0;
    shown = false;
}

QString ProofHints::reveal(const Level &level, const LevelState &now)
{
    const std::optional<Replay> solution = LevelCatalogue::solutionOf(level);
    if (!solution)
        return tr("This level has no proof to hint from");
    wells = wellsOf(level, *solution);
    shown = true;
    leftWhenShown = wellsLeft(now);
    if (count >= wells.size())
        return tr("The proof sets no more wells");
    ++count;
    return QString();
}

QList<Scene::Hint> ProofHints::marks(const LevelState &now) const
{
    // A well set uses the budget, which nothing gives back before a restart.
    if (!shown || wellsLeft(now) != leftWhenShown)
        return {};
    return wells.mid(0, count);
}

int ProofHints::wellsLeft(const LevelState &state)
{
    return state.wellsLeft(RedWell) + state.wellsLeft(BlueWell);
}
