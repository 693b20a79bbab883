// Guards the rules of a level: budgets that refund or overspend, the removal reach, the force's
// sign and constancy, the hit test done after the move instead of before, the highlight set by
// every particle instead of the first moving one, goals counted in a failed level, and two
// finished wells deleted in one step.
#include "levels/catalogue/LevelCatalogue.h"
#include "sim/FrameTick.h"
#include "sim/LevelState.h"

#include <QTest>

namespace {
constexpr float dt = 0.1f;
const QPoint farAway(-1000, -1000);

QPolygon square(int left, int top, int side)
{
    return QPolygon(QRect(left, top, side, side), true);
}

// A running level with nothing in it but what the test adds.
LevelState runningLevel(int blueWells = 5, int redWells = 5)
{
    LevelState state(blueWells, redWells);
    state.start();
    return state;
}
} // namespace

class LevelStateTest : public QObject
{
    Q_OBJECT

private slots:
    void budgets_data();
    void budgets();
    void removalReach_data();
    void removalReach();
    void removalPicksEarliestAndKeepsBudget();
    void resetKeepsBudgets();
    void forceDirection_data();
    void forceDirection();
    void forceIgnoresDistance();
    void noWellsMeansStraightLines();
    void hitDistance_data();
    void hitDistance();
    void hitTestUsesPositionBeforeMove();
    void removedWellIsInert();
    void goalsAndHazards_data();
    void goalsAndHazards();
    void passNeedsEveryParticleWhileRunning();
    void particleInTwoAreasCountsTwice();
    void goneWellsLeaveOneStepAtATime();
    void highlight_data();
    void highlight();
    void highlightFollowsFirstMovingParticleOnly();
    void distanceNeverZero();
    void levelOnePlayedThrough_data();
    void levelOnePlayedThrough();
    void aTickIsNeededWhileAnythingMoves_data();
    void aTickIsNeededWhileAnythingMoves();
};

void LevelStateTest::budgets_data()
{
    QTest::addColumn<int>("blue");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("attempts");
    QTest::addColumn<int>("placed");

    QTest::newRow("no budget places nothing") << 0 << 0 << int(RedWell) << 1 << 0;
    QTest::newRow("one red, two tries") << 0 << 1 << int(RedWell) << 2 << 1;
    QTest::newRow("red budget does not pay for blue") << 0 << 3 << int(BlueWell) << 1 << 0;
    QTest::newRow("two blue of two") << 2 << 0 << int(BlueWell) << 2 << 2;
    QTest::newRow("particle kinds are not wells") << 5 << 5 << int(RedParticle) << 1 << 0;
}

void LevelStateTest::budgets()
{
    QFETCH(int, blue);
    QFETCH(int, red);
    QFETCH(int, kind);
    QFETCH(int, attempts);
    QFETCH(int, placed);

    LevelState state(blue, red);
    for (int i = 0; i < attempts; ++i)
        state.addWell(100 + 50 * i, 100, kind);
    QCOMPARE(state.wells.size(), placed);
    const int spentBlue = kind == BlueWell ? placed : 0;
    const int spentRed = kind == RedWell ? placed : 0;
    QCOMPARE(state.wellsLeft(BlueWell), blue - spentBlue);
    QCOMPARE(state.wellsLeft(RedWell), red - spentRed);
    QCOMPARE(state.wellsLeft(RedParticle), -1);
}

void LevelStateTest::removalReach_data()
{
    QTest::addColumn<QPointF>("well");
    QTest::addColumn<QPoint>("click");
    QTest::addColumn<bool>("removed");

    QTest::newRow("manhattan 19 is in reach") << QPointF(100, 100) << QPoint(110, 109) << true;
    QTest::newRow("manhattan 20 is out of reach") << QPointF(100, 100) << QPoint(110, 110) << false;
    QTest::newRow("straight left 19") << QPointF(100, 100) << QPoint(81, 100) << true;
    QTest::newRow("centre is rounded first") << QPointF(100.4, 100.6) << QPoint(119, 101) << true;
    QTest::newRow("rounded centre, 20 away") << QPointF(100.6, 100.4) << QPoint(81, 100) << false;
}

