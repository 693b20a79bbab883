// Guards the replays that prove every level passable: a change to the step or the level data
// that breaks one fails here. Also guards the replay format against text no player could make,
// and the runner against drifting from the game's own frame tick.
#include "PlayerInput.h"

#include "game/GameWidget.h"
#include "levels/Replay.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {
constexpr int maxTicks = 100000;

Replay replayFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    Replay replay;
    QString error;
    if (!Replay::parse(QString::fromUtf8(file.readAll()), &replay, &error))
        qWarning("%s: %s", qPrintable(path), qPrintable(error));
    return replay;
}
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
    void runnerMatchesTheGame();
};

void ReplayTest::rejects_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("no header") << QStringLiteral("0 well 10 10 0\n");
    QTest::newRow("level 21") << QStringLiteral("# level 21 time 0\n");
    QTest::newRow("outside the playfield") << QStringLiteral("# level 1 time 0\n0 well 800 10 0\n");
    QTest::newRow("negative point") << QStringLiteral("# level 1 time 0\n0 remove -1 10\n");
    QTest::newRow("a particle is no well") << QStringLiteral("# level 1 time 0\n0 well 10 10 2\n");
    QTest::newRow("ticks go backwards") << QStringLiteral("# level 1 time 0\n5 well 10 10 0\n4 well 20 20 0\n");
    QTest::newRow("unknown action") << QStringLiteral("# level 1 time 0\n0 push 10 10\n");
}

void ReplayTest::rejects()
{
    QFETCH(QString, text);
    Replay replay;
    QString error;
    QVERIFY(!Replay::parse(text, &replay, &error));
    QVERIFY(!error.isEmpty());
}

void ReplayTest::roundTrip()
{
    const QString text = QStringLiteral("# level 4 time 1230\n0 well 100 200 1\n0 well 300 40 0\n57 remove 100 200\n");
    Replay replay;
    QString error;
    const QString commented = QStringLiteral("# a comment\n") + text + QStringLiteral("\n99 remove 1 1 # at the end\n");
    QVERIFY2(Replay::parse(commented, &replay, &error), qPrintable(error));
    QCOMPARE(replay.actions.size(), 4);
    replay.actions.removeLast();
    QCOMPARE(replay.level, 4);
    QCOMPARE(replay.time, 1230u);
    QCOMPARE(replay.actions.at(2).type, Replay::Action::Remove);
    QCOMPARE(replay.toText(), text);
}

void ReplayTest::levelsPass_data()
{
    QTest::addColumn<QString>("path");

    const QDir dir(QStringLiteral(SWIRLFALL_REPLAY_DIR));
    for (const QString &name : dir.entryList({QStringLiteral("level-*.txt")}, QDir::Files, QDir::Name))
        QTest::newRow(qPrintable(name)) << dir.filePath(name);
}

void ReplayTest::levelsPass()
{
    QFETCH(QString, path);
    const Replay replay = replayFile(path);
    QVERIFY(replay.level >= 1);
    QVERIFY(path.endsWith(QStringLiteral("level-%1.txt").arg(replay.level, 2, 10, QLatin1Char('0'))));
    const Replay::Result result = replay.run(maxTicks);
    QCOMPARE(result.status, int(Passed));
    QCOMPARE(result.totalTime, replay.time);
    QCOMPARE(result.ignoredActions, 0);
}

void ReplayTest::runnerMatchesTheGame()
{
    // Level 1's replay played through the widget with real mouse events and frame ticks.
    const Replay replay = PlayerInput::solution(1);
    QVERIFY(!replay.actions.isEmpty());
    QTemporaryDir dir;
    const QString oldCurrent = QDir::currentPath();
    QDir::setCurrent(dir.path());
    GameWidget game;
    game.loadLevel(replay.level);
    PlayerInput::start(&game);
    int next = 0;
    for (int tick = 0; tick < maxTicks && game.state().status() == Running; ++tick) {
        for (; next < replay.actions.size() && replay.actions.at(next).tick == tick; ++next)
            PlayerInput::perform(&game, replay.actions.at(next));
        game.animate();
    }
    QCOMPARE(game.state().status(), int(Passed));
    QCOMPARE(game.totalTime, replay.time);
    QDir::setCurrent(oldCurrent);
}

QTEST_MAIN(ReplayTest)
#include "tst_replays.moc"
