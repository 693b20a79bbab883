#include "sound/SoundDevice.h"

#include "sound/SoundBank.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <QCoreApplication>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {
// OpenAL tries every backend in turn, and ALSA's tells standard error what it did not find, nine
// lines on a machine without sound. They are kept from the player's terminal while the output
// is opened; what matters is said in one line after.
class QuietStandardError
{
public:
    QuietStandardError()
    {
        std::fflush(stderr);
        saved = dup(STDERR_FILENO);
        const int nowhere = open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved >= 0 && nowhere >= 0)
            dup2(nowhere, STDERR_FILENO);
        if (nowhere >= 0)
            close(nowhere);
    }
    ~QuietStandardError()
    {
        std::fflush(stderr);
        if (saved >= 0) {
            dup2(saved, STDERR_FILENO);
            close(saved);
        }
    }
    QuietStandardError(const QuietStandardError &) = delete;
    QuietStandardError &operator=(const QuietStandardError &) = delete;

private:
    int saved = -1;
};

ALCdevice *alcDevice(void *device)
{
    return static_cast<ALCdevice *>(device);
}
} // namespace

SoundDevice::SoundDevice(const QByteArray &name)
{
    {
        const QuietStandardError quiet;
        device = alcOpenDevice(name.isEmpty() ? nullptr : name.constData());
        if (device)
            context = alcCreateContext(alcDevice(device), nullptr);
    }
    if (!context || !alcMakeContextCurrent(static_cast<ALCcontext *>(context))) {
        why = QCoreApplication::translate("SoundDevice", "no sound output could be opened; the game plays silently");
        if (context)
            alcDestroyContext(static_cast<ALCcontext *>(context));
        if (device)
            alcCloseDevice(alcDevice(device));
        context = nullptr;
        device = nullptr;
        return;
    }
    alGenBuffers(soundCount, buffers.data());
    for (int s = 0; s < soundCount; ++s) {
        const QByteArray samples = SoundBank::samples(Sound(s));
        alBufferData(buffers.at(s), AL_FORMAT_MONO16, samples.constData(), ALsizei(samples.size()), SoundBank::sampleRate);
    }
    alGenSources(voices, sources.data());
}

SoundDevice::~SoundDevice()
{
    if (!context)
        return;
    alDeleteSources(voices, sources.data());
    alDeleteBuffers(soundCount, buffers.data());
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(static_cast<ALCcontext *>(context));
    alcCloseDevice(alcDevice(device));
}

void SoundDevice::play(Sound sound)
{
    if (!context)
        return;
    for (const ALuint source : sources) {
        ALint state = AL_STOPPED;
        alGetSourcei(source, AL_SOURCE_STATE, &state);
        if (state == AL_PLAYING)
            continue;
        alSourcei(source, AL_BUFFER, ALint(buffers.at(int(sound))));
        alSourcePlay(source);
        return;
    }
    // Every voice busy: a burst already says it.
}
