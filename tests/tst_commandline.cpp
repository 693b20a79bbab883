// Guards the command line, read before any window exists: an option that starts the game when
// it should answer and exit, a bad value let through to a window, and records kept somewhere
// other than where the player or the desktop entry asked. --verify must say, per file, what the
// proof shows, with an exit status scripts can trust.
#include "TestFiles.h"
#include "app/CommandLine.h"
#include "app/ConsoleCommands.h"
#include "app/GameStart.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <optional>

#include <sys/stat.h>

class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void accepted_data();
    void accepted();
    void refused_data();
    void refused();
    void replayFiles_data();
    void replayFiles();
    void verify_data();
    void verify();
    void verifyReturnsTheWorst_data();
    void verifyReturnsTheWorst();
};

namespace {
// A level file of each kind for --verify: one that holds, and parts of it.
const QByteArray header = "swirlfall-level 1\nname Two Ways\nwells red 1 blue 1\n";
const QByteArray particles = "particle red 150 240\nparticle blue 650 240\n";
const QByteArray areas = "goal red 700 200 760 200 760 280 700 280\ngoal blue 40 200 100 200 100 280 40 280\n"
                         "hazard 380 40 420 40 420 160 380 160\n";
const QByteArray example = header + particles + areas + "solution 3310\n0 well 770 240 0\n";

// What the game starts with, as main reads it: the command line, then the files it names.
CommandLine started(const QStringList &arguments, GameStart *start)
{
    CommandLine commandLine = CommandLine::parse(QStringList{QStringLiteral("swirlfall")} + arguments);
    QString why;
    if (commandLine.wantsWindow() && !GameStart::load(commandLine, start, &why)) {
        commandLine.action = CommandLine::Refuse;
        commandLine.error = why;
    }
    return commandLine;
}
} // namespace

void CommandLineTest::initTestCase()
{
    // As the game's main names it: the user's data folder is named so.
    QCoreApplication::setApplicationName(QStringLiteral("swirlfall"));
}

void CommandLineTest::accepted_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("scoreFile");

    const QString here = QStringLiteral("scores.dat");
    QTest::newRow("none: level 1, scores.dat here") << QStringList() << int(CommandLine::Play) << 1 << here;
    QTest::newRow("-h") << QStringList{"-h"} << int(CommandLine::ShowHelp) << 1 << here;
    QTest::newRow("--help after others") << QStringList{"--level", "3", "--help"} << int(CommandLine::ShowHelp) << 1
                                         << here;
    QTest::newRow("-v") << QStringList{"-v"} << int(CommandLine::ShowVersion) << 1 << here;
    QTest::newRow("--version") << QStringList{"--version"} << int(CommandLine::ShowVersion) << 1 << here;
    QTest::newRow("--level 1") << QStringList{"--level", "1"} << int(CommandLine::Play) << 1 << here;
    QTest::newRow("--level=20") << QStringList{"--level=20"} << int(CommandLine::Play) << 20 << here;
    QTest::newRow("--scores FILE") << QStringList{"--scores", "/tmp/x/best.dat"} << int(CommandLine::Play) << 1
                                   << QStringLiteral("/tmp/x/best.dat");
    QTest::newRow("--user-data: the data folder") << QStringList{"--user-data"} << int(CommandLine::Play) << 1
                                                  << QStringLiteral("/data/home/swirlfall/scores.dat");
    QTest::newRow("--verify FILES, without a window") << QStringList{"--verify", "a.swirl", "b.txt"}
                                                      << int(CommandLine::Verify) << 1 << here;
    QTest::newRow("--export-level 7") << QStringList{"--export-level", "7"} << int(CommandLine::ExportLevel) << 7 << here;
    QTest::newRow("--fullscreen") << QStringList{"--fullscreen", "--level", "2"} << int(CommandLine::Play) << 2 << here;
    QTest::newRow("--no-sound") << QStringList{"--level", "5", "--no-sound"} << int(CommandLine::Play) << 5 << here;
    QTest::newRow("Qt's own options pass") << QStringList{"-platform", "offscreen", "-reverse", "--level", "4"}
                                           << int(CommandLine::Play) << 4 << here;
    // Not an error, where the game keeps best times by itself: it plays, and says they are not kept.
    QTest::newRow("a folder named scores.dat here") << QStringList{"--level", "2"} << int(CommandLine::Play) << 2
                                                    << QStringLiteral("SCORES/");
}

