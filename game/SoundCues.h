#ifndef SWIRLFALL_SOUNDCUES_H
#define SWIRLFALL_SOUNDCUES_H

#include "sound/Sound.h"

#include <QObject>

class LevelState;

// What a player should hear of the level: found by comparing it with how it was when last seen,
// so that the level, its step and the picture know nothing of sound. A well set or removed, the
// particles that came home since (a burst of them one sound), the level failed or passed (with a
// new record, the record's sound instead). A watched run is heard as a played one.
class SoundCues : public QObject
{
    Q_OBJECT

public:
    // The level as it is now, heard as nothing: one started, restarted or switched.
    void restart(const LevelState &state);
    // Says each sound of what changed since the level was last seen.
    void follow(const LevelState &state, bool newRecord);

signals:
    void sounded(Sound sound);

private:
    struct Seen
    {
        int redWells = 0;
        int blueWells = 0;
        int particlesLeft = 0;
        int status = 0;
    };
    static Seen see(const LevelState &state);
    QList<Sound> changes(const Seen &before, bool newRecord) const;

    Seen seen;
};

#endif
