// Guards watching a solution. Each level's own solution, played into the game as drags and
// clicks at its ticks, must pass the level in the time its header gives; a watched pass must
// never count as the player's record nor touch scores.dat; and a press or a key must stop it at
// once and give the level back to the player, Ready.
#include "PlayerInput.h"
#include "TestFiles.h"

#include "game/GameWidget.h"
#include "levels/catalogue/LevelCatalogue.h"
#include "levels/saves/ScoreStore.h"

#include <QDir>
#include <QImage>
#include <QTest>

#include <memory>

namespace {
constexpr int maxTicks = 20000;
const QRect helpStrip(100, 22, 600, 76);

} // namespace

class SolutionPlaybackTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void eachSolutionPassesAndSetsNoRecord_data();
    void eachSolutionPassesAndSetsNoRecord();
    void inputStopsIt_data();
    void inputStopsIt();
    void anotherLevelStopsIt();
    void aNoteSaysHowToStop_data();
    void aNoteSaysHowToStop();
    void runnerMatchesTheGame();

private:
    void tick(int n = 1);
    int helpPixels();

    std::unique_ptr<TestFiles::ScratchFolder> scratch;
    GameWidget *game = nullptr;
};

void SolutionPlaybackTest::init()
{
    scratch = std::make_unique<TestFiles::ScratchFolder>();
    game = new GameWidget;
}

void SolutionPlaybackTest::cleanup()
{
    delete game;
    scratch.reset();
}

void SolutionPlaybackTest::tick(int n)
{
    for (int i = 0; i < n; ++i)
        game->animate();
}

int SolutionPlaybackTest::helpPixels()
{
    QImage image(game->size(), QImage::Format_RGB32);
    game->render(&image);
    int grey = 0;
    for (int y = helpStrip.top(); y <= helpStrip.bottom(); ++y) {
        for (int x = helpStrip.left(); x <= helpStrip.right(); ++x) {
            const QRgb c = image.pixel(x, y);
            grey += qRed(c) == qGreen(c) && qGreen(c) == qBlue(c) && qRed(c) > 120;
        }
    }
    return grey;
}

void SolutionPlaybackTest::eachSolutionPassesAndSetsNoRecord_data()
{
    QTest::addColumn<int>("level");

    for (int level = 1; level <= LevelCatalogue::levelCount; ++level)
        QTest::newRow(qPrintable(QStringLiteral("level %1").arg(level))) << level;
}

void SolutionPlaybackTest::eachSolutionPassesAndSetsNoRecord()
{
    QFETCH(int, level);

    // Slower records than any solution: a watched pass that counted would replace them.
    QList<quint32> slow;
    for (int i = 0; i < LevelCatalogue::levelCount; ++i)
        slow.append(60000);
    QVERIFY(ScoreStore::save(QStringLiteral("scores.dat"), slow));
    const QByteArray stored = TestFiles::contents(QStringLiteral("scores.dat"));
    GameWidget watching;
    watching.loadLevel(level);
    watching.showSolution();
    QCOMPARE(watching.state().status(), int(Running));
    for (int t = 0; t < maxTicks && watching.state().status() == Running; ++t)
        watching.animate();

    QCOMPARE(watching.state().status(), int(Passed));
    QCOMPARE(watching.attemptTime(), LevelCatalogue::solution(level).time);
    QVERIFY(!watching.hasNewRecord());
    QCOMPARE(watching.bestTimes(), slow);
    QCOMPARE(TestFiles::contents(QStringLiteral("scores.dat")), stored);
    QCOMPARE(QDir::current().entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("scores.dat")});
    // Over: the ended level takes the player's click as always, on to the next level.
    QVERIFY(!watching.isWatching());
    PlayerInput::start(&watching);
    QCOMPARE(watching.levelNumber(), level % LevelCatalogue::levelCount + 1);
}

