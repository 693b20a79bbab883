// Guards the transcription of the twenty levels: one wrong digit makes a level unplayable or
// trivial and nothing at run time would tell. The expected counts and coordinate sums below were
// computed once from the original level tables, independently of the catalogue's own tables; the
// fingerprints were recorded from those tables, before the levels became files.
#include "levels/catalogue/LevelCatalogue.h"
#include "levels/format/LevelFile.h"
#include "levels/format/ProofCheck.h"
#include "sim/LevelState.h"

#include <QCryptographicHash>

#include <QTest>

class LevelCatalogueTest : public QObject
{
    Q_OBJECT

private slots:
    void transcription_data();
    void transcription();
    void areaOrder_data();
    void areaOrder();
    void names();
    void asBeforeTheMove_data();
    void asBeforeTheMove();
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

void LevelCatalogueTest::asBeforeTheMove_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fingerprint");
    QTest::addColumn<quint32>("solution");
    QTest::addColumn<QByteArray>("whole");

    // Recorded from the code tables and the replays of the solutions, before either went: what is
    // played (fingerprint), the name, the solution's time, and the hash of the level written out
    // with its solution, which covers every coordinate, in order.
    const struct
    {
        int level;
        const char *name;
        const char *fingerprint;
        quint32 solution;
        const char *whole;
    } recorded[] = {
        {1, "Pull", "74cd12bd50280139", 2680, "5e73c54f40982a9b"},
        {2, "Push", "429a17db349da704", 1960, "a656457b62931d84"},
        {3, "Pong", "392c2135113f950d", 1890, "a11b2bc3d391bfcb"},
        {4, "Forces of good and evil", "025b00bfa2f7f063", 3240, "386bc21e9a4308ed"},
        {5, "Back and forth", "3738ed0ce926a9a5", 960, "de7023fc265c5555"},
        {6, "Volley", "72d78e6c1bdfc550", 3980, "bfdf024853751263"},
        {7, "Fast chicane", "a783212a5e3a1c6d", 2120, "6289eb0a6ac2b90e"},
        {8, "Curveball", "a46ed9d278b5b3d0", 7220, "54b212414cde890b"},
        {9, "Liftoff", "b779e4121406ad09", 5220, "264a8dbffe35fc30"},
        {10, "Orbit", "c4b9fdf5e9509b50", 3670, "98dc6fcbf7e86c38"},
        {11, "Obstacles", "ee244155cf22113c", 4040, "302ed490448a9f34"},
        {12, "Shortcut", "49dbcb54b96823ff", 3270, "5c89088cdc03d9e7"},
        {13, "Slowish chicane", "52f7847b487f3f52", 10590, "bb446a22fe39c77c"},
        {14, "Snake", "5e34509228694910", 5380, "92afc226ca2150fc"},
        {15, "Zig Zag", "a56ef95634823da4", 3240, "6780f3a1e6b6173e"},
        {16, "X marks the spot", "c19f5507e283af91", 3800, "d4950b6315ec0b9b"},
        {17, "Balance", "e9c477f5f44ae1e8", 4840, "3e9b4198ed17e26f"},
        {18, "Mind the gap", "2c5207d7b90e9189", 7030, "cff91ff3426c0f3e"},
        {19, "Stop dead", "212385b2b874e489", 5020, "14f9839716f962cc"},
        {20, "Enforcer", "68186fc3128db048", 2720, "641327e3689d3be3"},
    };
    for (const auto &level : recorded) {
        QTest::addRow("%02d %s", level.level, level.name)
            << level.level << QString::fromLatin1(level.name) << QString::fromLatin1(level.fingerprint) << level.solution
            << QByteArray(level.whole);
    }
}

void LevelCatalogueTest::asBeforeTheMove()
{
    QFETCH(int, level);
    QFETCH(QString, name);
    QFETCH(QString, fingerprint);
    QFETCH(quint32, solution);
    QFETCH(QByteArray, whole);

    Level read = LevelCatalogue::level(level);
    QCOMPARE(read.number, level);
    QCOMPARE(read.name, name);
    QCOMPARE(LevelCatalogue::names().at(level - 1), name);
    QCOMPARE(read.fingerprint(), fingerprint);
    QVERIFY(!read.proof);
    read.proof = LevelCatalogue::solution(level);
    QCOMPARE(read.proof->level, level);
    QCOMPARE(read.proof->time, solution);
    const QByteArray text = LevelFile::toText(read).toUtf8();
    QCOMPARE(QCryptographicHash::hash(text, QCryptographicHash::Sha256).toHex().left(16), whole);
    // Its file is what --export-level writes, and its proof passes it as stated.
    QCOMPARE(LevelCatalogue::fileText(level), text);
    const ProofCheck check = ProofCheck::of(read);
    QVERIFY2(check.holds(), qPrintable(check.text()));
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
        QVERIFY(LevelCatalogue::solution(number).actions.isEmpty());
        QVERIFY(LevelCatalogue::fileText(number).isEmpty());
    }
}

QTEST_APPLESS_MAIN(LevelCatalogueTest)
#include "tst_levelcatalogue.moc"
