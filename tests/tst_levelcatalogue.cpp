// Guards the transcription of the twenty levels: one wrong digit makes a level unplayable or
// trivial and nothing at run time would tell. The expected counts and coordinate sums below were
// computed once from the original level tables, independently of the catalogue's own tables.
#include "levels/LevelCatalogue.h"
#include "sim/LevelState.h"

#include <QtTest>

class LevelCatalogueTest : public QObject
{
    Q_OBJECT

private slots:
    void transcription_data();
    void transcription();
    void areaOrder_data();
    void areaOrder();
    void names();
    void frame();
    void unknownLevelIsEmpty();
};

void LevelCatalogueTest::transcription_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("redWells");
    QTest::addColumn<int>("blueWells");
    QTest::addColumn<int>("particles");
    QTest::addColumn<int>("redParticles");
    QTest::addColumn<int>("areas");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("sumX");
    QTest::addColumn<int>("sumY");

    QTest::newRow("01 Pull") << 1 << 1 << 0 << 1 << 1 << 2 << 14 << 7780 << 4720;
    QTest::newRow("02 Push") << 2 << 2 << 0 << 1 << 0 << 2 << 31 << 16390 << 5060;
    QTest::newRow("03 Pong") << 3 << 2 << 0 << 2 << 0 << 4 << 34 << 13518 << 7848;
    QTest::newRow("04 Forces of good and evil") << 4 << 1 << 1 << 2 << 1 << 5 << 45 << 16530 << 10089;
    QTest::newRow("05 Back and forth") << 5 << 1 << 1 << 2 << 1 << 3 << 39 << 16559 << 9929;
    QTest::newRow("06 Volley") << 6 << 0 << 2 << 1 << 0 << 2 << 14 << 4560 << 4579;
    QTest::newRow("07 Fast chicane") << 7 << 0 << 3 << 1 << 0 << 3 << 13 << 6229 << 3050;
    QTest::newRow("08 Curveball") << 8 << 2 << 1 << 1 << 1 << 2 << 20 << 7230 << 3840;
    QTest::newRow("09 Liftoff") << 9 << 0 << 2 << 1 << 0 << 3 << 14 << 5660 << 3960;
    QTest::newRow("10 Orbit") << 10 << 1 << 1 << 2 << 0 << 2 << 34 << 11910 << 10259;
    QTest::newRow("11 Obstacles") << 11 << 3 << 0 << 1 << 1 << 5 << 81 << 30183 << 17874;
    QTest::newRow("12 Shortcut") << 12 << 1 << 1 << 1 << 0 << 3 << 19 << 7180 << 3786;
    QTest::newRow("13 Slowish chicane") << 13 << 3 << 0 << 1 << 1 << 3 << 13 << 4350 << 2810;
    QTest::newRow("14 Snake") << 14 << 3 << 0 << 1 << 0 << 3 << 30 << 11010 << 7719;
    QTest::newRow("15 Zig Zag") << 15 << 1 << 2 << 8 << 0 << 3 << 18 << 6126 << 3171;
    QTest::newRow("16 X marks the spot") << 16 << 1 << 2 << 2 << 0 << 6 << 22 << 8798 << 5279;
    QTest::newRow("17 Balance") << 17 << 2 << 2 << 1 << 1 << 3 << 16 << 3698 << 6270;
    QTest::newRow("18 Mind the gap") << 18 << 2 << 2 << 1 << 1 << 4 << 40 << 14457 << 11419;
    QTest::newRow("19 Stop dead") << 19 << 2 << 1 << 1 << 0 << 4 << 17 << 7770 << 4459;
    QTest::newRow("20 Enforcer") << 20 << 1 << 2 << 4 << 3 << 8 << 55 << 24404 << 11678;
}