void LevelStateTest::removalReach()
{
    QFETCH(QPointF, well);
    QFETCH(QPoint, click);
    QFETCH(bool, removed);

    LevelState state = runningLevel();
    state.addWell(0, 0, RedWell);
    state.wells[0].setX(well.x());
    state.wells[0].setY(well.y());
    state.removeWellAt(click.x(), click.y());
    QCOMPARE(state.wells.first().isRemoved(), removed);
}

void LevelStateTest::removalPicksEarliestAndKeepsBudget()
{
    LevelState state = runningLevel(1, 1);
    state.addWell(100, 100, RedWell);
    state.addWell(105, 100, BlueWell);
    state.removeWellAt(102, 100);
    QVERIFY(state.wells.at(0).isRemoved());
    QVERIFY(!state.wells.at(1).isRemoved());
    state.removeWellAt(102, 100);
    QVERIFY(state.wells.at(1).isRemoved());
    QCOMPARE(state.wells.size(), 2);
    QCOMPARE(state.wellsLeft(RedWell), 0);
    QCOMPARE(state.wellsLeft(BlueWell), 0);
}

void LevelStateTest::resetKeepsBudgets()
{
    LevelState state = runningLevel(2, 3);
    state.addParticle(RedParticle, 50, 50);
    state.addWell(10, 10, RedWell);
    state.reset();
    QCOMPARE(state.status(), int(Ready));
    QCOMPARE(state.particlesLeft, 0);
    QVERIFY(state.particles.isEmpty() && state.wells.isEmpty() && state.areas.isEmpty());
    QCOMPARE(state.wellsLeft(BlueWell), 2);
    QCOMPARE(state.wellsLeft(RedWell), 2);
}

void LevelStateTest::forceDirection_data()
{
    QTest::addColumn<int>("particleKind");
    QTest::addColumn<int>("wellKind");
    QTest::addColumn<QPoint>("well");
    QTest::addColumn<QPointF>("direction");

    // Particle at (100, 100), well 100 px away; one step from rest.
    QTest::newRow("red pulls red") << int(RedParticle) << int(RedWell) << QPoint(100, 200) << QPointF(0, 1);
    QTest::newRow("blue pulls blue") << int(BlueParticle) << int(BlueWell) << QPoint(200, 100) << QPointF(1, 0);
    QTest::newRow("red pushes blue") << int(BlueParticle) << int(RedWell) << QPoint(200, 100) << QPointF(-1, 0);
    QTest::newRow("blue pushes red") << int(RedParticle) << int(BlueWell) << QPoint(100, 0) << QPointF(0, 1);
}

void LevelStateTest::forceDirection()
{
    QFETCH(int, particleKind);
    QFETCH(int, wellKind);
    QFETCH(QPoint, well);
    QFETCH(QPointF, direction);

    LevelState state = runningLevel();
    state.addParticle(particleKind, 100, 100);
    state.addWell(well.x(), well.y(), wellKind);
    QVERIFY(!state.step(dt, farAway));
    const ParticleObject &p = state.particles.first();
    // dt is single precision: 0.1f, not 0.1, reaches the double arithmetic.
    const double t = dt;
    QCOMPARE(p.velocity.x(), direction.x() * t);
    QCOMPARE(p.velocity.y(), direction.y() * t);
    QCOMPARE(p.x(), 100 + direction.x() * t * t / 2.0);
    QCOMPARE(p.y(), 100 + direction.y() * t * t / 2.0);
}

void LevelStateTest::forceIgnoresDistance()
{
    // The worked example: pulled down by the red well, pushed left by the blue one.
    LevelState state = runningLevel();
    state.addParticle(RedParticle, 100, 100);
    state.addWell(100, 200, RedWell);
    state.addWell(200, 100, BlueWell);
    state.step(dt, farAway);
    QVERIFY(qAbs(state.particles.first().x() - 99.995) < 1e-9);
    QVERIFY(qAbs(state.particles.first().y() - 100.005) < 1e-9);

    LevelState near = runningLevel();
    LevelState far = runningLevel();
    near.addParticle(BlueParticle, 0, 0);
    far.addParticle(BlueParticle, 0, 0);
    near.addWell(40, 0, BlueWell);
    far.addWell(1000, 0, BlueWell);
    near.step(dt, farAway);
    far.step(dt, farAway);
    QCOMPARE(near.particles.first().velocity, far.particles.first().velocity);
}

