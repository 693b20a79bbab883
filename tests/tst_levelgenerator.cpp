// Guards the levels made from seeds. A seed a player shares must give the very level, proof and
// all, on every machine and in every later release that keeps the generator's version: the golden
// table (golden-seeds.txt) holds what 30 seeds of each version gave when it was made, by
// fingerprint, proof time and the file's hash. Every level given is proven, and a text that is no
// seed is refused with why.
#include "levels/format/LevelCheck.h"
#include "levels/format/LevelFile.h"
#include "levels/format/ProofCheck.h"
#include "levels/puzzles/LevelFigures.h"
#include "levels/puzzles/LevelGenerator.h"
#include "levels/puzzles/PlayerModel.h"
#include "levels/puzzles/PuzzleMaker.h"
#include "levels/puzzles/PuzzleNote.h"
#include "sim/LevelState.h"

#include <QCryptographicHash>
#include <QDate>
#include <QTest>

class LevelGeneratorTest : public QObject
{
    Q_OBJECT

private slots:
    void seedsGiveTheirLevels_data();
    void seedsGiveTheirLevels();
    void seedsAreRead_data();
    void seedsAreRead();
    void cancelStopsAtOnce();
    void difficultyInMarks_data();
    void difficultyInMarks();
    void daysKeepTheirGenerator_data();
    void daysKeepTheirGenerator();
    void modelFindsWhatAPersonFinds_data();
    void modelFindsWhatAPersonFinds();
    void pocketsNoParticleReaches_data();
    void pocketsNoParticleReaches();
    void savedPuzzlesAreKnown_data();
    void savedPuzzlesAreKnown();
};

namespace {
Level levelOf(const QByteArray &body)
{
    Level level;
    QString why;
    if (!LevelFile::read("swirlfall-level 1\nname Test\n" + body, &level, &why))
        qWarning("%s", qPrintable(why));
    return level;
}
} // namespace

void LevelGeneratorTest::seedsGiveTheirLevels_data()
{
    QTest::addColumn<QString>("seed");
    QTest::addColumn<QString>("fingerprint");
    QTest::addColumn<quint32>("time");
    QTest::addColumn<QString>("fileHash");

    QFile golden(QStringLiteral(GOLDEN_SEEDS));
    QVERIFY(golden.open(QIODevice::ReadOnly | QIODevice::Text));
    while (!golden.atEnd()) {
        const QString line = QString::fromUtf8(golden.readLine()).trimmed();
        const QStringList fields = line.split(QLatin1Char(' '));
        if (line.startsWith(QLatin1Char('#')) || fields.size() != 4)
            continue;
        QTest::newRow(qPrintable(fields.at(0))) << fields.at(0) << fields.at(1) << fields.at(2).toUInt() << fields.at(3);
    }
}

void LevelGeneratorTest::seedsGiveTheirLevels()
{
    QFETCH(QString, seed);
    QFETCH(QString, fingerprint);
    QFETCH(quint32, time);
    QFETCH(QString, fileHash);

    Seed read;
    QString why;
    QVERIFY2(Seed::parse(seed, &read, &why), qPrintable(why));
    const std::optional<LevelGenerator::Generated> made = LevelGenerator(read).generate();
    QVERIFY(made);
    const QByteArray file = made->fileText();
    const QString hash = QString::fromLatin1(QCryptographicHash::hash(file, QCryptographicHash::Sha256).toHex().left(16));
    QCOMPARE(made->level.fingerprint(), fingerprint);
    QCOMPARE(made->level.proof->time, time);
    QCOMPARE(hash, fileHash);
    // What leaves the generator is a level any game reads back as it is, proven, with no warning;
    // before version 3 a goal may hide a hazard, and those seeds keep giving their levels as they were.
    Level back;
    QVERIFY2(LevelFile::read(file, &back, &why), qPrintable(why));
    QVERIFY(back.playsLike(made->level));
    QCOMPARE(back.name, read.fileName());
    QVERIFY(ProofCheck::of(back).holds());
    QCOMPARE(read.version >= 3 ? LevelCheck::warnings(back) : LevelCheck::setupWarnings(back), QStringList());
    if (read.version < 3)
        return;
    // The wells offered are what the proof sets and at most one more, of a colour there are
    // particles of: wells of a colour with none only where the proof pushes with them.
    int used[2] = {};
    for (const Replay::Action &action : back.proof->actions)
        used[action.kind] += action.type == Replay::Action::Well;
    const int offered[2] = {back.redWells, back.blueWells};
    for (const int kind : {RedWell, BlueWell}) {
        const int particleKind = kind == RedWell ? RedParticle : BlueParticle;
        const bool particles = std::any_of(back.particles.begin(), back.particles.end(),
                                           [&](const Level::Particle &p) { return p.kind == particleKind; });
        QVERIFY(offered[kind] >= used[kind]);
        if (!particles)
            QCOMPARE(offered[kind], used[kind]);
    }
    QVERIFY(offered[RedWell] + offered[BlueWell] - used[RedWell] - used[BlueWell] <= 1);
}

