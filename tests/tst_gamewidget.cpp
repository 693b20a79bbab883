// Guards what a player feels of the game widget: which well a drag sets and where, clicks that
// remove or refund, restarts and level switches, time counted outside Running or on the pass
// tick, the record rule, and "scores.dat" lost or left untouched.
#include "CapturedMessages.h"
#include "PlayerInput.h"
#include "TestFiles.h"

#include "game/GameWidget.h"
#include "levels/catalogue/LevelCatalogue.h"
#include "levels/format/LevelFile.h"
#include "levels/format/ProofCheck.h"
#include "levels/saves/AtomicWriter.h"
#include "levels/saves/LevelRecords.h"
#include "levels/saves/ScoreStore.h"

#include <QDir>
#include <QSignalSpy>
#include <QTimer>
#include <QTest>

#include <memory>

class GameWidgetTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsOnLevelOne();
    void dragPlacesWell_data();
    void dragPlacesWell();
    void exhaustedBudgetPlacesNothing();
    void clickRemovesWellWithoutRefund();
    void rightClickRestarts_data();
    void rightClickRestarts();
    void leftClickAfterEndAdvances_data();
    void leftClickAfterEndAdvances();
    void arrowKeysWrap_data();
    void arrowKeysWrap();
    void timeCountsOnlyWhileRunning();
    void tickUsesTimerInterval();
    void levelEndClearsDragButReleaseCompletesIt();
    void doubleClickStartsNoDrag();
    void dragFromBeforeTheLevelPlacesNoWell_data();
    void dragFromBeforeTheLevelPlacesNoWell();
    void highScoreTableBlocksMouse();
    void pauseStopsTheClock_data();
    void pauseStopsTheClock();
    void escapeEmitsExitOnce_data();
    void escapeEmitsExitOnce();
    void recordRule_data();
    void recordRule();
    void recordWritesFileBytes();
    void zeroTimeIsNoRecordOnDisk();
    void fileLevelKeepsItsRecordApart();
    void startupReadsScores();
    void failedSaveKeepsPlaying_data();
    void failedSaveKeepsPlaying();
    void aKeptRunThatIsNoneIsNotPlayed_data();
    void aKeptRunThatIsNoneIsNotPlayed();
    void destroyingWritesNothing();
    void twoGamesOnOneFile_data();
    void twoGamesOnOneFile();
    void soundsOfPlay_data();
    void soundsOfPlay();
    void hintsShowTheProofsWells_data();
    void hintsShowTheProofsWells();

private:
    void tick(int n = 1);
    void press(const QPoint &at, Qt::MouseButton button = Qt::LeftButton);
    void release(const QPoint &at, Qt::MouseButton button = Qt::LeftButton);
    void drag(const QPoint &from, const QPoint &to);
    void pass(int level, int delay = 0, GameWidget *on = nullptr);
    void fail();
    void restartWithBest(quint32 levelOne);
    QByteArray scoreBytes() const;
    // The help strip after an end: three lines when a click goes on to the next level, two when
    // it plays the level again.
    int endedHelpLines() const;

    std::unique_ptr<TestFiles::ScratchFolder> scratch;
    GameWidget *game = nullptr;
    QTimer frameTimer;
};

void GameWidgetTest::init()
{
    // Every test runs in a fresh working directory: "scores.dat" lives there.
    scratch = std::make_unique<TestFiles::ScratchFolder>();
    game = new GameWidget;
    // Synthesized mouse moves need a window behind the widget.
    game->show();
    frameTimer.setInterval(10);
    connect(&frameTimer, SIGNAL(timeout()), game, SLOT(animate()));
}

void GameWidgetTest::cleanup()
{
    delete game;
    game = nullptr;
    scratch.reset();
}

void GameWidgetTest::tick(int n)
{
    // Ticks come from a real timer's signal, so animate() reads its interval; no test waits.
    for (int i = 0; i < n; ++i)
        QMetaObject::invokeMethod(&frameTimer, "timeout");
}

void GameWidgetTest::press(const QPoint &at, Qt::MouseButton button)
{
    QTest::mousePress(game, button, Qt::NoModifier, at);
}

void GameWidgetTest::release(const QPoint &at, Qt::MouseButton button)
{
    QTest::mouseRelease(game, button, Qt::NoModifier, at);
}

void GameWidgetTest::drag(const QPoint &from, const QPoint &to)
{
    press(from);
    QTest::mouseMove(game, to);
    release(to);
}

// Level's own solution, played in with real mouse events, its actions delay ticks late.
void GameWidgetTest::pass(int level, int delay, GameWidget *on)
{
    GameWidget *playing = on ? on : game;
    playing->loadLevel(level);
    PlayerInput::play(playing, LevelCatalogue::solution(level), delay);
    QCOMPARE(playing->state().status(), int(Passed));
}

// A well set right on the first particle, which hits it on the next tick.
void GameWidgetTest::fail()
{
    const QPoint at = game->state().particles.first().toPoint();
    drag(at, at + (game->state().wellsLeft(RedWell) > 0 ? QPoint(0, 40) : QPoint(40, 0)));
    tick();
    QCOMPARE(game->state().status(), int(Failed));
}

// A game opened on a scores.dat that holds this best time for level 1 and none for the others.
void GameWidgetTest::restartWithBest(quint32 levelOne)
{
    QList<quint32> times;
    for (int level = 1; level <= LevelCatalogue::levelCount; ++level)
        times.append(level == 1 ? levelOne : 0);
    QVERIFY(ScoreStore::save(QStringLiteral("scores.dat"), times));
    delete game;
    game = new GameWidget;
}