void LevelStateTest::noWellsMeansStraightLines()
{
    LevelState state = runningLevel();
    state.addParticle(RedParticle, 100, 100);
    state.addParticle(BlueParticle, 300, 300);
    state.particles[0].velocity = QPointF(10, -20);
    QVERIFY(!state.step(dt, farAway));
    QCOMPARE(state.particles[0].x(), 100 + 10 * double(dt));
    QCOMPARE(state.particles[0].y(), 100 - 20 * double(dt));
    QCOMPARE(state.particles[0].velocity, QPointF(10, -20));
    QCOMPARE(QPointF(state.particles[1]), QPointF(300, 300));
}

void LevelStateTest::hitDistance_data()
{
    QTest::addColumn<double>("gap");
    QTest::addColumn<bool>("hit");

    QTest::newRow("29.9 hits") << 29.9 << true;
    QTest::newRow("exactly 30 does not") << 30.0 << false;
    QTest::newRow("on the centre hits") << 0.0 << true;
}

void LevelStateTest::hitDistance()
{
    QFETCH(double, gap);
    QFETCH(bool, hit);

    LevelState state = runningLevel();
    state.addParticle(RedParticle, 200, 200);
    state.particles[0].setX(200 - gap);
    state.addWell(200, 200, RedWell);
    QCOMPARE(state.step(dt, farAway), hit);
    QCOMPARE(state.status(), hit ? int(Failed) : int(Running));
    QCOMPARE(state.wells.first().isRemoved(), hit);
    // A hit stops nothing: the particle keeps moving.
    QVERIFY(!state.particles.first().stopped);
}

void LevelStateTest::hitTestUsesPositionBeforeMove()
{
    // Moving fast towards the well: 31 px away before the move, inside 30 after it.
    LevelState state = runningLevel();
    state.addParticle(RedParticle, 169, 200);
    state.particles[0].velocity = QPointF(50, 0);
    state.addWell(200, 200, RedWell);
    QVERIFY(!state.step(dt, farAway));
    QCOMPARE(state.status(), int(Running));
    QVERIFY(state.step(dt, farAway));
    QCOMPARE(state.status(), int(Failed));
}

void LevelStateTest::removedWellIsInert()
{
    LevelState state = runningLevel();
    state.addParticle(RedParticle, 200, 200);
    state.addWell(205, 200, RedWell);
    state.wells[0].remove();
    QVERIFY(!state.step(dt, QPoint(205, 200)));
    QCOMPARE(state.status(), int(Running));
    QCOMPARE(state.particles.first().velocity, QPointF(0, 0));
    QVERIFY(!state.wells.first().highlighted);
}

void LevelStateTest::goalsAndHazards_data()
{
    QTest::addColumn<int>("particleKind");
    QTest::addColumn<int>("areaKind");
    QTest::addColumn<int>("status");

    QTest::newRow("red home") << int(RedParticle) << int(RedGoal) << int(Passed);
    QTest::newRow("blue home") << int(BlueParticle) << int(BlueGoal) << int(Passed);
    QTest::newRow("blue in red goal fails") << int(BlueParticle) << int(RedGoal) << int(Failed);
    QTest::newRow("red in blue goal fails") << int(RedParticle) << int(BlueGoal) << int(Failed);
    QTest::newRow("hazard fails") << int(RedParticle) << int(Hazard) << int(Failed);
}

