#include "app/CommandLine.h"

#include "levels/catalogue/LevelCatalogue.h"
#include "levels/format/LevelFile.h"
#include "levels/format/UntrustedText.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
struct Options
{
    Options()
    {
        parser.setApplicationDescription(
            CommandLine::tr("Swirlfall: steer every particle into its goal with red and blue gravity wells."));
        // Qt's own options are single words after one dash, as -platform is.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOptions({help, version, level, replay, fullScreen, scores, userData, verify, exportLevel, generate, edit});
        parser.addPositionalArgument(QStringLiteral("file"),
                                     CommandLine::tr("A level file (.swirl) to play, or with --verify, the files to check."),
                                     QStringLiteral("[FILE...]"));
        for (const char *name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger",
                                 "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "display",
                                 "geometry", "style", "stylesheet", "name", "title"})
            addQtOption(QString::fromLatin1(name), QStringLiteral("value"));
        for (const char *name : {"reverse", "nograb", "dograb", "sync", "widgetcount"})
            addQtOption(QString::fromLatin1(name), QString());
    }

    void addQtOption(const QString &name, const QString &valueName)
    {
        QCommandLineOption option(name, QString(), valueName);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    QCommandLineParser parser;
    const QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                                  CommandLine::tr("Show this help and exit.")};
    const QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                                     CommandLine::tr("Show the version and exit.")};
    const QCommandLineOption level{QStringLiteral("level"),
                                   CommandLine::tr("Start on level <n>, from 1 to %1.").arg(LevelCatalogue::levelCount),
                                   QStringLiteral("n")};
    const QCommandLineOption scores{QStringLiteral("scores"),
                                    CommandLine::tr("Keep best times in <file> instead of scores.dat in the "
                                                    "current folder."),
                                    QStringLiteral("file")};
    const QCommandLineOption userData{QStringLiteral("user-data"),
                                      CommandLine::tr("Keep best times in scores.dat in the user's data folder, "
                                                      "$XDG_DATA_HOME/swirlfall (~/.local/share/swirlfall by "
                                                      "default), as the desktop menu's entry does.")};
    const QCommandLineOption fullScreen{QStringLiteral("fullscreen"),
                                        CommandLine::tr("Start in full screen, the playfield scaled to the screen.")};
    const QCommandLineOption verify{QStringLiteral("verify"),
                                    CommandLine::tr("Check the proof of each level file or replay given, without a display: "
                                                    "one line per file; exit status 0 when every proof holds, 1 when one is "
                                                    "missing or does not hold, 2 when a file cannot be read.")};
    const QCommandLineOption edit{QStringLiteral("edit"),
                                  CommandLine::tr("Open the level editor on the level file given, or on a new level "
                                                  "(saved to the file given, if it does not exist yet).")};
    const QCommandLineOption exportLevel{QStringLiteral("export-level"),
                                         CommandLine::tr("Print level <n> as a level file, with its solution as the proof."),
                                         QStringLiteral("n")};
    const QCommandLineOption generate{QStringLiteral("generate"),
                                      CommandLine::tr("Print the level the seed <seed> gives, such as 1-easy-42 or "
                                                      "1-daily-2026-12-09, as a level file with its proof."),
                                      QStringLiteral("seed")};
    const QCommandLineOption replay{QStringLiteral("replay"),
                                    CommandLine::tr("Open the level of the replay in <file> and play the replay, "
                                                    "as the Show solution command plays a level's solution; "
                                                    "a level file plays its proof."),
                                    QStringLiteral("file")};
};

CommandLine refuse(const QString &why)
{
    CommandLine refused;
    refused.action = CommandLine::Refuse;
    refused.error = why;
    return refused;
}
} // namespace

