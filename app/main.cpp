#include "app/CommandLine.h"
#include "app/ConsoleCommands.h"
#include "app/FileCommands.h"
#include "app/Translation.h"
#include "app/vorticade.h"
#include "game/GameWidget.h"

#include <QApplication>

#include <cstdio>

namespace {
// What needs no window: help, the version, a refusal, --verify and --export-level.
int answer(const CommandLine &options)
{
    switch (options.action) {
    case CommandLine::ShowHelp:
        std::fputs(qPrintable(CommandLine::helpText()), stdout);
        return 0;
    case CommandLine::ShowVersion:
        std::printf("swirlfall %s\n", SWIRLFALL_VERSION);
        return 0;
    case CommandLine::Refuse:
        std::fprintf(stderr, "swirlfall: %s\n", qPrintable(options.error));
        return 2;
    case CommandLine::Verify:
        return ConsoleCommands::verify(options.files, stdout);
    case CommandLine::Generate:
        return ConsoleCommands::generate(options.seed, stdout);
    default:
        return ConsoleCommands::exportLevel(options.level, stdout);
    }
}
} // namespace

int main(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    // Read once to learn whether a window is wanted, before any application object exists; then
    // again, once the translators are in, for its messages in the player's language.
    const CommandLine::Action action = CommandLine::parse(arguments).action;
    if (action != CommandLine::Play && action != CommandLine::Edit) {
        QCoreApplication console(argc, argv);
        Translation::install(console);
        return answer(CommandLine::parse(arguments));
    }

    QApplication app(argc, argv);
    Translation::install(app);
    const CommandLine options = CommandLine::parse(arguments);
    // A file gone or changed since the first reading.
    if (options.action == CommandLine::Refuse)
        return answer(options);
    vorticade window(nullptr, options.scoreFile);
    GameWidget *game = window.game();
    FileCommands *files = window.files();
    if (options.levelGiven)
        game->loadLevel(options.level);
    if (options.replayGiven)
        game->watchReplay(options.playback, *options.playback.proof);
    if (options.levelFileGiven)
        files->playLevelFile(options.levelFile, options.files.value(0));
    if (options.fullScreen)
        window.toggleFullScreen();
    // The editor comes alone: the game window shows when a level is tried.
    if (options.action == CommandLine::Edit) {
        if (options.files.isEmpty())
            files->newLevel();
        else if (!files->editFile(options.files.constFirst()))
            return 2;
    } else {
        window.show();
    }
    QObject::connect(&app, SIGNAL(lastWindowClosed()), &app, SLOT(quit()));
    QObject::connect(&window, SIGNAL(exit()), &app, SLOT(quit()));
    return app.exec();
}
