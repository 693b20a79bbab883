// Guards the solutions built into the game, which prove every level passable: a level without
// one, or a change to the step or the level data that breaks one, fails here. Also guards the
// replay format against text no player could make (a replay file is untrusted input).
#include "levels/catalogue/LevelCatalogue.h"
#include "levels/format/Replay.h"
#include "sim/LevelState.h"

#include <QDir>
#include <QTest>

namespace {
constexpr int maxTicks = 100000;
} // namespace

class ReplayTest : public QObject
{
    Q_OBJECT

private slots:
    void rejects_data();
    void rejects();
    void roundTrip();
    void levelsPass_data();
    void levelsPass();
};

void ReplayTest::rejects_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error");

    const QString header = QStringLiteral("# level 1 time 0\n");
    QTest::newRow("no header") << "0 well 10 10 0\n" << "no header \"# level <n> time <ms>\" names the level";
    QTest::newRow("level 21") << "# level 21 time 0\n" << "line 1: there is no level 21 (the levels are 1 to 20)";
    QTest::newRow("level 0") << "# level 0 time 0\n" << "line 1: there is no level 0 (the levels are 1 to 20)";
    // A pointer reaches a playfield's width and height beyond the edges, in full screen.
    QTest::newRow("right of the reach") << header + "0 well 1600 10 0\n" << "line 2: (1600, 10) is too far off the playfield";
    QTest::newRow("left of the reach") << header + "0 remove -801 10\n" << "line 2: (-801, 10) is too far off the playfield";
    QTest::newRow("a particle is no well") << header + "0 well 10 10 2\n" << "line 2: a well's kind is 0 (red) or 1 (blue)";
    QTest::newRow("ticks go backwards") << header + "5 well 10 10 0\n4 well 20 20 0\n" << "line 3: ticks go backwards";
    QTest::newRow("unknown action") << header + "0 push 10 10\n" << "line 2: not an action: 0 push 10 10";
    QTest::newRow("a number that does not fit an int, which read as 0")
        << header + "0 well 4294967306 10 0\n" << "line 2: a number too large";
    QTest::newRow("a time that does not fit") << "# level 1 time 4294967296\n" << "line 1: a number too large";
    QTest::newRow("a line too long") << header + "0 well 1 1 0 #" + QString(200, QLatin1Char('x'))
                                     << "line 2: longer than 200 characters";
    QTest::newRow("control characters are not echoed")
        << header + "\x1b[2J\x07 well 1 1 0" << "line 2: not an action: ?[2J? well 1 1 0";
}

void ReplayTest::rejects()
{
    QFETCH(QString, text);
    QFETCH(QString, error);

    Replay replay;
    QString why;
    QVERIFY(!Replay::parse(text, LevelCatalogue::levelCount, &replay, &why));
    QCOMPARE(why, error);
}

void ReplayTest::roundTrip()
{
    const QString text = QStringLiteral("# level 4 time 1230\n0 well 100 200 1\n0 well 300 40 0\n57 remove 100 200\n");
    Replay replay;
    QString error;
    const QString commented = QStringLiteral("# a comment\n") + text + QStringLiteral("\n99 remove 1 1 # at the end\n");
    QVERIFY2(Replay::parse(commented, LevelCatalogue::levelCount, &replay, &error), qPrintable(error));
    QCOMPARE(replay.actions.size(), 4);
    replay.actions.removeLast();
    QCOMPARE(replay.level, 4);
    QCOMPARE(replay.time, 1230u);
    QCOMPARE(replay.actions.at(2).type, Replay::Action::Remove);
    QCOMPARE(replay.toText(), text);
}

void ReplayTest::levelsPass_data()
{
    QTest::addColumn<int>("level");

    for (int level = 1; level <= LevelCatalogue::levelCount; ++level)
        QTest::newRow(qPrintable(QStringLiteral("level %1").arg(level))) << level;
}

void ReplayTest::levelsPass()
{
    QFETCH(int, level);
    // Read back from its text, as a player's saved replay of the level is.
    Replay replay;
    QString error;
    QVERIFY2(Replay::parse(LevelCatalogue::solution(level).toText(), LevelCatalogue::levelCount, &replay, &error), qPrintable(error));
    QCOMPARE(replay.level, level);
    const Replay::Result result = replay.run(LevelCatalogue::level(level), maxTicks);
    QCOMPARE(result.status, int(Passed));
    QCOMPARE(result.totalTime, replay.time);
    QCOMPARE(result.ignoredActions, 0);
}

QTEST_GUILESS_MAIN(ReplayTest)
#include "tst_replays.moc"