void LevelStateTest::goalsAndHazards()
{
    QFETCH(int, particleKind);
    QFETCH(int, areaKind);
    QFETCH(int, status);

    LevelState state = runningLevel();
    state.addParticle(particleKind, 99, 100);
    state.particles[0].velocity = QPointF(30, 0);
    // Outside before the move, just inside the area's left edge after it.
    state.addArea(areaKind, square(100, 90, 20));
    QVERIFY(state.step(dt, farAway));
    QCOMPARE(state.status(), status);
    QVERIFY(state.particles.first().stopped);
    QCOMPARE(state.particles.first().velocity, QPointF(0, 0));
}

void LevelStateTest::passNeedsEveryParticleWhileRunning()
{
    LevelState state = runningLevel();
    state.addParticle(BlueParticle, 10, 10);
    state.addParticle(BlueParticle, 100, 100);
    state.addArea(BlueGoal, square(90, 90, 20));
    QCOMPARE(state.particlesLeft, 2);
    QVERIFY(!state.step(dt, farAway));
    QCOMPARE(state.particlesLeft, 1);
    QCOMPARE(state.status(), int(Running));

    state.particles[0].setX(95);
    state.particles[0].setY(95);
    QVERIFY(state.step(dt, farAway));
    QCOMPARE(state.particlesLeft, 0);
    QCOMPARE(state.status(), int(Passed));

    // A particle that hits a well, then flies on into its goal: counted, but no pass.
    LevelState failed = runningLevel();
    failed.addParticle(RedParticle, 100, 100);
    failed.particles[0].velocity = QPointF(100, 0);
    failed.addWell(100, 120, RedWell);
    failed.addArea(RedGoal, square(115, 80, 40));
    QVERIFY(failed.step(dt, farAway));
    QCOMPARE(failed.status(), int(Failed));
    QVERIFY(!failed.step(dt, farAway));
    QVERIFY(failed.particles.first().stopped);
    QCOMPARE(failed.particlesLeft, 0);
    QCOMPARE(failed.status(), int(Failed));
}

void LevelStateTest::particleInTwoAreasCountsTwice()
{
    LevelState state = runningLevel();
    state.addParticle(RedParticle, 100, 100);
    state.addParticle(RedParticle, 400, 400);
    state.addArea(RedGoal, square(90, 90, 20));
    state.addArea(RedGoal, square(95, 95, 20));
    // Two goals at once bring particlesLeft to 0 though the second particle is still out.
    QVERIFY(state.step(dt, farAway));
    QCOMPARE(state.particlesLeft, 0);
    QCOMPARE(state.status(), int(Passed));
}

void LevelStateTest::goneWellsLeaveOneStepAtATime()
{
    LevelState state = runningLevel();
    state.addWell(10, 10, RedWell);
    state.addWell(20, 20, BlueWell);
    state.addWell(30, 30, RedWell);
    state.wells[0].gone = true;
    state.wells[2].gone = true;
    state.step(dt, farAway);
    QCOMPARE(state.wells.size(), 2);
    QCOMPARE(state.wells.first().kind, int(BlueWell));
    state.step(dt, farAway);
    QCOMPARE(state.wells.size(), 1);
    QCOMPARE(state.wells.first().kind, int(BlueWell));
}

void LevelStateTest::highlight_data()
{
    QTest::addColumn<QPointF>("well");
    QTest::addColumn<bool>("highlighted");

    // Pointer at (50, 50).
    QTest::newRow("rounded to (60, 60): 20 away") << QPointF(60.4, 59.6) << false;
    QTest::newRow("rounded to (59, 60): 19 away") << QPointF(59.4, 59.6) << true;
}

void LevelStateTest::highlight()
{
    QFETCH(QPointF, well);
    QFETCH(bool, highlighted);

    LevelState state = runningLevel();
    state.addParticle(RedParticle, 400, 400);
    state.addWell(0, 0, RedWell);
    state.wells[0].setX(well.x());
    state.wells[0].setY(well.y());
    state.step(dt, QPoint(50, 50));
    QCOMPARE(state.wells.first().highlighted, highlighted);
}

void LevelStateTest::highlightFollowsFirstMovingParticleOnly()
{
    LevelState state = runningLevel();
    state.addParticle(RedParticle, 400, 400);
    state.addWell(100, 100, RedWell);
    state.step(dt, QPoint(100, 100));
    QVERIFY(state.wells.first().highlighted);

    // With every particle stopped nothing updates the highlight any more.
    state.particles[0].stop();
    state.step(dt, farAway);
    QVERIFY(state.wells.first().highlighted);
}