int GameWidgetTest::endedHelpLines() const
{
    QImage image(GameWidget::playfieldSize(), QImage::Format_ARGB32_Premultiplied);
    game->render(&image);
    // The third line of three stands where two lines, centred in the strip, leave it empty.
    int grey = 0;
    for (int y = 72; y < 98; ++y) {
        for (int x = 100; x < 700; ++x) {
            const QColor c = image.pixelColor(x, y);
            grey += c.red() == c.green() && c.green() == c.blue() && c.red() > 120;
        }
    }
    return grey > 10 ? 3 : 2;
}

QByteArray GameWidgetTest::scoreBytes() const
{
    return TestFiles::contents(QStringLiteral("scores.dat"));
}

void GameWidgetTest::startsOnLevelOne()
{
    QCOMPARE(game->state().status(), int(Ready));
    QCOMPARE(game->levelNumber(), 1);
    QCOMPARE(game->bestTimes().size(), 20);
    QCOMPARE(game->names().size(), 20);
    QCOMPARE(game->size(), QSize(800, 480));
    // The frame is the last area of every level.
    QCOMPARE(game->state().areas.size(), 3);
    QCOMPARE(game->state().areas.last().kind, int(Hazard));
    QCOMPARE(game->state().areas.last().size(), 10);
    QCOMPARE(game->loadLevel(4), 20);
    QCOMPARE(game->names().size(), 20);
    QCOMPARE(game->state().wellsLeft(RedWell), 1);
    QCOMPARE(game->state().wellsLeft(BlueWell), 1);
}

void GameWidgetTest::dragPlacesWell_data()
{
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<int>("kind");

    // -1 means the release was a click and placed nothing.
    QTest::newRow("manhattan 19 is a click") << QPoint(10, 9) << -1;
    QTest::newRow("manhattan 20 is a drag") << QPoint(10, 10) << int(BlueWell);
    QTest::newRow("(+10, -10): a tie is horizontal") << QPoint(10, -10) << int(BlueWell);
    QTest::newRow("(3, 40): vertical") << QPoint(3, 40) << int(RedWell);
    QTest::newRow("leftwards is still blue") << QPoint(-200, 30) << int(BlueWell);
    QTest::newRow("upwards is still red") << QPoint(0, -25) << int(RedWell);
}

void GameWidgetTest::dragPlacesWell()
{
    QFETCH(QPoint, delta);
    QFETCH(int, kind);

    game->loadLevel(4); // one well of each colour
    const QPoint start(400, 240);
    drag(start, start + delta);
    QCOMPARE(game->state().status(), int(Running));
    QVERIFY(!game->isDragging());
    if (kind < 0) {
        QVERIFY(game->state().wells.isEmpty());
        return;
    }
    QCOMPARE(game->state().wells.size(), 1);
    QCOMPARE(game->state().wells.first().kind, kind);
    QCOMPARE(QPointF(game->state().wells.first()), QPointF(start));
    QCOMPARE(game->state().wellsLeft(kind), 0);
}

void GameWidgetTest::exhaustedBudgetPlacesNothing()
{
    game->loadLevel(1); // red 1, blue 0
    drag(QPoint(400, 240), QPoint(460, 240));
    QVERIFY(game->state().wells.isEmpty());
    drag(QPoint(400, 240), QPoint(400, 300));
    QCOMPARE(game->state().wells.size(), 1);
    QCOMPARE(game->state().wells.first().kind, int(RedWell));
}

void GameWidgetTest::clickRemovesWellWithoutRefund()
{
    drag(QPoint(600, 100), QPoint(600, 160));
    QCOMPARE(game->state().wellsLeft(RedWell), 0);
    press(QPoint(605, 105));
    release(QPoint(608, 108));
    QVERIFY(game->state().wells.first().isRemoved());
    QCOMPARE(game->state().wellsLeft(RedWell), 0);
}

void GameWidgetTest::rightClickRestarts_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("paused");

    QTest::newRow("Ready") << int(Ready) << false;
    QTest::newRow("Running") << int(Running) << false;
    QTest::newRow("Running, on the pause screen") << int(Running) << true;
    QTest::newRow("Failed") << int(Failed) << false;
    QTest::newRow("Passed") << int(Passed) << false;
}

void GameWidgetTest::rightClickRestarts()
{
    QFETCH(int, status);
    QFETCH(bool, paused);

    game->loadLevel(7);
    if (status == Running)
        drag(QPoint(400, 240), QPoint(460, 240));
    else if (status == Failed)
        fail();
    else if (status == Passed)
        pass(7);
    if (paused)
        game->togglePause();
    QCOMPARE(game->isPaused(), paused);
    QCOMPARE(game->state().status(), status);
    press(QPoint(400, 240), Qt::RightButton);
    release(QPoint(400, 240), Qt::RightButton);
    QCOMPARE(game->levelNumber(), 7);
    QCOMPARE(game->state().status(), int(Ready));
    QVERIFY(!game->isPaused());
    QCOMPARE(game->attemptTime(), 0u);
    QVERIFY(game->state().wells.isEmpty());
    QCOMPARE(game->state().wellsLeft(BlueWell), 3);
    QCOMPARE(QPointF(game->state().particles.first()), QPointF(99, 230));
    // The restart leaves nothing behind: the next drag sets a well.
    drag(QPoint(400, 240), QPoint(460, 240));
    QCOMPARE(game->state().wells.size(), 1);
}