void LevelGeneratorTest::seedsAreRead_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("seed");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("error");

    const QString notASeed = QStringLiteral("\u201c%1\u201d is not a seed: a seed is the generator's version, a tier and a word of "
                                            "letters and digits (and - _ . between them), as 3-easy-42.");
    QTest::newRow("a tier and a number") << "2-easy-42" << "2-easy-42" << "Easy 42" << QString();
    QTest::newRow("version 1's, as ever") << "1-easy-42" << "1-easy-42" << "Easy 42" << QString();
    QTest::newRow("a word, written any way") << "  2-HARD-Comet " << "2-hard-comet" << "Hard comet" << QString();
    QTest::newRow("words joined by dashes") << "1-medium-red-sky-7" << "1-medium-red-sky-7" << "Medium red-sky-7" << QString();
    QTest::newRow("an underscore and a dot inside") << "2-easy-comet_2.b" << "2-easy-comet_2.b" << "Easy comet_2.b" << QString();
    QTest::newRow("letters of any script, accents composed")
        << QStringLiteral("2-Easy-Cafe\u0301\u65e5\u672c") << QStringLiteral("2-easy-caf\u00e9\u65e5\u672c")
        << QStringLiteral("Easy caf\u00e9\u65e5\u672c") << QString();
    QTest::newRow("a word of 32 characters, the most") << "2-medium-" + QString(32, QChar(0x00e9)) << "2-medium-" + QString(32, QChar(0x00e9))
                                                       << "Medium " + QString(32, QChar(0x00e9)) << QString();
    QTest::newRow("the puzzle of a day") << "2-daily-2026-12-09" << "2-daily-2026-12-09" << "Puzzle of 9 December 2026"
                                         << QString();
    QTest::newRow("a day that is none") << "2-daily-2026-02-30" << QString() << QString()
                                        << "\u201c2-daily-2026-02-30\u201d is not a seed: the puzzle of a day is named by its date, "
                                           "as 3-daily-2026-12-20.";
    QTest::newRow("the latest generator's") << "3-easy-42" << "3-easy-42" << "Easy 42" << QString();
    QTest::newRow("a later generator's") << "4-easy-42" << QString() << QString()
                                         << "\u201c4-easy-42\u201d is a seed of generator 4; this game's generators are 1 to 3.";
    QTest::newRow("no such tier") << "2-pro-42" << QString() << QString()
                                  << "\u201c2-pro-42\u201d is not a seed: its tier is easy, medium, hard or daily, not \u201cpro\u201d.";
    QTest::newRow("no word") << "2-easy-" << QString() << QString() << notASeed.arg("2-easy-");
    QTest::newRow("a word of 33 characters, too long for a name")
        << "2-medium-" + QString(33, QLatin1Char('x')) << QString() << QString()
        << "\u201c2-medium-" + QString(31, QLatin1Char('x')) + "...\u201d is not a seed: its word has 33 characters, and a seed's "
                                                             "word has at most 32.";
    QTest::newRow("markup is no seed, and is quoted as typed") << "2-easy-<b>" << QString() << QString() << notASeed.arg("2-easy-<b>");
    QTest::newRow("a control character is shown as ?") << QStringLiteral("2-easy-\u001b[31m") << QString() << QString()
                                                      << notASeed.arg("2-easy-?[31m");
}