void SolutionPlaybackTest::inputStopsIt_data()
{
    QTest::addColumn<int>("input");

    QTest::newRow("a left press") << int(Qt::LeftButton);
    QTest::newRow("a right press") << int(Qt::RightButton);
    QTest::newRow("a middle press") << int(Qt::MiddleButton);
    // Its release then does nothing else: it switches no level.
    QTest::newRow("the right arrow") << int(Qt::Key_Right);
    QTest::newRow("a letter") << int(Qt::Key_Q);
}

void SolutionPlaybackTest::inputStopsIt()
{
    QFETCH(int, input);

    // Level 14's solution sets a second well at tick 119 and removes the first at 149.
    game->loadLevel(14);
    game->showSolution();
    tick(130);
    QCOMPARE(game->state().wells.size(), 2);
    const QPoint at(400, 300);
    if (input == Qt::Key_Right || input == Qt::Key_Q) {
        PlayerInput::key(game, QEvent::KeyPress, input);
        PlayerInput::key(game, QEvent::KeyRelease, input);
    } else {
        const auto button = Qt::MouseButton(input);
        PlayerInput::mouse(game, QEvent::MouseButtonPress, button, button, at);
        PlayerInput::mouse(game, QEvent::MouseButtonRelease, button, Qt::NoButton, at + QPoint(0, 60));
    }
    QCOMPARE(game->levelNumber(), 14);
    QCOMPARE(game->state().status(), int(Ready));
    QCOMPARE(game->attemptTime(), 0u);
    QVERIFY(game->state().wells.isEmpty());
    QCOMPARE(game->state().wellsLeft(RedWell), 3);
    // Nothing of the solution is played any more.
    tick(300);
    QCOMPARE(game->state().status(), int(Ready));
    QVERIFY(game->state().wells.isEmpty());
}

void SolutionPlaybackTest::anotherLevelStopsIt()
{
    game->loadLevel(14);
    game->showSolution();
    tick(10);
    game->loadLevel(13);
    PlayerInput::start(game);
    tick(400);
    QCOMPARE(game->state().status(), int(Running));
    QVERIFY(game->state().wells.isEmpty());
}

void SolutionPlaybackTest::aNoteSaysHowToStop_data()
{
    QTest::addColumn<QString>("watched");
    QTest::addColumn<QString>("note");

    // It names what is played: a player watching their own run must not read "the solution".
    QTest::newRow("S: the solution") << "solution" << "Playing the solution: [Mouse click] or [any key] to stop it.";
    QTest::newRow("W: your best run") << "best run" << "Playing your best run: [Mouse click] or [any key] to stop it.";
    QTest::newRow("a replay opened") << "replay" << "Playing a replay: [Mouse click] or [any key] to stop it.";
}

void SolutionPlaybackTest::aNoteSaysHowToStop()
{
    QFETCH(QString, watched);
    QFETCH(QString, note);

    // A running level has no help line; a watched one says what plays and how to stop it.
    if (watched == QLatin1String("best run")) {
        game->loadLevel(6);
        PlayerInput::play(game, LevelCatalogue::solution(6));
        QVERIFY(game->hasBestRun());
    }
    game->loadLevel(6);
    PlayerInput::start(game);
    tick();
    QCOMPARE(helpPixels(), 0);
    QCOMPARE(game->stripNote(), QString());
    if (watched == QLatin1String("solution"))
        game->showSolution();
    else if (watched == QLatin1String("best run"))
        game->watchBestRun();
    else
        game->watchReplay(game->level(), LevelCatalogue::solution(6));
    tick();
    QVERIFY(helpPixels() > 50);
    QCOMPARE(game->stripNote(), note);
    PlayerInput::key(game, QEvent::KeyPress, Qt::Key_Space);
    PlayerInput::start(game);
    tick();
    QCOMPARE(helpPixels(), 0);
}

void SolutionPlaybackTest::runnerMatchesTheGame()
{
    // Level 1's replay played through the widget with real mouse events and frame ticks.
    const Replay replay = LevelCatalogue::solution(1);
    QVERIFY(!replay.actions.isEmpty());
    const TestFiles::ScratchFolder scratch;
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
    QCOMPARE(game.attemptTime(), replay.time);
}

QTEST_MAIN(SolutionPlaybackTest)
#include "tst_solutionplayback.moc"