void GameWidgetTest::leftClickAfterEndAdvances_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("passed");
    QTest::addColumn<int>("next");

    QTest::newRow("pass on 5 loads 6") << 5 << true << 6;
    QTest::newRow("failure on 9 loads 10") << 9 << false << 10;
    QTest::newRow("pass on 20 wraps to 1") << 20 << true << 1;
}

void GameWidgetTest::leftClickAfterEndAdvances()
{
    QFETCH(int, level);
    QFETCH(bool, passed);
    QFETCH(int, next);

    game->loadLevel(level);
    if (passed)
        pass(level);
    else
        fail();
    QCOMPARE(endedHelpLines(), 3);
    // The press of that click is ignored: it begins no drag and leaves mousePos alone.
    PlayerInput::mouse(game, QEvent::MouseMove, Qt::NoButton, Qt::NoButton, QPoint(1, 1));
    PlayerInput::mouse(game, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, QPoint(400, 240));
    QVERIFY(!game->isDragging());
    QCOMPARE(game->pointer(), QPoint(1, 1));
    QCOMPARE(game->levelNumber(), level);
    PlayerInput::mouse(game, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, QPoint(400, 240));
    QCOMPARE(game->levelNumber(), next);
    QCOMPARE(game->state().status(), int(Ready));
}

void GameWidgetTest::arrowKeysWrap_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("next");

    QTest::newRow("left on 1 goes to 20") << 1 << int(Qt::Key_Left) << 20;
    QTest::newRow("left on 2 goes to 1") << 2 << int(Qt::Key_Left) << 1;
    QTest::newRow("right on 20 goes to 1") << 20 << int(Qt::Key_Right) << 1;
    QTest::newRow("right on 11 goes to 12") << 11 << int(Qt::Key_Right) << 12;
}

void GameWidgetTest::arrowKeysWrap()
{
    QFETCH(int, level);
    QFETCH(int, key);
    QFETCH(int, next);

    game->loadLevel(level);
    // Level keys act on release, and also while the table is shown.
    game->displayHighScores();
    QTest::keyPress(game, Qt::Key(key));
    QCOMPARE(game->levelNumber(), level);
    QTest::keyRelease(game, Qt::Key(key));
    QCOMPARE(game->levelNumber(), next);
}

void GameWidgetTest::timeCountsOnlyWhileRunning()
{
    tick(5);
    QCOMPARE(game->attemptTime(), 0u);
    // Every running tick counts 10 ms, but not the tick of the pass.
    PlayerInput::start(game);
    tick(7);
    QCOMPARE(game->attemptTime(), 70u);
    const Replay solution = LevelCatalogue::solution(1);
    for (const Replay::Action &action : solution.actions)
        PlayerInput::perform(game, action);
    quint32 before = 0;
    while (game->state().status() == Running) {
        before = game->attemptTime();
        tick();
    }
    QCOMPARE(game->state().status(), int(Passed));
    QCOMPARE(game->attemptTime(), before);
    QCOMPARE(game->attemptTime(), solution.time + 70);
    tick(3);
    QCOMPARE(game->attemptTime(), solution.time + 70);
    // The table over a running level does not stop the clock.
    game->loadLevel(2);
    press(QPoint(400, 240));
    QTest::keyPress(game, Qt::Key_Tab);
    QVERIFY(game->showsHighScores());
    tick(4);
    QCOMPARE(game->attemptTime(), 40u);
}

void GameWidgetTest::tickUsesTimerInterval()
{
    frameTimer.setInterval(20);
    press(QPoint(400, 240));
    tick(3);
    QCOMPARE(game->attemptTime(), 60u);
    // Without a timer behind the call, a tick is one 10 ms frame.
    game->animate();
    QCOMPARE(game->attemptTime(), 70u);
}

void GameWidgetTest::levelEndClearsDragButReleaseCompletesIt()
{
    game->loadLevel(4); // one well of each colour
    // A blue well on the blue particle fails the level on the next tick, mid-drag.
    drag(QPoint(130, 360), QPoint(170, 360));
    press(QPoint(100, 200));
    QVERIFY(game->isDragging());
    tick();
    QCOMPARE(game->state().status(), int(Failed));
    QVERIFY(!game->isDragging());
    // A middle release completes the drag from the old press point, even after the end.
    QTest::mouseRelease(game, Qt::MiddleButton, Qt::NoModifier, QPoint(100, 260));
    QCOMPARE(game->state().wells.size(), 2);
    QCOMPARE(QPointF(game->state().wells.last()), QPointF(100, 200));
    QCOMPARE(game->state().wells.last().kind, int(RedWell));
}

void GameWidgetTest::doubleClickStartsNoDrag()
{
    game->loadLevel(4);
    press(QPoint(100, 100));
    // The double-click event reaches mousePressEvent too; it must not begin a drag of its own.
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(300, 100), QPointF(300, 100),
                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(game, &doubleClick);
    QCOMPARE(game->pointer(), QPoint(300, 100));
    release(QPoint(300, 100));
    QCOMPARE(game->state().wells.size(), 1);
    QCOMPARE(QPointF(game->state().wells.first()), QPointF(100, 100));
}

