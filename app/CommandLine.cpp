#include "app/CommandLine.h"

#include "levels/catalogue/LevelCatalogue.h"

#include <QCommandLineParser>

namespace {
CommandLine refuse(const QString &why)
{
    CommandLine refused;
    refused.action = CommandLine::Refuse;
    refused.error = why;
    return refused;
}
} // namespace

struct CommandLine::Options
{
    Options()
    {
        parser.setApplicationDescription(
            CommandLine::tr("Swirlfall: steer every particle into its goal with red and blue gravity wells."));
        // Qt's own options are single words after one dash, as -platform is.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOptions({help, version, level, replay, fullScreen, noSound, scores, userData, verify, exportLevel, generate, edit});
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

    // The level an option names, from 1 to the last built-in one; 0 for anything else.
    int levelNumber(const QCommandLineOption &option) const
    {
        bool number = false;
        const int level = parser.value(option).toInt(&number);
        return number && level >= 1 && level <= LevelCatalogue::levelCount ? level : 0;
    }

    CommandLine badNumber(const QCommandLineOption &option) const
    {
        return refuse(CommandLine::tr("--%1 takes a level from 1 to %2, not '%3'")
                          .arg(option.names().constFirst(), QString::number(LevelCatalogue::levelCount), parser.value(option)));
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
    const QCommandLineOption noSound{QStringLiteral("no-sound"),
                                     CommandLine::tr("Play without sound this time; the Sound setting stays as it is.")};
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
                                      CommandLine::tr("Print the level the seed <seed> gives, such as 3-easy-42 or "
                                                      "3-daily-2026-12-20, as a level file with its proof."),
                                      QStringLiteral("seed")};
    const QCommandLineOption replay{QStringLiteral("replay"),
                                    CommandLine::tr("Open the level of the replay in <file> and play the replay, "
                                                    "as the Show solution command plays a level's solution; "
                                                    "a level file plays its proof."),
                                    QStringLiteral("file")};
};

CommandLine CommandLine::parse(const QStringList &arguments)
{
    Options options;
    QCommandLineParser &parser = options.parser;
    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    CommandLine commandLine;
    commandLine.files = parser.positionalArguments();
    commandLine.sound = !parser.isSet(options.noSound);
    if (parser.isSet(options.help))
        return commandLine.answered(ShowHelp);
    if (parser.isSet(options.version))
        return commandLine.answered(ShowVersion);
    if (parser.isSet(options.verify)) {
        if (commandLine.files.isEmpty())
            return refuse(tr("--verify takes the files to check"));
        return commandLine.answered(Verify);
    }
    if (parser.isSet(options.edit)) {
        if (commandLine.files.size() > 1)
            return refuse(tr("--edit takes one level file at most"));
        return commandLine.answered(Edit);
    }
    if (parser.isSet(options.generate)) {
        QString why;
        if (!Seed::parse(parser.value(options.generate), &commandLine.seed, &why))
            return refuse(QStringLiteral("--generate: ") + why);
        return commandLine.answered(Generate);
    }
    if (parser.isSet(options.exportLevel)) {
        commandLine.level = options.levelNumber(options.exportLevel);
        return commandLine.level ? commandLine.answered(ExportLevel) : options.badNumber(options.exportLevel);
    }
    return commandLine.readPlay(options);
}

CommandLine CommandLine::answered(Action answer)
{
    action = answer;
    return *this;
}

CommandLine CommandLine::readPlay(const Options &options)
{
    const QCommandLineParser &parser = options.parser;
    if (files.size() > 1)
        return refuse(tr("unexpected argument '%1'").arg(files.at(1)));
    // Each of these chooses the level to start on; only one may.
    const int choices = int(parser.isSet(options.level)) + int(parser.isSet(options.replay)) + int(!files.isEmpty());
    if (choices > 1)
        return refuse(tr("--level, --replay and a level file each choose the level; give one"));
    if (parser.isSet(options.level)) {
        level = options.levelNumber(options.level);
        if (!level)
            return options.badNumber(options.level);
        levelGiven = true;
    }
    replayFile = parser.value(options.replay);
    fullScreen = parser.isSet(options.fullScreen);
    userData = parser.isSet(options.userData);
    if (parser.isSet(options.scores) && userData)
        return refuse(tr("--scores and --user-data each name where best times are kept; give one"));
    scoreFile = parser.value(options.scores);
    if (parser.isSet(options.scores) && scoreFile.isEmpty())
        return refuse(tr("--scores takes the name of a file"));
    return *this;
}

QString CommandLine::helpText()
{
    return Options().parser.helpText();
}
