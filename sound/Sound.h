#ifndef SWIRLFALL_SOUND_H
#define SWIRLFALL_SOUND_H

#include <QMetaType>

// What a player hears: one sound for each thing on the playfield the player causes or must notice.
enum class Sound {
    RedWellSet,
    BlueWellSet,
    WellRemoved,
    ParticleHome,
    LevelFailed,
    LevelPassed,
    NewRecord,
};

constexpr int soundCount = int(Sound::NewRecord) + 1;

Q_DECLARE_METATYPE(Sound)

#endif
