#include "sound/SoundBank.h"

#include <QtEndian>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {
struct Note
{
    int startMs;
    int hertz;
    int lengthMs;
    // Of the sound's loudest, in percent.
    int loudness;
};

// The notes of each sound: a well of each colour its own pitch, a removal falling, a particle home
// high and short, a failure falling slowly, a pass rising, a record rising further.
std::vector<Note> notes(Sound sound)
{
    switch (sound) {
    case Sound::RedWellSet:
        return {{0, 784, 110, 70}};
    case Sound::BlueWellSet:
        return {{0, 523, 110, 70}};
    case Sound::WellRemoved:
        return {{0, 659, 60, 55}, {50, 440, 90, 55}};
    case Sound::ParticleHome:
        return {{0, 1319, 140, 45}};
    case Sound::LevelFailed:
        return {{0, 392, 160, 80}, {150, 277, 340, 80}};
    case Sound::LevelPassed:
        return {{0, 523, 120, 70}, {90, 659, 120, 70}, {180, 784, 380, 80}};
    case Sound::NewRecord:
        return {{0, 523, 110, 70}, {80, 659, 110, 70}, {160, 784, 110, 70}, {240, 1047, 520, 85}, {240, 1319, 520, 45}};
    }
    return {};
}

constexpr int64_t unit = 32767;
constexpr int attackMs = 4;
constexpr int millisecondsPerSecond = 1000;
// The octave over each note, of its loudness: a quarter, and it dies away sooner.
constexpr int octaveShare = 4;

// A sine of a phase that runs once round in 2^32, as -unit to unit: Bhaskara's rational
// approximation on each half turn, within 0.2 % of the true sine, in integers.
int64_t sine(uint32_t phase)
{
    const int64_t u = (phase & 0x7FFFFFFFu) >> 16;
    const int64_t p = u * ((int64_t(1) << 15) - u);
    const int64_t s = 16 * p * unit / ((int64_t(5) << 30) - 4 * p);
    return phase & 0x80000000u ? -s : s;
}

int samplesOf(int ms)
{
    return int(int64_t(ms) * SoundBank::sampleRate / millisecondsPerSecond);
}

// One note added to mix: a pluck, quick to sound and fading as the square of the time left.
void addNote(std::vector<int64_t> &mix, const Note &note)
{
    const int start = samplesOf(note.startMs);
    const int64_t length = samplesOf(note.lengthMs);
    const int64_t attack = samplesOf(attackMs);
    const uint32_t step = uint32_t((uint64_t(note.hertz) << 32) / SoundBank::sampleRate);
    uint32_t phase = 0;
    for (int64_t t = 0; t < length; ++t) {
        const int64_t left = length - t;
        int64_t envelope = left * left * unit / (length * length);
        if (t < attack)
            envelope = envelope * t / attack;
        const int64_t octaveEnvelope = envelope * envelope / unit;
        const int64_t tone = sine(phase) * envelope + sine(phase * 2) * octaveEnvelope / octaveShare;
        mix[size_t(start + t)] += tone / unit * note.loudness;
        phase += step;
    }
}
} // namespace

QByteArray SoundBank::samples(Sound sound)
{
    const std::vector<Note> played = notes(sound);
    int length = 0;
    for (const Note &note : played)
        length = std::max(length, samplesOf(note.startMs + note.lengthMs));
    std::vector<int64_t> mix(length, 0);
    for (const Note &note : played)
        addNote(mix, note);
    // The loudest sample as loud as the sound's loudest note says, of the peak; the rest in proportion.
    int64_t loudest = 1;
    for (const int64_t sample : mix)
        loudest = std::max(loudest, sample < 0 ? -sample : sample);
    int loudness = 0;
    for (const Note &note : played)
        loudness = std::max(loudness, note.loudness);
    constexpr int64_t percent = 100;
    QByteArray bytes(length * int(sizeof(qint16)), Qt::Uninitialized);
    for (int i = 0; i < length; ++i)
        qToLittleEndian(qint16(mix[size_t(i)] * peak * loudness / percent / loudest), bytes.data() + i * sizeof(qint16));
    return bytes;
}
