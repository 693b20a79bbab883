#ifndef SWIRLFALL_GAMESOUND_H
#define SWIRLFALL_GAMESOUND_H

#include "sound/Sound.h"

#include <QByteArray>
#include <QObject>
#include <QVariant>

#include <memory>

class SoundDevice;

// The game heard: what the playfield says a player should hear (GameWidget::sounded), played on
// the desktop's audio output. On unless the player turned it off (the choice is kept in the
// settings) or --no-sound did for one run; on by default only where an output was opened. Nothing
// is opened until the window starts it, and never while it is off: a player who never hears it
// pays nothing for it. With no output the game plays on, silently, having said so in one line.
class GameSound : public QObject
{
    Q_OBJECT

public:
    explicit GameSound(QObject *parent = nullptr);
    ~GameSound() override;

    // Opens the output, if sound is on; allowed false (--no-sound) keeps this run silent whatever
    // is chosen. output names another output than the default one.
    void start(bool allowed, const QByteArray &output = QByteArray());
    bool isOn() const;
    // False for a run without sound: it cannot be turned on.
    bool isAllowed() const { return allowed; }
    // The sounds let through since the window opened, to the output where there is one.
    int played() const { return count; }

public slots:
    // The player's choice, kept for the next runs.
    void setOn(bool on);
    void play(Sound sound);

signals:
    void onChanged(bool on);

private:
    void open();

    // The player's choice as last kept: none yet, or on or off.
    QVariant chosen;
    bool allowed = true;
    bool started = false;
    QByteArray outputName;
    std::unique_ptr<SoundDevice> device;
    int count = 0;
};

#endif
