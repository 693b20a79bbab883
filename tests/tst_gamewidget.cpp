// Guards what a player feels of the game widget: which well a drag sets and where, clicks that
// remove or refund, restarts and level switches, time counted outside Running or on the pass
// tick, the record rule, and "scores.dat" lost or left untouched.
#include "game/GameWidget.h"
#include "game/ScoreStore.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

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
    void escapeEmitsExitOnce();
    void recordRule_data();
    void recordRule();
    void recordWritesFileBytes();
    void zeroTimeIsNoRecordOnDisk();
    void startupReadsScores();
    void failedSaveKeepsPlaying();
    void destroyingWritesNothing();
    void twoGamesOnOneFile_data();
    void twoGamesOnOneFile();

private:
    void tick(int n = 1);
    void press(const QPoint &at, Qt::MouseButton button = Qt::LeftButton);
    void release(const QPoint &at, Qt::MouseButton button = Qt::LeftButton);
    void drag(const QPoint &from, const QPoint &to);
    void setUpPassableLevel(GameWidget *widget);
    void passAfter(int runningTicks, GameWidget *widget = nullptr);
    void fail();
    QByteArray scoreBytes() const;

    QTemporaryDir *dir = nullptr;
    QString oldCurrent;
    GameWidget *game = nullptr;
    QTimer frameTimer;
};