void GameWidgetTest::dragFromBeforeTheLevelPlacesNoWell_data()
{
    QTest::addColumn<int>("button");

    QTest::newRow("left release after an arrow key") << int(Qt::LeftButton);
    QTest::newRow("middle release after an arrow key") << int(Qt::MiddleButton);
}

void GameWidgetTest::dragFromBeforeTheLevelPlacesNoWell()
{
    // A press on one level and a release on the next, still Ready: the well would move the
    // particles while the clock stands still, a free head start.
    QFETCH(int, button);

    game->loadLevel(3);
    press(QPoint(300, 200));
    QTest::keyClick(game, Qt::Key_Right);
    QCOMPARE(game->state().status(), int(Ready));
    QTest::mouseRelease(game, Qt::MouseButton(button), Qt::NoModifier, QPoint(300, 300));
    QVERIFY(game->state().wells.isEmpty());
    QCOMPARE(game->state().wellsLeft(RedWell), 1);
    QVERIFY(!game->isDragging());
    tick(10);
    QCOMPARE(QPointF(game->state().particles.first()), QPointF(130, 360));
}

void GameWidgetTest::highScoreTableBlocksMouse()
{
    game->displayHighScores();
    QVERIFY(game->showsHighScores());
    drag(QPoint(400, 240), QPoint(400, 300));
    QCOMPARE(game->state().status(), int(Ready));
    QVERIFY(game->state().wells.isEmpty());
    // The release still moves the pointer.
    QCOMPARE(game->pointer(), QPoint(400, 300));
    press(QPoint(400, 240), Qt::RightButton);
    release(QPoint(400, 240), Qt::RightButton);
    QCOMPARE(game->levelNumber(), 1);
    game->displayHighScores();
    QVERIFY(!game->showsHighScores());
    QTest::keyPress(game, Qt::Key_Tab);
    QVERIFY(game->showsHighScores());
    QTest::keyRelease(game, Qt::Key_Tab);
    QVERIFY(!game->showsHighScores());
}

void GameWidgetTest::pauseStopsTheClock_data()
{
    QTest::addColumn<bool>("watched");
    QTest::addColumn<bool>("byClick");

    QTest::newRow("played, on again with P") << false << false;
    QTest::newRow("played, on again with a click that does nothing else") << false << true;
    QTest::newRow("a watched solution, on again with P") << true << false;
    QTest::newRow("a watched solution, on again with a click that stops nothing") << true << true;
}

void GameWidgetTest::pauseStopsTheClock()
{
    // A pause that let the clock or the level move would cost the player time or give a free look.
    QFETCH(bool, watched);
    QFETCH(bool, byClick);

    QSignalSpy paused(game, &GameWidget::pausedChanged);
    game->loadLevel(1);
    // Only a running level pauses.
    QTest::keyClick(game, Qt::Key_P);
    QVERIFY(!game->isPaused());
    const Replay solution = LevelCatalogue::solution(1);
    if (watched)
        game->showSolution();
    else
        PlayerInput::perform(game, solution.actions.first());
    tick(30);
    const quint32 before = game->attemptTime();
    const QPointF at = game->state().particles.first();
    QCOMPARE(paused.count(), 1);
    QCOMPARE(paused.takeLast().at(0).toBool(), false);
    QTest::keyClick(game, Qt::Key_P);
    QVERIFY(game->isPaused());
    QCOMPARE(paused.count(), 1);
    QCOMPARE(paused.takeLast().at(0).toBool(), true);
    tick(100);
    QCOMPARE(game->attemptTime(), before);
    QCOMPARE(QPointF(game->state().particles.first()), at);
    if (byClick) {
        // On the well: a click that removed it would fail the attempt.
        press(solution.actions.first().press());
        release(solution.actions.first().press());
        QVERIFY(!game->state().wells.first().isRemoved());
    } else {
        QTest::keyClick(game, Qt::Key_P);
    }
    QVERIFY(!game->isPaused());
    QCOMPARE(paused.count(), 1);
    QCOMPARE(paused.takeLast().at(0).toBool(), false);
    QCOMPARE(game->isWatching(), watched);
    while (game->state().status() == Running)
        tick();
    QCOMPARE(game->state().status(), int(Passed));
    QCOMPARE(game->attemptTime(), solution.time);
}

void GameWidgetTest::escapeEmitsExitOnce_data()
{
    QTest::addColumn<bool>("pressedHere");
    QTest::addColumn<int>("exits");

    QTest::newRow("pressed and released here: quits on the release") << true << 1;
    // The Escape that closed a dialog over the game: its release alone comes here.
    QTest::newRow("only released here: the running level stays") << false << 0;
}

void GameWidgetTest::escapeEmitsExitOnce()
{
    QFETCH(bool, pressedHere);
    QFETCH(int, exits);

    QSignalSpy exited(game, &GameWidget::exit);
    if (pressedHere)
        QTest::keyPress(game, Qt::Key_Escape);
    QCOMPARE(exited.count(), 0);
    QTest::keyRelease(game, Qt::Key_Escape);
    QCOMPARE(exited.count(), exits);
    // A second release, with no press before it, is no wish to quit either.
    QTest::keyRelease(game, Qt::Key_Escape);
    QCOMPARE(exited.count(), exits);
}