void LevelStateTest::distanceNeverZero()
{
    QCOMPARE(LevelState::distance(3, 4, 3, 4), 0.01f);
    QCOMPARE(LevelState::distance(0, 0, 3, 4), 5.0f);
}

void LevelStateTest::levelOnePlayedThrough_data()
{
    QTest::addColumn<QPoint>("well");
    QTest::addColumn<int>("status");

    // Pulled along a straight line from (150, 200) through the goal's top edge near x 590.
    QTest::newRow("well beyond the goal passes") << QPoint(700, 350) << int(Passed);
    QTest::newRow("well straight below hits") << QPoint(150, 300) << int(Failed);
    QTest::newRow("well too flat: into the hazard") << QPoint(700, 250) << int(Failed);
}

void LevelStateTest::levelOnePlayedThrough()
{
    QFETCH(QPoint, well);
    QFETCH(int, status);

    LevelState state = LevelCatalogue::level(1).newState();
    state.start();
    state.addWell(well.x(), well.y(), RedWell);
    int ticks = 0;
    while (state.status() == Running && ticks < 2000) {
        state.step(dt, farAway);
        ++ticks;
    }
    QCOMPARE(state.status(), status);
}

void LevelStateTest::aTickIsNeededWhileAnythingMoves_data()
{
    QTest::addColumn<bool>("running");
    QTest::addColumn<QPointF>("velocity");
    QTest::addColumn<bool>("stopped");
    QTest::addColumn<int>("fade");
    QTest::addColumn<bool>("removed");
    QTest::addColumn<bool>("needed");

    // The frame timer sleeps when no tick would change anything: a tick skipped while a particle
    // still drifts, or a well still pulls, grows or fades, would freeze what the player sees.
    const QPointF still;
    const QPointF drifting(0, 1);
    const int none = -1;
    const int settled = WellObject::settledFade;
    QTest::newRow("running") << true << still << false << none << false << true;
    QTest::newRow("ended, all at rest, no well") << false << still << false << none << false << false;
    QTest::newRow("ended, a particle drifting, no well") << false << drifting << false << none << false << true;
    QTest::newRow("ended, a drifting particle stopped in a goal") << false << drifting << true << none << false << false;
    QTest::newRow("ended, a particle at rest under a settled well") << false << still << false << settled << false << true;
    QTest::newRow("ended, a stopped particle under a settled well") << false << still << true << settled << false << false;
    QTest::newRow("ended, a well growing in") << false << still << true << settled - 1 << false << true;
    QTest::newRow("ended, a removed well fading") << false << still << true << settled << true << true;
}

void LevelStateTest::aTickIsNeededWhileAnythingMoves()
{
    QFETCH(bool, running);
    QFETCH(QPointF, velocity);
    QFETCH(bool, stopped);
    QFETCH(int, fade);
    QFETCH(bool, removed);
    QFETCH(bool, needed);

    LevelState state(1, 1);
    state.addParticle(RedParticle, 400, 240);
    state.particles[0].velocity = velocity;
    state.particles[0].stopped = stopped;
    if (fade >= 0) {
        // Wells are set while the level runs; the end comes after.
        state.start();
        QVERIFY(state.addWell(100, 100, RedWell));
        state.wells[0].fade = fade;
        state.wells[0].removed = removed;
    }
    if (running != (state.status() == Running)) {
        state.start();
        QCOMPARE(state.status(), int(Running));
    }
    if (!running && state.status() == Running) {
        // Another particle in a hazard fails the level on the next step.
        state.addArea(Hazard, square(0, 230, 20));
        state.addParticle(BlueParticle, 5, 240);
        state.step(0, farAway);
        QCOMPARE(state.status(), int(Failed));
    }
    QCOMPARE(FrameTick::wouldChange(state), needed);
}

QTEST_APPLESS_MAIN(LevelStateTest)
#include "tst_levelstate.moc"