void GameWidgetTest::init()
{
    // Every test runs in a fresh working directory: "scores.dat" lives there.
    dir = new QTemporaryDir;
    oldCurrent = QDir::currentPath();
    QDir::setCurrent(dir->path());
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
    QDir::setCurrent(oldCurrent);
    delete dir;
    dir = nullptr;
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

// A running level with one red particle that the test brings home when it likes.
void GameWidgetTest::setUpPassableLevel(GameWidget *widget)
{
    widget->levelState = LevelState(0, 0);
    widget->levelState.addParticle(RedParticle, 100, 100);
    widget->levelState.addArea(RedGoal, QPolygon(QRect(300, 300, 40, 40)));
    widget->levelState.start();
}

// On the test's game the ticks come from its frame timer; another widget ticks directly.
void GameWidgetTest::passAfter(int runningTicks, GameWidget *widget)
{
    GameWidget *on = widget ? widget : game;
    const auto tickOn = [&](int n) {
        for (int i = 0; i < n; ++i)
            on == game ? tick() : on->animate();
    };
    setUpPassableLevel(on);
    tickOn(runningTicks);
    on->levelState.particles[0].setX(320);
    on->levelState.particles[0].setY(320);
    tickOn(1);
    QCOMPARE(on->levelState.status(), int(Passed));
}

void GameWidgetTest::fail()
{
    game->levelState.addParticle(BlueParticle, 10, 10);
    tick();
    QCOMPARE(game->levelState.status(), int(Failed));
}

QByteArray GameWidgetTest::scoreBytes() const
{
    QFile file(QStringLiteral("scores.dat"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void GameWidgetTest::startsOnLevelOne()
{
    QCOMPARE(game->levelState.status(), int(Ready));
    QCOMPARE(game->currentLevel, 1);
    QCOMPARE(game->levelCount, 20);
    QCOMPARE(game->bestTimes.size(), 20);
    QCOMPARE(game->levelNames.size(), 20);
    QCOMPARE(game->size(), QSize(800, 480));
    // The frame is the last area of every level.
    QCOMPARE(game->levelState.areas.size(), 3);
    QCOMPARE(game->levelState.areas.last().kind, int(Hazard));
    QCOMPARE(game->levelState.areas.last().size(), 10);
    game->loadLevel(4);
    QCOMPARE(game->levelNames.size(), 20);
    QCOMPARE(game->levelState.wellsLeft(RedWell), 1);
    QCOMPARE(game->levelState.wellsLeft(BlueWell), 1);
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
    QCOMPARE(game->levelState.status(), int(Running));
    QVERIFY(!game->dragging);
    if (kind < 0) {
        QVERIFY(game->levelState.wells.isEmpty());
        return;
    }
    QCOMPARE(game->levelState.wells.size(), 1);
    QCOMPARE(game->levelState.wells.first().kind, kind);
    QCOMPARE(QPointF(game->levelState.wells.first()), QPointF(start));
    QCOMPARE(game->levelState.wellsLeft(kind), 0);
}

void GameWidgetTest::exhaustedBudgetPlacesNothing()
{
    game->loadLevel(1); // red 1, blue 0
    drag(QPoint(400, 240), QPoint(460, 240));
    QVERIFY(game->levelState.wells.isEmpty());
    drag(QPoint(400, 240), QPoint(400, 300));
    QCOMPARE(game->levelState.wells.size(), 1);
    QCOMPARE(game->levelState.wells.first().kind, int(RedWell));
}

void GameWidgetTest::clickRemovesWellWithoutRefund()
{
    drag(QPoint(600, 100), QPoint(600, 160));
    QCOMPARE(game->levelState.wellsLeft(RedWell), 0);
    press(QPoint(605, 105));
    release(QPoint(608, 108));
    QVERIFY(game->levelState.wells.first().isRemoved());
    QCOMPARE(game->levelState.wellsLeft(RedWell), 0);
}

void GameWidgetTest::rightClickRestarts_data()
{
    QTest::addColumn<int>("status");

    QTest::newRow("Ready") << int(Ready);
    QTest::newRow("Running") << int(Running);
    QTest::newRow("Failed") << int(Failed);
    QTest::newRow("Passed") << int(Passed);
}

void GameWidgetTest::rightClickRestarts()
{
    QFETCH(int, status);

    game->loadLevel(7);
    if (status == Running)
        drag(QPoint(400, 240), QPoint(460, 240));
    else if (status == Failed)
        fail();
    else if (status == Passed)
        passAfter(3);
    QCOMPARE(game->levelState.status(), status);
    press(QPoint(400, 240), Qt::RightButton);
    release(QPoint(400, 240), Qt::RightButton);
    QCOMPARE(game->currentLevel, 7);
    QCOMPARE(game->levelState.status(), int(Ready));
    QCOMPARE(game->totalTime, 0u);
    QVERIFY(game->levelState.wells.isEmpty());
    QCOMPARE(game->levelState.wellsLeft(BlueWell), 3);
    QCOMPARE(QPointF(game->levelState.particles.first()), QPointF(99, 230));
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
        passAfter(1);
    else
        fail();
    // The press of that click is ignored: it begins no drag and leaves mousePos alone.
    game->mousePos = QPoint(1, 1);
    press(QPoint(400, 240));
    QVERIFY(!game->dragging);
    QCOMPARE(game->mousePos, QPoint(1, 1));
    QCOMPARE(game->currentLevel, level);
    release(QPoint(400, 240));
    QCOMPARE(game->currentLevel, next);
    QCOMPARE(game->levelState.status(), int(Ready));
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
    game->showHighScores = true;
    QTest::keyPress(game, Qt::Key(key));
    QCOMPARE(game->currentLevel, level);
    QTest::keyRelease(game, Qt::Key(key));
    QCOMPARE(game->currentLevel, next);
}

void GameWidgetTest::timeCountsOnlyWhileRunning()
{
    tick(5);
    QCOMPARE(game->totalTime, 0u);
    // A pass after n running ticks takes 10n ms: the tick of the pass is not counted.
    passAfter(7);
    QCOMPARE(game->totalTime, 70u);
    tick(3);
    QCOMPARE(game->totalTime, 70u);
    // The table over a running level does not stop the clock.
    game->loadLevel(2);
    press(QPoint(400, 240));
    QTest::keyPress(game, Qt::Key_Tab);
    QVERIFY(game->showHighScores);
    tick(4);
    QCOMPARE(game->totalTime, 40u);
}

void GameWidgetTest::tickUsesTimerInterval()
{
    frameTimer.setInterval(20);
    press(QPoint(400, 240));
    tick(3);
    QCOMPARE(game->totalTime, 60u);
    // Without a timer behind the call, a tick is one 10 ms frame.
    game->animate();
    QCOMPARE(game->totalTime, 70u);
}

void GameWidgetTest::levelEndClearsDragButReleaseCompletesIt()
{
    game->loadLevel(4);
    game->levelState.addParticle(BlueParticle, 400, 240);
    game->levelState.addArea(Hazard, QPolygon(QRect(390, 230, 20, 20)));
    press(QPoint(100, 200));
    QVERIFY(game->dragging);
    tick();
    QCOMPARE(game->levelState.status(), int(Failed));
    QVERIFY(!game->dragging);
    // A middle release completes the drag from the old press point, even after the end.
    QTest::mouseRelease(game, Qt::MiddleButton, Qt::NoModifier, QPoint(100, 260));
    QCOMPARE(game->levelState.wells.size(), 1);
    QCOMPARE(QPointF(game->levelState.wells.first()), QPointF(100, 200));
    QCOMPARE(game->levelState.wells.first().kind, int(RedWell));
}

void GameWidgetTest::doubleClickStartsNoDrag()
{
    game->loadLevel(4);
    press(QPoint(100, 100));
    // The double-click event reaches mousePressEvent too; it must not begin a drag of its own.
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(300, 100), QPointF(300, 100),
                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(game, &doubleClick);
    QCOMPARE(game->dragStart, QPoint(100, 100));
    QCOMPARE(game->mousePos, QPoint(300, 100));
    release(QPoint(300, 100));
    QCOMPARE(game->levelState.wells.size(), 1);
    QCOMPARE(QPointF(game->levelState.wells.first()), QPointF(100, 100));
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
    QCOMPARE(game->levelState.status(), int(Ready));
    QTest::mouseRelease(game, Qt::MouseButton(button), Qt::NoModifier, QPoint(300, 300));
    QVERIFY(game->levelState.wells.isEmpty());
    QCOMPARE(game->levelState.wellsLeft(RedWell), 1);
    QVERIFY(!game->dragging);
    tick(10);
    QCOMPARE(QPointF(game->levelState.particles.first()), QPointF(130, 360));
}

void GameWidgetTest::highScoreTableBlocksMouse()
{
    game->displayHighScores();
    QVERIFY(game->showHighScores);
    drag(QPoint(400, 240), QPoint(400, 300));
    QCOMPARE(game->levelState.status(), int(Ready));
    QVERIFY(game->levelState.wells.isEmpty());
    // The release still moves the pointer.
    QCOMPARE(game->mousePos, QPoint(400, 300));
    press(QPoint(400, 240), Qt::RightButton);
    release(QPoint(400, 240), Qt::RightButton);
    QCOMPARE(game->currentLevel, 1);
    game->displayHighScores();
    QVERIFY(!game->showHighScores);
    QTest::keyPress(game, Qt::Key_Tab);
    QVERIFY(game->showHighScores);
    QTest::keyRelease(game, Qt::Key_Tab);
    QVERIFY(!game->showHighScores);
}

void GameWidgetTest::escapeEmitsExitOnce()
{
    QSignalSpy exits(game, SIGNAL(exit()));
    QTest::keyPress(game, Qt::Key_Escape);
    QCOMPARE(exits.count(), 0);
    QTest::keyRelease(game, Qt::Key_Escape);
    QCOMPARE(exits.count(), 1);
}

void GameWidgetTest::recordRule_data()
{
    QTest::addColumn<quint32>("best");
    QTest::addColumn<int>("runningTicks");
    QTest::addColumn<bool>("record");

    QTest::newRow("first pass is a record") << 0u << 12 << true;
    QTest::newRow("equal time is not") << 120u << 12 << false;
    QTest::newRow("one tick faster is") << 130u << 12 << true;
    QTest::newRow("slower is not") << 110u << 12 << false;
}

void GameWidgetTest::recordRule()
{
    QFETCH(quint32, best);
    QFETCH(int, runningTicks);
    QFETCH(bool, record);

    game->loadLevel(6);
    game->bestTimes[5] = best;
    passAfter(runningTicks);
    QCOMPARE(game->newRecord, record);
    QCOMPARE(game->bestTimes.at(5), record ? quint32(10 * runningTicks) : best);
    QCOMPARE(QFile::exists(QStringLiteral("scores.dat")), record);
    // The flag stays up while the overlay shows it, and only the next load clears it.
    tick(5);
    QCOMPARE(game->newRecord, record);
    game->loadLevel(6);
    QVERIFY(!game->newRecord);
}

void GameWidgetTest::recordWritesFileBytes()
{
    game->loadLevel(3);
    game->bestTimes[0] = 5000;
    passAfter(0x1234 / 10);
    const QByteArray bytes = scoreBytes();
    QCOMPARE(bytes.size(), 84);
    QCOMPARE(bytes.mid(0, 4), QByteArray("\x88\x13\x00\x00", 4));
    QCOMPARE(bytes.mid(8, 4), QByteArray("\x34\x12\x00\x00", 4));
    const quint32 sum = 5000 + 0x1234;
    QCOMPARE(bytes.mid(80, 4), QByteArray(reinterpret_cast<const char *>(&sum), 4));
    QCOMPARE(QDir::current().entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("scores.dat")});
}

void GameWidgetTest::zeroTimeIsNoRecordOnDisk()
{
    // Passed on the very first running tick: 0 ms is stored, and reads back as no time.
    passAfter(0);
    QVERIFY(game->newRecord);
    QCOMPARE(game->bestTimes.at(0), 0u);
    game->loadLevel(1);
    passAfter(2);
    QVERIFY(game->newRecord);
    QCOMPARE(game->bestTimes.at(0), 20u);
}

void GameWidgetTest::startupReadsScores()
{
    QList<quint32> times;
    for (quint32 i = 1; i <= 20; ++i)
        times.append(i * 100);
    QVERIFY(ScoreStore::save(QStringLiteral("scores.dat"), times));
    GameWidget restarted;
    QCOMPARE(restarted.bestTimes, times);
}

void GameWidgetTest::failedSaveKeepsPlaying()
{
    QVERIFY(QDir::current().mkdir(QStringLiteral("scores.dat")));
    passAfter(4);
    QVERIFY(game->newRecord);
    QCOMPARE(game->bestTimes.at(0), 40u);
    QCOMPARE(QDir::current().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("scores.dat")});
    press(QPoint(400, 240));
    release(QPoint(400, 240));
    QCOMPARE(game->currentLevel, 2);
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
    QTest::addColumn<int>("firstLevel");
    QTest::addColumn<int>("secondTicks");
    QTest::addColumn<bool>("secondRecord");
    QTest::addColumn<QList<quint32>>("file");

    // The first game passes its level in 3010 ms while the second, opened before, waits.
    QList<quint32> none;
    for (int level = 1; level <= 20; ++level)
        none.append(0);
    QList<quint32> first = none;
    first[0] = 3010;
    QList<quint32> second = none;
    second[0] = 2000;
    QList<quint32> both = none;
    both[1] = 3010;
    both[0] = 4190;
    QTest::newRow("slower on the same level: no record, the file keeps 3010") << 1 << 419 << false << first;
    QTest::newRow("equal on the same level: no record") << 1 << 301 << false << first;
    QTest::newRow("faster on the same level: a record") << 1 << 200 << true << second;
    QTest::newRow("another level: its record keeps the first game's") << 2 << 419 << true << both;
}

void GameWidgetTest::twoGamesOnOneFile()
{
    // Each game read the file when it opened. A record judged and saved from that copy alone
    // wrote back what the other game had improved since.
    QFETCH(int, firstLevel);
    QFETCH(int, secondTicks);
    QFETCH(bool, secondRecord);
    QFETCH(QList<quint32>, file);

    GameWidget second;
    game->currentLevel = firstLevel;
    passAfter(301);
    QVERIFY(game->newRecord);
    passAfter(secondTicks, &second);
    QCOMPARE(second.newRecord, secondRecord);
    QCOMPARE(second.bestTimes, file);
    QCOMPARE(ScoreStore::load(QStringLiteral("scores.dat"), 20), file);
}

QTEST_MAIN(GameWidgetTest)
#include "tst_gamewidget.moc"