void GameWidgetTest::recordRule_data()
{
    QTest::addColumn<bool>("fromFile");
    QTest::addColumn<quint32>("best");
    QTest::addColumn<bool>("record");

    // Level 1's solution passes it in 2680 ms. A level from a file keeps its record in
    // level-records.txt and its run as a level file, by the same rule.
    for (const bool fromFile : {false, true}) {
        const char *where = fromFile ? "a file level: " : "built in: ";
        QTest::addRow("%sfirst pass is a record", where) << fromFile << 0u << true;
        QTest::addRow("%sequal time is not", where) << fromFile << 2680u << false;
        QTest::addRow("%sone tick faster is", where) << fromFile << 2690u << true;
        QTest::addRow("%sslower is not", where) << fromFile << 2670u << false;
    }
}

void GameWidgetTest::recordRule()
{
    // A record keeps the run that set it; a pass that is none leaves the time and the kept run
    // alone, in memory and on disk.
    QFETCH(bool, fromFile);
    QFETCH(quint32, best);
    QFETCH(bool, record);

    Level level = LevelCatalogue::level(1);
    level.number = fromFile ? 0 : 1;
    const QString key = level.fingerprint();
    const QString kept = fromFile ? QStringLiteral("replays/%1.swirl").arg(key) : QStringLiteral("replays/level-01.txt");
    const QByteArray keptBefore = fromFile ? "swirlfall-level 1\nname Pull\nwells red 1 blue 0\nparticle red 150 200\n"
                                             "solution " + QByteArray::number(best) + '\n'
                                           : "# level 1 time " + QByteArray::number(best) + '\n';
    const auto saved = [&] {
        return fromFile ? LevelRecords::load(QStringLiteral("level-records.txt")).value(key)
                        : ScoreStore::load(QStringLiteral("scores.dat"), 20).at(0);
    };
    if (best != 0) {
        if (fromFile)
            QVERIFY(AtomicWriter::write(QStringLiteral("level-records.txt"), key.toLatin1() + ' ' + QByteArray::number(best)));
        else
            restartWithBest(best);
        QVERIFY(QDir().mkpath(QStringLiteral("replays")) && AtomicWriter::write(kept, keptBefore));
    }
    game->playLevel(level);
    PlayerInput::play(game, LevelCatalogue::solution(1));
    QCOMPARE(game->state().status(), int(Passed));
    const quint32 now = record ? 2680u : best;
    QCOMPARE(game->hasNewRecord(), record);
    QCOMPARE(game->bestTime(), now);
    QCOMPARE(saved(), now);
    QFile run(kept);
    QVERIFY(run.open(QIODevice::ReadOnly));
    if (record) {
        Level played;
        QString error;
        QVERIFY2(LevelCatalogue::readPlayback(kept, &played, &error), qPrintable(error));
        QVERIFY(played.playsLike(level));
        const ProofCheck check = ProofCheck::of(played);
        QVERIFY2(check.holds() && check.time == now, qPrintable(check.text()));
    } else {
        QCOMPARE(run.readAll(), keptBefore);
    }
    // The flag stays up while the overlay shows it, and only the next load clears it.
    tick(5);
    QCOMPARE(game->hasNewRecord(), record);
    game->playLevel(level);
    QVERIFY(!game->hasNewRecord());
    QCOMPARE(game->bestTime(), now);
}

void GameWidgetTest::recordWritesFileBytes()
{
    restartWithBest(5000);
    pass(3);
    QCOMPARE(game->attemptTime(), 1890u);
    const QByteArray bytes = scoreBytes();
    QCOMPARE(bytes.size(), 84);
    QCOMPARE(bytes.mid(0, 4), QByteArray("\x88\x13\x00\x00", 4));
    QCOMPARE(bytes.mid(8, 4), QByteArray("\x62\x07\x00\x00", 4));
    const quint32 sum = 5000 + 1890;
    QCOMPARE(bytes.mid(80, 4), QByteArray(reinterpret_cast<const char *>(&sum), 4));
    QCOMPARE(QDir::current().entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("scores.dat")});
}

void GameWidgetTest::zeroTimeIsNoRecordOnDisk()
{
    // A particle that starts in its goal passes on the very first running tick: 0 ms is stored,
    // and reads back as no time, so the next pass is a record again.
    Level home = LevelCatalogue::level(1);
    home.particles = {{RedParticle, 590, 330}};
    for (int attempt = 0; attempt < 2; ++attempt) {
        game->playLevel(home);
        PlayerInput::start(game);
        tick();
        QCOMPARE(game->state().status(), int(Passed));
        QVERIFY(game->hasNewRecord());
        QCOMPARE(game->bestTimes().at(0), 0u);
    }
}

void GameWidgetTest::fileLevelKeepsItsRecordApart()
{
    // A level from a file has no place in the 84 bytes of scores.dat; its record is kept by
    // what is played, so a renamed copy shares it and a changed one starts afresh.
    Level level = LevelCatalogue::level(1);
    level.number = 0;
    level.name = QStringLiteral("Pull, shared");
    game->playLevel(level);
    PlayerInput::play(game, LevelCatalogue::solution(1));
    QVERIFY(game->hasNewRecord());
    QCOMPARE(game->bestTime(), 2680u);
    QVERIFY(!QFile::exists(QStringLiteral("scores.dat")));
    QCOMPARE(game->bestTimes().at(0), 0u);
    // A left click after the end plays it again, not level 2, and the help says so.
    QCOMPARE(endedHelpLines(), 2);
    press(QPoint(400, 240));
    release(QPoint(400, 240));
    QCOMPARE(game->state().status(), int(Ready));
    QCOMPARE(game->level().name, level.name);

    GameWidget reopened;
    level.name = QStringLiteral("Renamed");
    reopened.playLevel(level);
    QCOMPARE(reopened.bestTime(), 2680u);
    level.particles[0].x += 1;
    reopened.playLevel(level);
    QCOMPARE(reopened.bestTime(), 0u);
}