void LevelGeneratorTest::seedsAreRead()
{
    QFETCH(QString, text);
    QFETCH(QString, seed);
    QFETCH(QString, name);
    QFETCH(QString, error);

    Seed read;
    QString why;
    QCOMPARE(Seed::parse(text, &read, &why), error.isEmpty());
    QCOMPARE(why, error);
    if (!error.isEmpty())
        return;
    QCOMPARE(read.text(), seed);
    QCOMPARE(read.fileName(), name);
    QVERIFY(read.fileName().size() <= LevelFile::maxNameLength);
}

void LevelGeneratorTest::cancelStopsAtOnce()
{
    // Cancel, as a window's Cancel does while the first level is made and two more wait: none is
    // made, and whoever waits for each hears so.
    PuzzleMaker maker;
    int made = 0;
    QStringList notMade;
    connect(&maker, &PuzzleMaker::made, this, [&] { ++made; });
    connect(&maker, &PuzzleMaker::notMade, this, [&](const Seed &seed, bool cancelled) {
        notMade.append(seed.text() + (cancelled ? QStringLiteral(" cancelled") : QString()));
    });
    for (const char *seed : {"1-hard-1", "1-hard-2", "1-easy-1"}) {
        Seed read;
        QString why;
        QVERIFY(Seed::parse(QLatin1String(seed), &read, &why));
        maker.make(read);
    }
    maker.cancel();
    QTRY_COMPARE(notMade.size(), 3);
    QCOMPARE(made, 0);
    notMade.sort();
    QCOMPARE(notMade, (QStringList{"1-easy-1 cancelled", "1-hard-1 cancelled", "1-hard-2 cancelled"}));
}

void LevelGeneratorTest::difficultyInMarks_data()
{
    QTest::addColumn<int>("wells");
    QTest::addColumn<int>("forgiving");
    QTest::addColumn<int>("plays");
    QTest::addColumn<QString>("shown");

    // A mark for each well after the first and one more at each step down in forgiveness; one at least.
    QTest::newRow("one well, forgiving: the fewest") << 1 << 100 << 0 << QStringLiteral("Easy \u00b7 \u2605\u2606\u2606\u2606\u2606");
    QTest::newRow("two wells, 95 % pass: no step down") << 2 << 95 << 0 << QStringLiteral("Easy \u00b7 \u2605\u2606\u2606\u2606\u2606");
    QTest::newRow("two wells, 94 %: one step") << 2 << 94 << 0 << QStringLiteral("Easy \u00b7 \u2605\u2605\u2606\u2606\u2606");
    QTest::newRow("three wells, 75 %: one step") << 3 << 75 << 0 << QStringLiteral("Easy \u00b7 \u2605\u2605\u2605\u2606\u2606");
    QTest::newRow("three wells, 50 %: two steps") << 3 << 50 << 0 << QStringLiteral("Easy \u00b7 \u2605\u2605\u2605\u2605\u2606");
    QTest::newRow("three wells, 49 %: three steps, the most") << 3 << 49 << 0 << QStringLiteral("Easy \u00b7 \u2605\u2605\u2605\u2605\u2605");
    QTest::newRow("six wells, 10 %: no more than five") << 6 << 10 << 0 << QStringLiteral("Easy \u00b7 \u2605\u2605\u2605\u2605\u2605");
    // From version 3 on, how many plans a person would try: the proof's wells and its forgiveness no longer count.
    QTest::newRow("found at the 25th plan: the fewest") << 3 << 10 << 25 << QStringLiteral("Easy \u00b7 \u2605\u2606\u2606\u2606\u2606");
    QTest::newRow("the 26th: two") << 1 << 100 << 26 << QStringLiteral("Easy \u00b7 \u2605\u2605\u2606\u2606\u2606");
    QTest::newRow("the 100th: two") << 1 << 100 << 100 << QStringLiteral("Easy \u00b7 \u2605\u2605\u2606\u2606\u2606");
    QTest::newRow("the 101st: three") << 1 << 100 << 101 << QStringLiteral("Easy \u00b7 \u2605\u2605\u2605\u2606\u2606");
    QTest::newRow("the 500th: three") << 2 << 100 << 500 << QStringLiteral("Easy \u00b7 \u2605\u2605\u2605\u2606\u2606");
    QTest::newRow("the 501st: four") << 2 << 100 << 501 << QStringLiteral("Easy \u00b7 \u2605\u2605\u2605\u2605\u2606");
    QTest::newRow("the 1500th: four") << 2 << 100 << 1500 << QStringLiteral("Easy \u00b7 \u2605\u2605\u2605\u2605\u2606");
    QTest::newRow("the 1501st: five") << 2 << 100 << 1501 << QStringLiteral("Easy \u00b7 \u2605\u2605\u2605\u2605\u2605");
}

