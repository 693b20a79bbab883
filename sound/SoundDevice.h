#ifndef SWIRLFALL_SOUNDDEVICE_H
#define SWIRLFALL_SOUNDDEVICE_H

#include "sound/Sound.h"

#include <QByteArray>
#include <QString>

#include <array>

// An audio output, through OpenAL: each of the game's sounds put in a buffer once, and played on
// the first of a few voices that is free, so that several at once mix. Playing only hands a
// buffer to OpenAL's own mixing thread: it never waits for the output. An output that cannot be
// opened leaves the device closed, and nothing plays.
class SoundDevice
{
public:
    // Opens the output named (the default one when empty) and makes the sounds.
    explicit SoundDevice(const QByteArray &name = QByteArray());
    ~SoundDevice();
    SoundDevice(const SoundDevice &) = delete;
    SoundDevice &operator=(const SoundDevice &) = delete;

    bool isOpen() const { return context != nullptr; }
    // Why the output could not be opened, in a line; empty when it is open.
    const QString &error() const { return why; }
    void play(Sound sound);

private:
    static constexpr int voices = 16;

    // OpenAL's types, kept out of the header: an ALCdevice, an ALCcontext, ALuint names.
    void *device = nullptr;
    void *context = nullptr;
    std::array<unsigned, soundCount> buffers{};
    std::array<unsigned, voices> sources{};
    QString why;
};

#endif