void GameWidgetTest::startupReadsScores()
{
    QList<quint32> times;
    for (quint32 i = 1; i <= 20; ++i)
        times.append(i * 100);
    QVERIFY(ScoreStore::save(QStringLiteral("scores.dat"), times));
    GameWidget restarted;
    QCOMPARE(restarted.bestTimes(), times);
}

void GameWidgetTest::failedSaveKeepsPlaying_data()
{
    QTest::addColumn<bool>("fileLevel");
    QTest::addColumn<QString>("scores");
    QTest::addColumn<QString>("blocked");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<bool>("runKept");
    QTest::addColumn<QStringList>("said");
    QTest::addColumn<bool>("timeKept");

    // A folder where a file would go, or a file where the records' folder would go: the
    // record's time or its run cannot be written. Each failure is said on standard error, and
    // only a run really kept can be watched.
    const QString scoresHere = QStringLiteral("scores.dat");
    const QString record = QStringLiteral("swirlfall: the record could not be saved in ");
    const QString run = QStringLiteral("swirlfall: the run that set this record could not be kept in ");
    // A folder named scores.dat is said once, as the game starts, and the game plays.
    QTest::newRow("scores.dat a folder: the run is kept, the time stays for the session")
        << false << scoresHere << "scores.dat/" << QStringList{"replays", "scores.dat"} << true
        << QStringList{"swirlfall: scores.dat: a folder, not a file for best times; "} << false;
    QTest::newRow("the run: the time is saved all the same")
        << false << scoresHere << "replays/level-01.txt/" << QStringList{"replays", "scores.dat"} << false
        << QStringList{run + "./replays/level-01.txt: "} << true;
    QTest::newRow("the records' folder cannot be made: nothing is kept")
        << false << "records/scores.dat" << "records" << QStringList{"records"} << false
        << QStringList{run + "records/replays/level-01.txt: ", record + "records/scores.dat: "} << false;
    QTest::newRow("a file level's records: its run is kept")
        << true << scoresHere << "level-records.txt/" << QStringList{"level-records.txt", "replays"} << true
        << QStringList{record + "./level-records.txt: "} << false;
}

void GameWidgetTest::failedSaveKeepsPlaying()
{
    QFETCH(bool, fileLevel);
    QFETCH(QString, scores);
    QFETCH(QString, blocked);
    QFETCH(QStringList, left);
    QFETCH(bool, runKept);
    QFETCH(QStringList, said);
    QFETCH(bool, timeKept);

    if (blocked.endsWith(QLatin1Char('/')))
        QVERIFY(QDir::current().mkpath(blocked));
    else
        QVERIFY(AtomicWriter::write(blocked, "a file"));
    delete game;
    CapturedMessages stderrLines;
    game = new GameWidget(nullptr, scores);
    game->show();
    Level level = LevelCatalogue::level(1);
    level.number = fileLevel ? 0 : 1;
    game->playLevel(level);
    QSignalSpy runs(game, &GameWidget::bestRunChanged);
    PlayerInput::play(game, LevelCatalogue::solution(1));
    const QString printed = stderrLines.text();
    QVERIFY(game->hasNewRecord());
    // The end says whether the record is kept, not only standard error.
    QCOMPARE(game->isRecordKept(), timeKept);
    QCOMPARE(game->bestTime(), 2680u);
    QCOMPARE(QDir::current().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), left);
    QCOMPARE(ScoreStore::load(QStringLiteral("scores.dat"), 20).at(0), !fileLevel && left.contains("replays") && blocked != "scores.dat/" ? 2680u : 0u);
    QCOMPARE(game->hasBestRun(), runKept);
    QCOMPARE(runs.count(), 1);
    QCOMPARE(runs.first().at(0).toBool(), runKept);
    QCOMPARE(printed.count(QLatin1Char('\n')), said.size());
    // Each line names the file and, after it, the reason.
    for (const QString &line : said) {
        const int at = int(printed.indexOf(line));
        QVERIFY2(at >= 0 && printed.at(at + line.size()) != QLatin1Char('\n'), qPrintable(printed));
    }
    press(QPoint(400, 240));
    release(QPoint(400, 240));
    QCOMPARE(game->state().status(), int(Ready));
}

void GameWidgetTest::aKeptRunThatIsNoneIsNotPlayed_data()
{
    QTest::addColumn<QByteArray>("kept");
    QTest::addColumn<QString>("said");

    // Anyone may have changed the file: W plays nothing of it, and says why.
    QTest::newRow("not a replay") << QByteArray("# level 1 time 2680\nnonsense\n")
                                  << "swirlfall: ./replays/level-01.txt: line 2: not an action: nonsense\n";
    QTest::newRow("a run of another level") << QByteArray("# level 2 time 1960\n0 well 300 200 1\n")
                                            << "swirlfall: ./replays/level-01.txt: not a run of this level\n";
}