void CommandLineTest::accepted()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, action);
    QFETCH(int, level);
    QFETCH(QString, scoreFile);

    qputenv("XDG_DATA_HOME", "/data/home");
    std::optional<TestFiles::ScratchFolder> here;
    here.emplace();
    if (scoreFile == QLatin1String("SCORES/")) {
        scoreFile = QStringLiteral("scores.dat");
        QVERIFY(QDir().mkdir(scoreFile));
    }
    GameStart start;
    const CommandLine commandLine = started(arguments, &start);
    here.reset();
    QCOMPARE(int(commandLine.action), action);
    QCOMPARE(commandLine.error, QString());
    if (action == CommandLine::ExportLevel)
        QCOMPARE(commandLine.level, level);
    if (action == CommandLine::Verify)
        QCOMPARE(commandLine.files, arguments.mid(1));
    if (action != CommandLine::Play)
        return;
    QCOMPARE(commandLine.level, level);
    QCOMPARE(commandLine.levelGiven, arguments.join(QLatin1Char(' ')).contains(QStringLiteral("--level")));
    QCOMPARE(start.scoreFile, scoreFile);
    QCOMPARE(commandLine.fullScreen, arguments.contains(QStringLiteral("--fullscreen")));
    QCOMPARE(commandLine.sound, !arguments.contains(QStringLiteral("--no-sound")));
}

void CommandLineTest::refused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");

    QTest::newRow("--level 0") << QStringList{"--level", "0"} << "--level takes a level from 1 to 20, not '0'";
    QTest::newRow("--level 21") << QStringList{"--level", "21"} << "--level takes a level from 1 to 20, not '21'";
    QTest::newRow("--level x") << QStringList{"--level", "x"} << "--level takes a level from 1 to 20, not 'x'";
    QTest::newRow("--level without a value") << QStringList{"--level"} << "Missing value after '--level'.";
    QTest::newRow("--scores empty") << QStringList{"--scores", ""} << "--scores takes the name of a file";
    QTest::newRow("both places for records") << QStringList{"--scores", "a", "--user-data"}
                                             << "--scores and --user-data each name where best times are kept; "
                                                "give one";
    QTest::newRow("unknown option") << QStringList{"--fast"} << "Unknown option 'fast'.";
    QTest::newRow("--verify without files") << QStringList{"--verify"} << "--verify takes the files to check";
    QTest::newRow("--export-level 21") << QStringList{"--export-level", "21"}
                                       << "--export-level takes a level from 1 to 20, not '21'";
    QTest::newRow("a level file and --level") << QStringList{"--level", "2", "a.swirl"}
                                              << "--level, --replay and a level file each choose the level; give one";
    QTest::newRow("a level file that is not there") << QStringList{"/nowhere/a.swirl"}
                                                    << "/nowhere/a.swirl: No such file or directory";
    QTest::newRow("a stray word after a file") << QStringList{"a.swirl", "level"} << "unexpected argument 'level'";
    // Records are written in the folder of their file: a folder given for it would put them, and
    // the runs beside them, in the folder above.
    QTest::newRow("--scores a folder") << QStringList{"--scores", "DIR"}
                                       << "--scores: DIR: a folder, not a file for best times";
    QTest::newRow("--scores ending in a slash") << QStringList{"--scores", "DIR/new/"}
                                                << "--scores: DIR/new/: a folder, not a file for best times";
    QTest::newRow("--scores a named pipe") << QStringList{"--scores", "DIR/pipe"}
                                           << "--scores: DIR/pipe: not a regular file, not a file for best times";
    QTest::newRow("a level file that is a named pipe") << QStringList{"DIR/pipe"}
                                                       << "DIR/pipe: not a regular file, not a level";
    QTest::newRow("--replay a named pipe") << QStringList{"--replay", "DIR/pipe"}
                                           << "DIR/pipe: not a regular file, not a level or a replay";
    QTest::newRow("--edit a named pipe") << QStringList{"--edit", "DIR/pipe"}
                                         << "DIR/pipe: not a regular file, not a level";
}