void LevelGeneratorTest::difficultyInMarks()
{
    QFETCH(int, wells);
    QFETCH(int, forgiving);
    QFETCH(int, plays);
    QFETCH(QString, shown);

    LevelGenerator::Difficulty difficulty;
    difficulty.wells = wells;
    difficulty.forgivingPercent = forgiving;
    difficulty.plays = plays;
    QCOMPARE(LevelGenerator::describe(Seed::of(Seed::Easy, QStringLiteral("42")), difficulty), shown);
}

void LevelGeneratorTest::daysKeepTheirGenerator_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QString>("seed");

    // A day's puzzle is the same for every player, before and after an update: a new generator makes
    // only the days after its release.
    QTest::newRow("a day long past") << QDate(2026, 1, 1) << "2-daily-2026-01-01";
    QTest::newRow("the last day of version 2") << QDate(2026, 12, 10) << "2-daily-2026-12-10";
    QTest::newRow("the first day of version 3") << QDate(2026, 12, 11) << "3-daily-2026-12-11";
    QTest::newRow("a day years on") << QDate(2030, 6, 1) << "3-daily-2030-06-01";
}

void LevelGeneratorTest::daysKeepTheirGenerator()
{
    QFETCH(QDate, day);
    QFETCH(QString, seed);

    QCOMPARE(Seed::ofDay(day).text(), seed);
    Seed read;
    QString why;
    QVERIFY2(Seed::parse(seed, &read, &why), qPrintable(why));
    QCOMPARE(read.day, day);
}

void LevelGeneratorTest::modelFindsWhatAPersonFinds_data()
{
    QTest::addColumn<QByteArray>("level");
    QTest::addColumn<int>("fewest");
    QTest::addColumn<int>("most");

    const QByteArray open = "particle red 150 240\ngoal red 700 180 760 180 760 300 700 300\n";
    QTest::newRow("a straight pull: found among the first plans") << "wells red 1 blue 0\n" + open << 1 << 25;
    QTest::newRow("no well to set: never") << "wells red 0 blue 0\n" + open << PlayerModel::budget + 1 << PlayerModel::budget + 1;
    QTest::newRow("a wall between it and its goal, one well: never")
        << QByteArray("wells red 0 blue 1\nparticle red 150 240\ngoal red 24 180 40 180 40 300 24 300\nhazard 40 40 120 40 120 440 40 440\n")
        << PlayerModel::budget + 1 << PlayerModel::budget + 1;
    QTest::newRow("a goal sealed in a box: never")
        << QByteArray("wells red 2 blue 0\nparticle red 150 240\ngoal red 700 220 740 220 740 260 700 260\n"
                      "hazard 660 180 780 180 780 300 660 300 680 280 760 280 760 200 680 200 680 280 660 300\n")
        << PlayerModel::budget + 1 << PlayerModel::budget + 1;
}

