#include "app/GameStart.h"

#include "app/FileCommands.h"
#include "app/GameSound.h"
#include "app/vorticade.h"
#include "game/GameWidget.h"
#include "levels/catalogue/LevelCatalogue.h"
#include "levels/format/LevelFile.h"
#include "levels/format/UntrustedText.h"
#include "levels/saves/DataFolders.h"

#include <QFileInfo>

bool GameStart::load(const CommandLine &options, GameStart *start, QString *error)
{
    GameStart read;
    read.options = options;
    const QString file = options.files.value(0);
    if (options.action == CommandLine::Edit) {
        // A file that is not there yet is the one a new level is saved to.
        Level level;
        if (!file.isEmpty() && QFileInfo::exists(file) && !LevelFile::readFile(file, &level, error))
            return false;
    } else if (!file.isEmpty()) {
        read.levelFile.emplace();
        if (!LevelFile::readFile(file, &*read.levelFile, error))
            return false;
    }
    if (!options.replayFile.isEmpty()) {
        read.playback.emplace();
        if (!LevelCatalogue::readPlayback(options.replayFile, &*read.playback, error))
            return false;
        if (!read.playback->proof) {
            *error = tr("%1: a level without a proof, no replay to play").arg(options.replayFile);
            return false;
        }
    }
    if (!read.findScoreFile(error))
        return false;
    *start = read;
    return true;
}

bool GameStart::findScoreFile(QString *error)
{
    if (options.userData) {
        scoreFile = DataFolders::userScoreFile();
        if (scoreFile.isEmpty())
            *error = tr("--user-data: no data folder is known (HOME is not set)");
        return !scoreFile.isEmpty();
    }
    if (options.scoreFile.isEmpty()) {
        // Where the game keeps them by itself, a folder in the way is no error: the game plays,
        // and says that best times are not kept (see RecordBook).
        scoreFile = QLatin1String(DataFolders::scoreFileName);
        return true;
    }
    // Records and runs are written beside the file, in its folder; a folder given for the file
    // would put them in the one above it.
    scoreFile = options.scoreFile;
    QString notAFile = UntrustedText::notAFile(scoreFile, tr("a file for best times"));
    if (QFileInfo(scoreFile).fileName().isEmpty())
        notAFile = tr("a folder, not a file for best times");
    if (!notAFile.isEmpty())
        *error = QStringLiteral("--scores: ") + scoreFile + QStringLiteral(": ") + notAFile;
    return notAFile.isEmpty();
}

bool GameStart::open(vorticade &window) const
{
    GameWidget *game = window.game();
    FileCommands *files = window.files();
    if (options.levelGiven)
        game->loadLevel(options.level);
    if (playback)
        game->watchReplay(*playback, *playback->proof);
    if (levelFile)
        files->playLevelFile(*levelFile, options.files.constFirst());
    if (options.fullScreen)
        window.toggleFullScreen();
    window.sound()->start(options.sound);
    // The editor comes alone: the game window shows when a level is tried.
    if (options.action != CommandLine::Edit) {
        window.show();
        return true;
    }
    if (options.files.isEmpty()) {
        files->newLevel();
        return true;
    }
    return files->editFile(options.files.constFirst());
}