void CommandLineTest::refused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);

    // A named pipe is opened only once something writes to it: a reader that opens one waits for ever.
    QTemporaryDir dir;
    QCOMPARE(mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe"))).constData(), 0600), 0);
    arguments.replaceInStrings(QStringLiteral("DIR"), dir.path());
    GameStart start;
    const CommandLine commandLine = started(arguments, &start);
    QCOMPARE(int(commandLine.action), int(CommandLine::Refuse));
    QCOMPARE(commandLine.error, QString(error).replace(QStringLiteral("DIR"), dir.path()));
    QVERIFY(!commandLine.error.contains(QLatin1Char('\n')));
}

void CommandLineTest::replayFiles_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("error");

    // A file from anywhere: every fault is named with the file and the line, in one line.
    QTest::newRow("a good replay") << QByteArray("# level 7 time 2120\n0 well 300 200 1\n") << QString();
    QTest::newRow("no such file") << QByteArray() << "FILE: No such file or directory";
    QTest::newRow("a folder") << QByteArray("/") << "FILE: a folder, not a level or a replay";
    QTest::newRow("a level without a proof") << QByteArray("swirlfall-level 1\nname A\nwells red 0 blue 0\nparticle red 1 1\n")
                                             << "FILE: a level without a proof, no replay to play";
    QTest::newRow("a level after a comment and a blank line: still a level")
        << QByteArray("# made by hand\n\nswirlfall-level 1\nname A\nwells red 0 blue 0\nparticle red 1 1\n")
        << "FILE: a level without a proof, no replay to play";
    QTest::newRow("over 1 MiB") << QByteArray((1 << 20) + 1, '#') << "FILE: larger than 1024 KiB, too large for a replay";
    QTest::newRow("no such level") << QByteArray("# level 99 time 0\n")
                                   << "FILE: line 1: there is no level 99 (the levels are 1 to 20)";
    QTest::newRow("ticks backwards") << QByteArray("# level 2 time 0\n9 well 1 1 0\n8 well 2 2 0\n")
                                     << "FILE: line 3: ticks go backwards";
    QTest::newRow("far off the playfield") << QByteArray("# level 2 time 0\n0 remove 5 960\n")
                                           << "FILE: line 2: (5, 960) is too far off the playfield";
    QTest::newRow("binary") << QByteArray("# level 2 time 0\n\x01\x02\x1b]0;x\x07\n")
                            << "FILE: line 2: not an action: ???]0;x?";
    // The same reason as a level file that is no text gives.
    QTest::newRow("not UTF-8") << QByteArray("# level 2 time 0\nP\xe8\xff\x01(@\n") << "FILE: line 2: not UTF-8 text";
}

void CommandLineTest::replayFiles()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, error);

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("replay.txt"));
    if (contents == "/") {
        path = dir.path();
    } else if (!contents.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    GameStart start;
    const CommandLine commandLine = started({QStringLiteral("--replay"), path}, &start);
    if (error.isEmpty()) {
        QCOMPARE(int(commandLine.action), int(CommandLine::Play));
        QVERIFY(start.playback);
        QCOMPARE(start.playback->number, 7);
        QCOMPARE(start.playback->proof->actions.size(), 1);
        const CommandLine both = started({"--replay", path, "--level", "3"}, &start);
        QCOMPARE(both.error, QStringLiteral("--level, --replay and a level file each choose the level; give one"));
        return;
    }
    QCOMPARE(int(commandLine.action), int(CommandLine::Refuse));
    QCOMPARE(commandLine.error, QString(error).replace(QStringLiteral("FILE"), path));
}

