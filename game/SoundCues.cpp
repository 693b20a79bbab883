#include "game/SoundCues.h"

#include "sim/LevelState.h"

SoundCues::Seen SoundCues::see(const LevelState &state)
{
    Seen now;
    for (const WellObject &well : state.wells) {
        if (!well.isRemoved())
            ++(well.kind == RedWell ? now.redWells : now.blueWells);
    }
    now.particlesLeft = state.particlesLeft;
    now.status = state.status();
    return now;
}

void SoundCues::restart(const LevelState &state)
{
    seen = see(state);
}

void SoundCues::follow(const LevelState &state, bool newRecord)
{
    const Seen before = seen;
    seen = see(state);
    for (const Sound sound : changes(before, newRecord))
        emit sounded(sound);
}

QList<Sound> SoundCues::changes(const Seen &before, bool newRecord) const
{
    // The end says it all for its own step: the particle home, the well it hit.
    if (seen.status != before.status && seen.status == Failed)
        return {Sound::LevelFailed};
    if (seen.status != before.status && seen.status == Passed)
        return {newRecord ? Sound::NewRecord : Sound::LevelPassed};
    QList<Sound> sounds;
    if (seen.redWells > before.redWells)
        sounds.append(Sound::RedWellSet);
    if (seen.blueWells > before.blueWells)
        sounds.append(Sound::BlueWellSet);
    if (seen.redWells < before.redWells || seen.blueWells < before.blueWells)
        sounds.append(Sound::WellRemoved);
    if (seen.particlesLeft < before.particlesLeft)
        sounds.append(Sound::ParticleHome);
    return sounds;
}
