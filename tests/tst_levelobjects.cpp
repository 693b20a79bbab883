// Guards the object values the step and the painter rely on: motion that loses the old
// velocity or moves a stopped particle, swapped glyphs, and wrong paint geometry.
#include "sim/Area.h"
#include "sim/ParticleObject.h"
#include "sim/WellObject.h"

#include <QTest>

class LevelObjectsTest : public QObject
{
    Q_OBJECT

private slots:
    void advance_data();
    void advance();
    void stoppedParticleStaysPut();
    void glyphMatchesDragDirection_data();
    void glyphMatchesDragDirection();
    void paintGeometry();
    void wellCopyKeepsFlags();
    void goalMembership_data();
    void goalMembership();
};

void LevelObjectsTest::advance_data()
{
    QTest::addColumn<QPointF>("velocity");
    QTest::addColumn<QPointF>("acceleration");
    QTest::addColumn<QPointF>("expectedPosition");
    QTest::addColumn<QPointF>("expectedVelocity");

    QTest::newRow("from rest, half a*dt^2") << QPointF(0, 0) << QPointF(1, 0) << QPointF(100.005, 100)
                                            << QPointF(0.1, 0);
    QTest::newRow("no force: straight line") << QPointF(3, -2) << QPointF(0, 0) << QPointF(100.3, 99.8)
                                             << QPointF(3, -2);
    QTest::newRow("old velocity moves the position") << QPointF(1, 1) << QPointF(-1, 1)
                                                     << QPointF(100.095, 100.105) << QPointF(0.9, 1.1);
}

void LevelObjectsTest::advance()
{
    QFETCH(QPointF, velocity);
    QFETCH(QPointF, acceleration);
    QFETCH(QPointF, expectedPosition);
    QFETCH(QPointF, expectedVelocity);

    ParticleObject particle(100, 100, RedParticle);
    particle.velocity = velocity;
    particle.advance(0.1f, acceleration.x(), acceleration.y());
    QVERIFY(qAbs(particle.x() - expectedPosition.x()) < 1e-6);
    QVERIFY(qAbs(particle.y() - expectedPosition.y()) < 1e-6);
    QVERIFY(qAbs(particle.velocity.x() - expectedVelocity.x()) < 1e-6);
    QVERIFY(qAbs(particle.velocity.y() - expectedVelocity.y()) < 1e-6);
}

void LevelObjectsTest::stoppedParticleStaysPut()
{
    ParticleObject particle(10, 20, BlueParticle);
    particle.velocity = QPointF(5, 5);
    particle.stop();
    QCOMPARE(particle.velocity, QPointF(0, 0));
    QCOMPARE(QPointF(particle), QPointF(10, 20));
    particle.moveTo(50, 60);
    QCOMPARE(QPointF(particle), QPointF(10, 20));
}

void LevelObjectsTest::glyphMatchesDragDirection_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("isWell");
    QTest::addColumn<QLine>("glyph");

    QTest::newRow("red well: vertical") << int(RedWell) << true << QLine(0, -16, 0, 16);
    QTest::newRow("blue well: horizontal") << int(BlueWell) << true << QLine(-16, 0, 16, 0);
    QTest::newRow("red particle: vertical") << int(RedParticle) << false << QLine(0, -6, 0, 6);
    QTest::newRow("blue particle: horizontal") << int(BlueParticle) << false << QLine(-6, 0, 6, 0);
}

void LevelObjectsTest::glyphMatchesDragDirection()
{
    QFETCH(int, kind);
    QFETCH(bool, isWell);
    QFETCH(QLine, glyph);

    if (isWell)
        QCOMPARE(WellObject(0, 0, kind, true).glyph, glyph);
    else
        QCOMPARE(ParticleObject(0, 0, kind).glyph, glyph);
}

void LevelObjectsTest::paintGeometry()
{
    const WellObject well(0, 0, RedWell, true);
    QCOMPARE(well.haloRect, QRect(-30, -30, 60, 60));
    QCOMPARE(well.bodyRect, QRect(-20, -20, 40, 40));
    QCOMPARE(well.bodyPen.style(), Qt::NoPen);
    QCOMPARE(ParticleObject(0, 0, RedParticle).bodyRect, QRect(-10, -10, 20, 20));
    QCOMPARE(ParticleObject(0, 0, RedParticle).bodyPen.color(), QColor(204, 102, 102));
    QCOMPARE(ParticleObject(0, 0, BlueParticle).bodyPen.color(), QColor(0, 153, 204));
    // The halo is opaque white at the centre, transparent at the rim.
    const QGradientStops halo = well.haloGradient.stops();
    QCOMPARE(halo.size(), 2);
    QCOMPARE(halo.first(), QGradientStop(0, QColor(255, 255, 255, 255)));
    QCOMPARE(halo.last(), QGradientStop(1, QColor(255, 255, 255, 0)));
}

void LevelObjectsTest::wellCopyKeepsFlags()
{
    WellObject well(5, 5, BlueWell, true);
    well.remove();
    well.fade = 40;
    const WellObject copy = well;
    QVERIFY(copy.isRemoved());
    QCOMPARE(copy.fade, 40);
}

void LevelObjectsTest::goalMembership_data()
{
    QTest::addColumn<int>("areaKind");
    QTest::addColumn<int>("particleKind");
    QTest::addColumn<bool>("home");

    QTest::newRow("red goal, red particle") << int(RedGoal) << int(RedParticle) << true;
    QTest::newRow("blue goal, blue particle") << int(BlueGoal) << int(BlueParticle) << true;
    QTest::newRow("red goal, blue particle") << int(RedGoal) << int(BlueParticle) << false;
    QTest::newRow("blue goal, red particle") << int(BlueGoal) << int(RedParticle) << false;
    QTest::newRow("hazard is nobody's home") << int(Hazard) << int(RedParticle) << false;
}

void LevelObjectsTest::goalMembership()
{
    QFETCH(int, areaKind);
    QFETCH(int, particleKind);
    QFETCH(bool, home);
    QCOMPARE(Area(areaKind, QPolygon()).isGoalFor(particleKind), home);
}

QTEST_APPLESS_MAIN(LevelObjectsTest)
#include "tst_levelobjects.moc"