void GameWidgetTest::aKeptRunThatIsNoneIsNotPlayed()
{
    QFETCH(QByteArray, kept);
    QFETCH(QString, said);

    QVERIFY(QDir().mkpath(QStringLiteral("replays")));
    QVERIFY(AtomicWriter::write(QStringLiteral("replays/level-01.txt"), kept));
    game->loadLevel(1);
    QVERIFY(game->hasBestRun());
    CapturedMessages printed;
    game->watchBestRun();
    QCOMPARE(printed.text(), said);
    QVERIFY(!game->isWatching());
    QCOMPARE(game->state().status(), int(Ready));
}

void GameWidgetTest::destroyingWritesNothing()
{
    const QByteArray old = QByteArray(84, '\x07');
    {
        QFile file(QStringLiteral("scores.dat"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(old);
    }
    {
        GameWidget other;
        other.loadLevel(5);
        drag(QPoint(400, 240), QPoint(400, 300));
    }
    delete game;
    game = nullptr;
    QCOMPARE(scoreBytes(), old);
}

void GameWidgetTest::twoGamesOnOneFile_data()
{
    QTest::addColumn<bool>("fromFile");
    QTest::addColumn<int>("firstLevel");
    QTest::addColumn<int>("firstDelay");
    QTest::addColumn<int>("secondDelay");
    QTest::addColumn<bool>("secondRecord");
    QTest::addColumn<QList<quint32>>("file");

    // The first game passes its level while the second, opened before, waits; then the second
    // passes level 1, its solution (2680 ms) delayed by some ticks of 10 ms. Played from files,
    // the levels keep their records in level-records.txt, merged alike.
    QList<quint32> none;
    for (int level = 1; level <= 20; ++level)
        none.append(0);
    QList<quint32> first = none;
    first[0] = 2680;
    QList<quint32> both = none;
    both[1] = 1960;
    both[0] = 3180;
    for (const bool fromFile : {false, true}) {
        const char *where = fromFile ? "file levels: " : "built in: ";
        QTest::addRow("%sslower on the same level: no record, the file keeps 2680", where)
            << fromFile << 1 << 0 << 50 << false << first;
        QTest::addRow("%sequal on the same level: no record", where) << fromFile << 1 << 0 << 0 << false << first;
        QTest::addRow("%sfaster on the same level: a record", where) << fromFile << 1 << 30 << 0 << true << first;
        QTest::addRow("%sanother level: its record keeps the first game's", where)
            << fromFile << 2 << 0 << 50 << true << both;
    }
}

void GameWidgetTest::twoGamesOnOneFile()
{
    // Each game read the file when it opened. A record judged and saved from that copy alone
    // wrote back what the other game had improved since.
    QFETCH(bool, fromFile);
    QFETCH(int, firstLevel);
    QFETCH(int, firstDelay);
    QFETCH(int, secondDelay);
    QFETCH(bool, secondRecord);
    QFETCH(QList<quint32>, file);

    const auto play = [fromFile](int number) {
        Level level = LevelCatalogue::level(number);
        level.number = fromFile ? 0 : number;
        return level;
    };
    GameWidget second;
    game->playLevel(play(firstLevel));
    PlayerInput::play(game, LevelCatalogue::solution(firstLevel), firstDelay);
    QVERIFY(game->hasNewRecord());
    second.playLevel(play(1));
    PlayerInput::play(&second, LevelCatalogue::solution(1), secondDelay);
    QCOMPARE(second.hasNewRecord(), secondRecord);
    QList<quint32> onDisk = ScoreStore::load(QStringLiteral("scores.dat"), 20);
    if (fromFile) {
        const QMap<QString, quint32> records = LevelRecords::load(QStringLiteral("level-records.txt"));
        for (int level = 1; level <= 20; ++level)
            onDisk[level - 1] = records.value(play(level).fingerprint());
    }
    QCOMPARE(onDisk, file);
    QCOMPARE(second.bestTime(), file.at(0));
    second.playLevel(play(2));
    QCOMPARE(second.bestTime(), file.at(1));
}

void GameWidgetTest::soundsOfPlay_data()
{
    QTest::addColumn<QString>("play");
    QTest::addColumn<QString>("heard");

    QTest::newRow("level 1 passed first: its well, the record") << "pass" << "red record";
    QTest::newRow("passed again, slower: no record") << "pass pass-slower" << "red record red passed";
    QTest::newRow("a well on a particle: failed, and nothing for the well it hit") << "fail" << "red failed";
    QTest::newRow("a well set and clicked away") << "set remove" << "red removed";
    QTest::newRow("level 4: a blue well, then a red one") << "level4 set-blue set" << "blue red";
    QTest::newRow("a well set, then a restart: nothing for the restart") << "set restart" << "red";
    QTest::newRow("the solution watched: as played, never a record") << "watch" << "red passed";
    QTest::newRow("three home in one tick: one sound") << "burst" << "home";
    QTest::newRow("paused while watching: nothing until it goes on") << "watch-paused" << "red";
}

void GameWidgetTest::soundsOfPlay()
{
    QFETCH(QString, play);
    QFETCH(QString, heard);

    const QStringList names{"red", "blue", "removed", "home", "failed", "passed", "record"};
    QStringList said;
    connect(game, &GameWidget::sounded, this, [&](Sound sound) { said.append(names.at(int(sound))); });
    for (const QString &step : play.split(QLatin1Char(' '))) {
        if (step == QLatin1String("pass"))
            pass(1);
        if (step == QLatin1String("pass-slower"))
            pass(1, 5);
        if (step == QLatin1String("fail"))
            fail();
        if (step == QLatin1String("set"))
            drag(QPoint(600, 100), QPoint(600, 160));
        if (step == QLatin1String("level4"))
            game->loadLevel(4);
        if (step == QLatin1String("set-blue"))
            drag(QPoint(600, 100), QPoint(660, 100));
        if (step == QLatin1String("remove"))
            drag(QPoint(605, 105), QPoint(605, 105));
        if (step == QLatin1String("restart"))
            drag(QPoint(300, 300), QPoint(300, 300));
        if (step == QLatin1String("restart"))
            QTest::mouseClick(game, Qt::RightButton, Qt::NoModifier, QPoint(300, 300));
        if (step.startsWith(QLatin1String("watch"))) {
            game->showSolution();
            tick(5);
            if (step.endsWith(QLatin1String("paused")))
                QTest::keyClick(game, Qt::Key_P);
            tick(1000);
        }
        if (step == QLatin1String("burst")) {
            // Three particles in their goal from the start, one far from it.
            Level level;
            level.areas.append({RedGoal, QPolygon(QRect(100, 100, 100, 100))});
            for (const int y : {120, 150, 180})
                level.particles.append({RedParticle, 150, y});
            level.particles.append({RedParticle, 600, 400});
            game->playLevel(level);
            press(QPoint(400, 300));
            tick(3);
        }
    }
    tick();
    QCOMPARE(said.join(QLatin1Char(' ')), heard);
}

void GameWidgetTest::hintsShowTheProofsWells_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("taken");
    // The newest well shown: where, its kind, its tick and the tick it is taken away at (-1 never).
    QTest::addColumn<QString>("newest");
    QTest::addColumn<QString>("said");

    // Level 14's solution sets a red well at the start and takes it away at tick 149, sets one at 119
    // and takes it away at 331, then one at 319. H a hint, W a well set, R a right click, S the
    // solution watched, > the next level, F level 14 from a file without its proof, P a pass.
    QTest::newRow("the first well, and when it is taken away") << "H" << 1 << 1 << "763 41 0 0 149" << "";
    QTest::newRow("the next, with the first") << "HH" << 2 << 2 << "730 358 0 119 331" << "";
    QTest::newRow("the one after, kept to the end") << "HHH" << 3 << 3 << "4 0 0 319 -1" << "";
    QTest::newRow("every well shown: shown again, said, no more taken") << "HHHH" << 3 << 3 << "4 0 0 319 -1" << "The proof sets no more wells";
    QTest::newRow("a well set: the marks go, the hint stays taken") << "HW" << 0 << 1 << "" << "";
    QTest::newRow("a restart hides them, keeps the count: the next hint shows both") << "HRH" << 2 << 2 << "730 358 0 119 331" << "";
    QTest::newRow("a watched run takes none") << "HSH" << 0 << 1 << "" << "Playing the solution: [Mouse click] or [any key] to stop it.";
    QTest::newRow("another level: counted afresh") << "HH>H" << 1 << 1 << "137 0 0 0 104" << "";
    QTest::newRow("no proof: said, nothing taken") << "FH" << 0 << 0 << "" << "This level has no proof to hint from";
    QTest::newRow("passed after two hints: a pass, a record, said so") << "HHP" << 0 << 2 << "" << "";
    QTest::newRow("a restart after that pass: said no more, still taken") << "HHPR" << 0 << 2 << "" << "";
}

void GameWidgetTest::hintsShowTheProofsWells()
{
    QFETCH(QString, steps);
    QFETCH(int, shown);
    QFETCH(int, taken);
    QFETCH(QString, newest);
    QFETCH(QString, said);

    Level file = LevelCatalogue::level(14);
    file.number = 0;
    game->loadLevel(14);
    for (const QChar step : steps) {
        if (step == QLatin1Char('H'))
            game->showHint();
        if (step == QLatin1Char('W'))
            drag(QPoint(400, 240), QPoint(400, 300));
        if (step == QLatin1Char('R'))
            QTest::mouseClick(game, Qt::RightButton, Qt::NoModifier, QPoint(300, 300));
        if (step == QLatin1Char('S'))
            game->showSolution();
        if (step == QLatin1Char('>'))
            QTest::keyClick(game, Qt::Key_Right);
        if (step == QLatin1Char('F'))
            game->playLevel(file);
        if (step == QLatin1Char('P'))
            PlayerInput::play(game, LevelCatalogue::solution(14));
    }
    const QList<Scene::Hint> marks = game->shownHints();
    QCOMPARE(marks.size(), shown);
    QCOMPARE(game->hintsTaken(), taken);
    const Scene::Hint last = marks.value(shown - 1);
    QCOMPARE(shown ? QStringLiteral("%1 %2 %3 %4 %5").arg(last.at.x()).arg(last.at.y()).arg(last.kind).arg(last.tick).arg(last.takenAt.value_or(-1)) : QString(), newest);
    QCOMPARE(game->stripNote(), said);
    QCOMPARE(game->endNote(), steps.endsWith(QLatin1Char('P')) ? QStringLiteral("Passed with 2 hints") : QString());
    QCOMPARE(game->hasNewRecord(), steps.endsWith(QLatin1Char('P')));
}

QTEST_MAIN(GameWidgetTest)
#include "tst_gamewidget.moc"
