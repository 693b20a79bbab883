// Guards the command line, read before any window exists: an option that starts the game when
// it should answer and exit, a bad value let through to a window, and records kept somewhere
// other than where the player or the desktop entry asked.
#include "app/CommandLine.h"

#include <QtTest>

class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void accepted_data();
    void accepted();
    void refused_data();
    void refused();
};

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
    QTest::newRow("Qt's own options pass") << QStringList{"-platform", "offscreen", "-reverse", "--level", "4"}
                                           << int(CommandLine::Play) << 4 << here;
}

void CommandLineTest::accepted()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, action);
    QFETCH(int, level);
    QFETCH(QString, scoreFile);

    qputenv("XDG_DATA_HOME", "/data/home");
    const CommandLine commandLine = CommandLine::parse(QStringList{QStringLiteral("swirlfall")} + arguments);
    QCOMPARE(int(commandLine.action), action);
    QCOMPARE(commandLine.error, QString());
    if (action != CommandLine::Play)
        return;
    QCOMPARE(commandLine.level, level);
    QCOMPARE(commandLine.levelGiven, arguments.join(QLatin1Char(' ')).contains(QStringLiteral("--level")));
    QCOMPARE(commandLine.scoreFile, scoreFile);
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
    QTest::newRow("a stray word") << QStringList{"level"} << "unexpected argument 'level'";
}

void CommandLineTest::refused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);

    const CommandLine commandLine = CommandLine::parse(QStringList{QStringLiteral("swirlfall")} + arguments);
    QCOMPARE(int(commandLine.action), int(CommandLine::Refuse));
    QCOMPARE(commandLine.error, error);
    QVERIFY(!commandLine.error.contains(QLatin1Char('\n')));
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