CommandLine CommandLine::parse(const QStringList &arguments)
{
    Options options;
    QCommandLineParser &parser = options.parser;
    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    const QStringList files = parser.positionalArguments();

    CommandLine commandLine;
    if (parser.isSet(options.help)) {
        commandLine.action = ShowHelp;
        return commandLine;
    }
    if (parser.isSet(options.version)) {
        commandLine.action = ShowVersion;
        return commandLine;
    }
    if (parser.isSet(options.verify)) {
        if (files.isEmpty())
            return refuse(CommandLine::tr("--verify takes the files to check"));
        commandLine.action = Verify;
        commandLine.files = files;
        return commandLine;
    }
    const auto levelNumber = [&](const QCommandLineOption &option) {
        bool number = false;
        const int level = parser.value(option).toInt(&number);
        return number && level >= 1 && level <= LevelCatalogue::levelCount ? level : 0;
    };
    const auto badNumber = [&](const QCommandLineOption &option) {
        return refuse(CommandLine::tr("--%1 takes a level from 1 to %2, not '%3'")
                          .arg(option.names().constFirst(), QString::number(LevelCatalogue::levelCount),
                               parser.value(option)));
    };
    if (parser.isSet(options.edit)) {
        if (files.size() > 1)
            return refuse(CommandLine::tr("--edit takes one level file at most"));
        // A file that is not there yet is the one a new level is saved to.
        Level level;
        QString why;
        if (!files.isEmpty() && QFileInfo::exists(files.constFirst()) && !LevelFile::readFile(files.constFirst(), &level, &why))
            return refuse(why);
        commandLine.action = Edit;
        commandLine.files = files;
        return commandLine;
    }
    if (parser.isSet(options.generate)) {
        QString why;
        if (!Seed::parse(parser.value(options.generate), &commandLine.seed, &why))
            return refuse(QStringLiteral("--generate: ") + why);
        commandLine.action = Generate;
        return commandLine;
    }
    if (parser.isSet(options.exportLevel)) {
        commandLine.action = ExportLevel;
        commandLine.level = levelNumber(options.exportLevel);
        return commandLine.level ? commandLine : badNumber(options.exportLevel);
    }
    if (files.size() > 1)
        return refuse(CommandLine::tr("unexpected argument '%1'").arg(files.at(1)));
    // Each of these chooses the level to start on; only one may.
    const int choices = int(parser.isSet(options.level)) + int(parser.isSet(options.replay)) + int(!files.isEmpty());
    if (choices > 1)
        return refuse(CommandLine::tr("--level, --replay and a level file each choose the level; give one"));
    if (!files.isEmpty()) {
        QString why;
        if (!LevelFile::readFile(files.constFirst(), &commandLine.levelFile, &why))
            return refuse(why);
        commandLine.levelFileGiven = true;
        commandLine.files = files;
    }
    if (parser.isSet(options.level)) {
        commandLine.level = levelNumber(options.level);
        if (!commandLine.level)
            return badNumber(options.level);
        commandLine.levelGiven = true;
    }
    if (parser.isSet(options.replay)) {
        QString why;
        if (!LevelCatalogue::readPlayback(parser.value(options.replay), &commandLine.playback, &why))
            return refuse(why);
        if (!commandLine.playback.proof)
            return refuse(CommandLine::tr("%1: a level without a proof, no replay to play").arg(parser.value(options.replay)));
        commandLine.replayGiven = true;
    }
    commandLine.fullScreen = parser.isSet(options.fullScreen);
    if (parser.isSet(options.scores) && parser.isSet(options.userData))
        return refuse(CommandLine::tr("--scores and --user-data each name where best times are kept; give one"));
    if (parser.isSet(options.scores)) {
        commandLine.scoreFile = parser.value(options.scores);
        if (commandLine.scoreFile.isEmpty())
            return refuse(CommandLine::tr("--scores takes the name of a file"));
    }
    if (parser.isSet(options.userData)) {
        const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        if (data.isEmpty())
            return refuse(CommandLine::tr("--user-data: no data folder is known (HOME is not set)"));
        commandLine.scoreFile = QDir(data).filePath(QStringLiteral("swirlfall/scores.dat"));
    }
    // Records and runs are written beside the file, in its folder; a folder given for the file
    // would put them in the one above it. Where the game keeps them by itself, a folder in the
    // way is no error: the game plays, and says that best times are not kept (see RecordBook).
    if (!parser.isSet(options.scores))
        return commandLine;
    QString notAFile = UntrustedText::notAFile(commandLine.scoreFile, CommandLine::tr("a file for best times"));
    if (QFileInfo(commandLine.scoreFile).fileName().isEmpty())
        notAFile = CommandLine::tr("a folder, not a file for best times");
    if (!notAFile.isEmpty())
        return refuse(QStringLiteral("--scores: ") + commandLine.scoreFile + QStringLiteral(": ") + notAFile);
    return commandLine;
}

QString CommandLine::helpText()
{
    return Options().parser.helpText();
}