void LevelGeneratorTest::modelFindsWhatAPersonFinds()
{
    QFETCH(QByteArray, level);
    QFETCH(int, fewest);
    QFETCH(int, most);

    const Level played = levelOf(level);
    const std::atomic<bool> never{false};
    const PlayerModel::Found found = PlayerModel(played, 1).search(PlayerModel::budget, never);
    QVERIFY2(found.plays >= fewest && found.plays <= most, qPrintable(QString::number(found.plays)));
    // A plan found passes the level as played; none is found past the budget.
    QCOMPARE(bool(found.plan), found.plays <= PlayerModel::budget);
    if (found.plan)
        QCOMPARE(found.plan->run(played, ProofCheck::maxTicks).status, int(Passed));
}

void LevelGeneratorTest::pocketsNoParticleReaches_data()
{
    QTest::addColumn<QByteArray>("areas");
    QTest::addColumn<int>("pockets");

    QTest::newRow("an open room") << QByteArray("hazard 300 200 400 200 400 300 300 300\n") << 0;
    QTest::newRow("a ring of hazard round free space")
        << QByteArray("hazard 500 100 700 100 700 300 500 300 520 280 680 280 680 120 520 120 520 280 500 300\n") << 1;
    QTest::newRow("a gap a particle fits through") << QByteArray("hazard 500 100 700 100 700 300 500 300 520 280 680 280 680 120 600 120 600 100 580 100 580 120 520 120 520 280 500 300\n") << 0;
    QTest::newRow("a sliver smaller than a particle") << QByteArray("hazard 400 100 440 100 440 130 400 130 404 112 424 112 424 104 404 104 404 112 400 130\n") << 0;
    QTest::newRow("a corner cut off by a wedge") << QByteArray("hazard 20 200 200 20 220 20 20 220\n") << 1;
}

void LevelGeneratorTest::pocketsNoParticleReaches()
{
    QFETCH(QByteArray, areas);
    QFETCH(int, pockets);

    QCOMPARE(LevelFigures::sealedPockets(levelOf("wells red 1 blue 0\nparticle red 150 400\ngoal red 300 400 400 400 400 440 300 440\n" + areas)),
             pockets);
}

void LevelGeneratorTest::savedPuzzlesAreKnown_data()
{
    QTest::addColumn<QString>("seed");
    QTest::addColumn<QString>("changed");
    QTest::addColumn<QString>("to");

    // A puzzle's file, its note perhaps changed by hand: known again with its seed and stars, or no puzzle.
    QTest::newRow("version 2's: its seed and stars") << "2-easy-7" << QString() << QString();
    QTest::newRow("version 3's, with its idea and its plans: its seed and stars") << "3-medium-7" << QString() << QString();
    QTest::newRow("a share over a hundred: no puzzle") << "2-easy-7" << "that pass: 0%" << "that pass: 101%";
    QTest::newRow("a part said twice: no puzzle") << "2-easy-7" << "; single" << "; wells its proof sets: 1; single";
    QTest::newRow("a seed of no generator: no puzzle") << "2-easy-7" << "seed 2-" << "seed 9-";
}

void LevelGeneratorTest::savedPuzzlesAreKnown()
{
    QFETCH(QString, seed);
    QFETCH(QString, changed);
    QFETCH(QString, to);

    Seed parsed;
    QString why;
    QVERIFY(Seed::parse(seed, &parsed, &why));
    const std::optional<LevelGenerator::Generated> made = LevelGenerator(parsed).generate();
    QVERIFY(made);
    Level saved;
    QVERIFY(LevelFile::read(QString::fromUtf8(made->fileText()).replace(changed, to).toUtf8(), &saved, &why));
    QVERIFY(changed.isEmpty() || saved.note != made->level.note);
    const std::optional<LevelGenerator::Generated> known = PuzzleNote::read(saved);
    QCOMPARE(known.has_value(), changed.isEmpty());
    if (known) {
        QCOMPARE(known->seed.text(), seed);
        QCOMPARE(LevelGenerator::describe(known->seed, known->difficulty), LevelGenerator::describe(parsed, made->difficulty));
    }
}

QTEST_GUILESS_MAIN(LevelGeneratorTest)
#include "tst_levelgenerator.moc"
