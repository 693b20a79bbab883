#include "app/GameSound.h"

#include "game/GameLog.h"
#include "sound/SoundDevice.h"

#include <QSettings>

namespace {
// The user's settings of the game, named here rather than by the application's names, which the
// tests and the tools do not set: ~/.config/swirlfall/swirlfall.conf.
const QString organisation = QStringLiteral("swirlfall");
const QString application = QStringLiteral("swirlfall");
const QString onKey = QStringLiteral("sound/on");
} // namespace

GameSound::GameSound(QObject *parent)
    : QObject(parent),
      chosen(QSettings(organisation, application).value(onKey))
{
}

GameSound::~GameSound() = default;

void GameSound::start(bool allowed, const QByteArray &output)
{
    this->allowed = allowed;
    started = true;
    outputName = output;
    if (allowed && (!chosen.isValid() || chosen.toBool()))
        open();
    emit onChanged(isOn());
}

bool GameSound::isOn() const
{
    // Chosen, or else on where an output could be opened.
    return allowed && (chosen.isValid() ? chosen.toBool() : device && device->isOpen());
}

void GameSound::setOn(bool on)
{
    chosen = on;
    QSettings(organisation, application).setValue(onKey, on);
    if (on && started && allowed && !device)
        open();
    emit onChanged(isOn());
}

void GameSound::open()
{
    device = std::make_unique<SoundDevice>(outputName);
    if (!device->isOpen())
        qCWarning(gameLog).noquote() << device->error();
}

void GameSound::play(Sound sound)
{
    if (!isOn())
        return;
    ++count;
    if (device)
        device->play(sound);
}
