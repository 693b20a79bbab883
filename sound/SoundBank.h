#ifndef SWIRLFALL_SOUNDBANK_H
#define SWIRLFALL_SOUNDBANK_H

#include "sound/Sound.h"

#include <QByteArray>

// The game's sounds, made by the game from a few notes each: no recorded samples, nothing to
// license. One voice for all of them (a plucked tone with a soft octave above it), so that they
// sound of one family; mono, 16-bit signed little-endian samples. The synthesis is integer
// arithmetic throughout, so every build on every machine makes the same bytes.
class SoundBank
{
public:
    static constexpr int sampleRate = 44100;
    // The loudest a sample may be, of 32767: about -12 dBFS, no louder than a desktop's notification.
    static constexpr int peak = 8000;

    static QByteArray samples(Sound sound);
};

#endif