void CommandLineTest::verify_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("status");

    QTest::newRow("a proof that holds") << example << "FILE: passes in 3310 ms, as stated" << 0;
    QTest::newRow("no proof") << header + particles + areas << "FILE: no proof: nothing shows that it can be passed" << 1;
    QTest::newRow("a proof that fails") << header + particles + areas + "solution 3310\n0 well 150 240 0\n"
                                        << "FILE: the proof fails: the level is failed after 0 ms" << 1;
    QTest::newRow("another time than stated") << header + particles + areas + "solution 3300\n0 well 770 240 0\n"
                                              << "FILE: the proof passes, but in 3310 ms, not in 3300 ms as stated" << 1;
    QTest::newRow("a replay of a built-in level") << QByteArray("# level 1 time 2680\n0 well 577 353 0\n")
                                                  << "FILE: passes in 2680 ms, as stated" << 0;
    QTest::newRow("a file that cannot be read") << header << "FILE: line 3: the level has no particle" << 2;
    QTest::newRow("a binary file, as opening it says") << QByteArray("\x89PNG\r\n\x1a\n\xff\xd8") << "FILE: line 1: not UTF-8 text" << 2;
}

void CommandLineTest::verify()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, line);
    QFETCH(int, status);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("level.swirl"));
    QVERIFY(TestFiles::write(path, contents));
    const QString output = dir.filePath(QStringLiteral("output"));
    std::FILE *out = std::fopen(qPrintable(output), "w");
    // The worst status of all the files given is the one returned.
    const int returned = ConsoleCommands::verify({path, path}, out);
    std::fclose(out);
    QFile printed(output);
    QVERIFY(printed.open(QIODevice::ReadOnly));
    const QString expected = QString(line).replace(QStringLiteral("FILE"), path) + QLatin1Char('\n');
    QCOMPARE(QString::fromUtf8(printed.readAll()), expected + expected);
    QCOMPARE(returned, status);
}

void CommandLineTest::verifyReturnsTheWorst_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("status");

    // A script trusts the status: 0 only when every proof holds, 2 when any file cannot be read.
    QTest::newRow("all hold") << QStringList{"holds", "holds"} << 0;
    QTest::newRow("one missing after one that holds") << QStringList{"holds", "missing"} << 1;
    QTest::newRow("one that holds after one missing") << QStringList{"missing", "holds"} << 1;
    QTest::newRow("all three kinds") << QStringList{"holds", "unreadable", "missing"} << 2;
    QTest::newRow("unreadable first, then missing") << QStringList{"unreadable", "missing", "holds"} << 2;
    QTest::newRow("a named pipe, refused at once") << QStringList{"pipe", "holds"} << 2;
}

void CommandLineTest::verifyReturnsTheWorst()
{
    QFETCH(QStringList, files);
    QFETCH(int, status);

    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe"));
    QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QMap<QString, QByteArray> contents{
        {QStringLiteral("holds"), example}, {QStringLiteral("missing"), header + particles}, {QStringLiteral("unreadable"), header}};
    QStringList paths;
    for (const QString &kind : files) {
        paths.append(kind == QLatin1String("pipe") ? pipe : dir.filePath(kind));
        if (kind != QLatin1String("pipe"))
            QVERIFY(TestFiles::write(paths.last(), contents.value(kind)));
    }
    std::FILE *out = std::fopen(qPrintable(dir.filePath(QStringLiteral("output"))), "w");
    QCOMPARE(ConsoleCommands::verify(paths, out), status);
    std::fclose(out);
    QFile printed(dir.filePath(QStringLiteral("output")));
    QVERIFY(printed.open(QIODevice::ReadOnly));
    QCOMPARE(printed.readAll().count('\n'), files.size());
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
