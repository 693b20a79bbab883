#ifndef SWIRLFALL_GAMESTART_H
#define SWIRLFALL_GAMESTART_H

#include "app/CommandLine.h"
#include "levels/format/Level.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

class vorticade;

// What the game's window starts with, read from what the command line names: where best times are
// kept, the level file or the replay to play, the level file to edit. Read before any window
// exists, so that a file that cannot be used is refused without one.
class GameStart
{
    Q_DECLARE_TR_FUNCTIONS(GameStart)

public:
    // False, with one line saying why, when something named cannot be used.
    static bool load(const CommandLine &options, GameStart *start, QString *error);

    // Starts window as asked; false when the level to edit cannot be opened after all (a message
    // box has said why).
    bool open(vorticade &window) const;

    CommandLine options;
    QString scoreFile;
    // The level file to play, read and checked already.
    std::optional<Level> levelFile;
    // The level whose proof to watch, from --replay.
    std::optional<Level> playback;

private:
    bool findScoreFile(QString *error);
};

#endif
