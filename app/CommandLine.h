#ifndef SWIRLFALL_COMMANDLINE_H
#define SWIRLFALL_COMMANDLINE_H

#include "levels/format/Level.h"
#include "levels/format/Replay.h"
#include "levels/puzzles/Seed.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// What the command line asks of the game. It is read before any window exists, so that help,
// the version and a mistake are answered without a display. Qt's own options (-platform, -style
// and the like) are let through for the application object.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum Action { Play, ShowHelp, ShowVersion, Refuse, Verify, ExportLevel, Generate, Edit };

    // arguments starts with the program's name, as argv does.
    static CommandLine parse(const QStringList &arguments);
    // The text of --help. Qt 5 builds it only once an application object exists.
    static QString helpText();

    Action action = Play;
    // For Refuse: one line that says what is wrong.
    QString error;
    int level = 1;
    bool levelGiven = false;
    QString scoreFile = QStringLiteral("scores.dat");
    bool fullScreen = false;
    // --replay: the level to watch its proof played on, read and checked already.
    bool replayGiven = false;
    Level playback;
    // A level file to play, read and checked already.
    bool levelFileGiven = false;
    Level levelFile;
    // For Verify: the files whose proofs to check; for Edit, the level file to edit, if any.
    QStringList files;
    // For Generate: the seed, read already.
    Seed seed;
};

#endif