void LevelCatalogueTest::transcription()
{
    QFETCH(int, level);
    QFETCH(int, redWells);
    QFETCH(int, blueWells);
    QFETCH(int, particles);
    QFETCH(int, redParticles);
    QFETCH(int, areas);
    QFETCH(int, points);
    QFETCH(int, sumX);
    QFETCH(int, sumY);

    const Level data = LevelCatalogue::level(level);
    QCOMPARE(data.redWells, redWells);
    QCOMPARE(data.blueWells, blueWells);
    LevelState state = data.newState();
    QCOMPARE(state.wellsLeft(RedWell), redWells);
    QCOMPARE(state.wellsLeft(BlueWell), blueWells);
    QCOMPARE(state.particles.size(), particles);
    QCOMPARE(state.particlesLeft, particles);
    // The frame comes last, after the level's own areas.
    QCOMPARE(state.areas.size(), areas + 1);
    QCOMPARE(static_cast<const QPolygon &>(state.areas.takeLast()), Level::framePolygon());

    int pointCount = 0;
    int reds = 0;
    int x = 0;
    int y = 0;
    for (const ParticleObject &particle : state.particles) {
        QVERIFY(particle.kind == RedParticle || particle.kind == BlueParticle);
        reds += particle.kind == RedParticle;
        x += int(particle.x());
        y += int(particle.y());
        ++pointCount;
        QVERIFY(!particle.stopped && particle.velocity.isNull());
    }
    for (const Area &area : state.areas) {
        QVERIFY(area.kind >= RedGoal && area.kind <= Hazard);
        for (const QPoint &point : area) {
            // Every level coordinate lies inside the frame.
            QVERIFY(point.x() >= 20 && point.x() <= 780 && point.y() >= 20 && point.y() <= 460);
            x += point.x();
            y += point.y();
            ++pointCount;
        }
    }
    QCOMPARE(reds, redParticles);
    QCOMPARE(pointCount, points);
    QCOMPARE(x, sumX);
    QCOMPARE(y, sumY);
}

void LevelCatalogueTest::areaOrder_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QList<int>>("kinds");

    QTest::newRow("1: hazard, red goal") << 1 << QList<int>{Hazard, RedGoal};
    QTest::newRow("3: two blue goals last") << 3 << QList<int>{Hazard, Hazard, BlueGoal, BlueGoal};
    QTest::newRow("16: goal, four hazards, goal")
        << 16 << QList<int>{BlueGoal, Hazard, Hazard, Hazard, Hazard, BlueGoal};
    QTest::newRow("20: blue goal, then three red goals")
        << 20 << QList<int>{Hazard, Hazard, Hazard, Hazard, BlueGoal, RedGoal, RedGoal, RedGoal};
}

void LevelCatalogueTest::areaOrder()
{
    QFETCH(int, level);
    QFETCH(QList<int>, kinds);

    QList<int> actual;
    for (const Level::Shape &area : LevelCatalogue::level(level).areas)
        actual.append(area.kind);
    QCOMPARE(actual, kinds);
}

void LevelCatalogueTest::names()
{
    const QList<QString> names = LevelCatalogue::names();
    QCOMPARE(names.size(), LevelCatalogue::levelCount);
    QCOMPARE(names.at(0), QStringLiteral("Pull"));
    QCOMPARE(names.at(9), QStringLiteral("Orbit"));
    QCOMPARE(names.at(14), QStringLiteral("Zig Zag"));
    QCOMPARE(names.at(19), QStringLiteral("Enforcer"));
}

void LevelCatalogueTest::frame()
{
    const QPolygon frame = Level::framePolygon();
    QCOMPARE(frame.size(), 10);
    QCOMPARE(frame.at(2), QPoint(840, 520));
    // Under the even-odd rule only the 20 px band is inside.
    QVERIFY(frame.containsPoint(QPoint(10, 240), Qt::OddEvenFill));
    QVERIFY(frame.containsPoint(QPoint(790, 470), Qt::OddEvenFill));
    QVERIFY(frame.containsPoint(QPoint(-30, -30), Qt::OddEvenFill));
    QVERIFY(!frame.containsPoint(QPoint(21, 21), Qt::OddEvenFill));
    QVERIFY(!frame.containsPoint(QPoint(400, 240), Qt::OddEvenFill));
    QVERIFY(!frame.containsPoint(QPoint(779, 459), Qt::OddEvenFill));
}

void LevelCatalogueTest::unknownLevelIsEmpty()
{
    for (const int number : {0, 21}) {
        const Level level = LevelCatalogue::level(number);
        QVERIFY(level.particles.isEmpty() && level.areas.isEmpty());
        QCOMPARE(level.redWells + level.blueWells, 0);
    }
}

QTEST_APPLESS_MAIN(LevelCatalogueTest)
#include "tst_levelcatalogue.moc"
