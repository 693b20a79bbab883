#ifndef SWIRLFALL_COMMANDLINE_H
#define SWIRLFALL_COMMANDLINE_H

#include "levels/puzzles/Seed.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// What the command line asks of the game, as it was written: a parse that opens no file and asks
// nothing of the system, so that help, the version and a mistake are answered before any window
// (or application object) exists. What the options name is read by the commands that use it
// (GameStart, ConsoleCommands). Qt's own options (-platform, -style and the like) are let through
// for the application object.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum Action { Play, ShowHelp, ShowVersion, Refuse, Verify, ExportLevel, Generate, Edit };

    // arguments starts with the program's name, as argv does.
    static CommandLine parse(const QStringList &arguments);
    // The text of --help. Qt 5 builds it only once an application object exists.
    static QString helpText();

    // Play and Edit open a window; every other action is answered on the console.
    bool wantsWindow() const { return action == Play || action == Edit; }

    Action action = Play;
    // For Refuse: one line that says what is wrong.
    QString error;
    int level = 1;
    bool levelGiven = false;
    // --scores: the file best times are kept in; empty when not given.
    QString scoreFile;
    // --user-data: best times are kept in the user's data folder.
    bool userData = false;
    bool fullScreen = false;
    // False for --no-sound: this run is silent.
    bool sound = true;
    // --replay: the file whose replay to watch; empty when not given.
    QString replayFile;
    // For Play, the level file to play, if any; for Verify, the files whose proofs to check; for
    // Edit, the level file to edit, if any.
    QStringList files;
    // For Generate: the seed, read already.
    Seed seed;

private:
    struct Options;

    CommandLine answered(Action answer);
    // The options of a game to play: the level to start on, where best times are kept.
    CommandLine readPlay(const Options &options);
};

#endif
