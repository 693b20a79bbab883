// Guards levels as files. A built-in level written out and read back must play exactly as the
// built-in one, or a shared level would not be the level it claims. A level file comes from
// anywhere, so the reader must refuse what no editor makes, each time naming the line and the
// reason. The fingerprint that keys records must follow what is played and nothing else. What a
// player sees as goal must be goal: a hazard hidden under one is warned of.
#include "levels/catalogue/LevelCatalogue.h"
#include "levels/format/Level.h"
#include "levels/format/LevelCheck.h"
#include "levels/format/LevelFile.h"
#include "levels/format/ProofCheck.h"
#include "sim/LevelState.h"

#include <QTest>

namespace {
const QByteArray header = "swirlfall-level 1\nname Two Ways\nwells red 1 blue 1\n";
const QByteArray particles = "particle red 150 240\nparticle blue 650 240\n";
const QByteArray areas = "goal red 700 200 760 200 760 280 700 280\ngoal blue 40 200 100 200 100 280 40 280\n"
                         "hazard 380 40 420 40 420 160 380 160\n";
const QByteArray example = header + particles + areas + "solution 3310\n0 well 770 240 0\n";

QByteArray repeated(const QByteArray &line, int times)
{
    QByteArray text;
    for (int i = 0; i < times; ++i)
        text += line;
    return text;
}
} // namespace

class LevelFileTest : public QObject
{
    Q_OBJECT

private slots:
    void builtInLevelsReadBackAlike_data();
    void builtInLevelsReadBackAlike();
    void namesReadBackAsWritten_data();
    void namesReadBackAsWritten();
    void limits_data();
    void limits();
    void fingerprintFollowsPlay_data();
    void fingerprintFollowsPlay();
    void hazardUnderGoalIsWarned_data();
    void hazardUnderGoalIsWarned();
};

void LevelFileTest::builtInLevelsReadBackAlike_data()
{
    QTest::addColumn<int>("number");

    for (int number = 1; number <= LevelCatalogue::levelCount; ++number)
        QTest::newRow(qPrintable(QStringLiteral("level %1").arg(number))) << number;
}

void LevelFileTest::builtInLevelsReadBackAlike()
{
    QFETCH(int, number);

    Level builtIn = LevelCatalogue::level(number);
    builtIn.proof = LevelCatalogue::solution(number);
    Level read;
    QString error;
    QVERIFY2(LevelFile::read(LevelFile::toText(builtIn).toUtf8(), &read, &error), qPrintable(error));
    QCOMPARE(read.number, 0);
    QCOMPARE(read.name, builtIn.name);
    QVERIFY(read.playsLike(builtIn));
    QCOMPARE(read.proof->actionsText(), builtIn.proof->actionsText());
    // Played tick by tick, both are the same level.
    const auto positions = [](const Level &level) {
        QList<QPointF> all;
        level.proof->run(level, ProofCheck::maxTicks, [&all](const LevelState &state, int) {
            for (const ParticleObject &particle : state.particles)
                all.append(particle);
        });
        return all;
    };
    QCOMPARE(positions(read), positions(builtIn));
    const ProofCheck check = ProofCheck::of(read);
    QVERIFY2(check.holds(), qPrintable(check.text()));
    QCOMPARE(check.time, builtIn.proof->time);
    // Their goals share edges with hazards, set into them, and lie on none.
    QCOMPARE(LevelCheck::warnings(read), QStringList());
}

void LevelFileTest::namesReadBackAsWritten_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("note");

    // A name is the player's text: nothing in it may be read as a placeholder to fill in. A note,
    // the comment after the first line, such as a puzzle's seed, is kept as it is too.
    QTest::newRow("a placeholder") << "Top%1 x" << QString();
    QTest::newRow("the numbers' placeholders") << "%3 %4 %5" << QString();
    QTest::newRow("a localised placeholder and a percent") << "%L1 %% 100%" << QString();
    QTest::newRow("a comment's mark first") << "# not a comment" << QString();
    QTest::newRow("forty characters") << QString(LevelFile::maxNameLength, QLatin1Char('%')) << QString();
    QTest::newRow("a puzzle's note") << "Easy 42" << "generated from the seed 2-easy-42; wells: 2 %1";
}

void LevelFileTest::namesReadBackAsWritten()
{
    QFETCH(QString, name);

    Level level;
    QString error;
    QVERIFY(LevelFile::read(example, &level, &error));
    QFETCH(QString, note);
    level.name = name;
    level.note = note;
    Level read;
    QVERIFY2(LevelFile::read(LevelFile::toText(level).toUtf8(), &read, &error), qPrintable(error));
    QCOMPARE(read.name, name);
    QCOMPARE(read.note, note);
    QVERIFY(read.playsLike(level));
    QCOMPARE(read.proof->toText(), level.proof->toText());
}

void LevelFileTest::limits_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");

    // Every limit is inclusive: an editor may make a level at it, one past it is refused.
    const QByteArray one = header + "particle red 1 1\n";
    const QByteArray comments = repeated("#" + QByteArray(998, 'x') + "\n", 1100);
    QTest::newRow("accepted: exactly 1 MiB") << one + comments.left((1 << 20) - one.size() - 1) + "\n" << QString();
    QTest::newRow("accepted: a line of 1000 characters") << one + "#" + QByteArray(999, 'x') << QString();
    QTest::newRow("accepted: the playfield's corners")
        << header + "particle red 0 0\nparticle blue 800 480\nhazard 0 480 800 0 800 480\n" << QString();
    QTest::newRow("accepted: 3 and 100 points") << one + "hazard 1 1 2 2 3 3\nhazard" + repeated(" 1 1", 100) + "\n"
                                                << QString();
    QTest::newRow("accepted: 100 particles") << header + repeated("particle red 1 1\n", 100) << QString();
    QTest::newRow("accepted: 100 areas") << one + repeated("hazard 1 1 2 2 3 3\n", 100) << QString();
    QTest::newRow("accepted: 0 and 20 wells") << QByteArray("swirlfall-level 1\nname X\nwells red 0 blue 20\n") + "particle red 1 1\n"
                                              << QString();
    QTest::newRow("accepted: a name of 40 characters")
        << QByteArray("swirlfall-level 1\nname ") + QByteArray(40, 'x') + "\nwells red 1 blue 1\nparticle red 1 1\n" << QString();
    QTest::newRow("a line of 1001 characters") << one + "#" + QByteArray(1000, 'x') << "line 5: longer than 1000 characters";
    QTest::newRow("off the playfield below") << header + "particle red 0 481\n" << "line 4: (0, 481) is off the playfield";
    QTest::newRow("off the playfield left") << header + "particle red -1 0\n" << "line 4: (-1, 0) is off the playfield";
    QTest::newRow("-1 wells") << QByteArray("swirlfall-level 1\nwells red -1 blue 0\n")
                              << "line 2: a budget is 0 to 20 wells, not -1";
    QTest::newRow("a name of no characters") << QByteArray("swirlfall-level 1\nname \n")
                                             << "line 2: a name has 1 to 40 characters, not 0";

    QTest::newRow("over 1 MiB") << QByteArray((1 << 20) + 1, '#') << "larger than 1024 KiB, too large for a level";
    QTest::newRow("not a level") << QByteArray("# level 1 time 0\n0 well 1 1 0\n")
                                 << "line 2: not a Swirlfall level: it starts without \"swirlfall-level 1\"";
    QTest::newRow("a later version") << QByteArray("swirlfall-level 2\n")
                                     << "line 1: format version 2, but this game reads version 1";
    QTest::newRow("not UTF-8") << QByteArray("swirlfall-level 1\nname Caf\xe9\n") << "line 2: not UTF-8 text";
    QTest::newRow("a line too long") << header + "hazard" + repeated(" 1", 600) << "line 4: longer than 1000 characters";
    QTest::newRow("an unknown word") << header + "well red 1 1\n" << "line 4: unknown word 'well'";
    QTest::newRow("a number too large") << header + "particle red 4294967306 1\n" << "line 4: a number too large";
    QTest::newRow("not a number") << header + "particle red 1.5 1\n" << "line 4: '1.5' is not a whole number";
    QTest::newRow("off the playfield") << header + "particle blue 801 0\n" << "line 4: (801, 0) is off the playfield";
    QTest::newRow("a colour that is not one") << header + "particle green 1 1\n"
                                              << "line 4: a colour is red or blue, not 'green'";
    QTest::newRow("two points make no area") << header + "hazard 1 1 2 2\n" << "line 4: an area has 3 to 100 points, not 2";
    QTest::newRow("101 points") << header + "hazard" + repeated(" 1 1", 101) + "\n"
                                << "line 4: an area has 3 to 100 points, not 101";
    QTest::newRow("an x without its y") << header + "hazard 1 1 2 2 3\n" << "line 4: an x without its y";
    QTest::newRow("101 particles") << header + repeated("particle red 1 1\n", 101) << "line 104: more than 100 particles";
    QTest::newRow("101 areas") << header + particles + repeated("hazard 1 1 2 2 3 3\n", 101)
                               << "line 106: more than 100 areas";
    QTest::newRow("21 wells") << QByteArray("swirlfall-level 1\nwells red 21 blue 0\n")
                              << "line 2: a budget is 0 to 20 wells, not 21";
    QTest::newRow("a name of 41 characters") << QByteArray("swirlfall-level 1\nname ") + QByteArray(41, 'x')
                                             << "line 2: a name has 1 to 40 characters, not 41";
    QTest::newRow("a name with a control character") << QByteArray("swirlfall-level 1\nname \x1b[2J\n")
                                                     << "line 2: a name has only printable characters";
    QTest::newRow("a second name") << header + "name Again\n" << "line 4: a second name";
    QTest::newRow("no name") << QByteArray("swirlfall-level 1\nwells red 1 blue 1\nparticle red 1 1\n")
                             << "line 3: the level has no name";
    QTest::newRow("no wells") << QByteArray("swirlfall-level 1\nname X\nparticle red 1 1\n")
                              << "line 3: the level has no wells line";
    QTest::newRow("no particle") << header + areas << "line 6: the level has no particle";
    QTest::newRow("a solution without its time") << header + particles + "solution\n"
                                                 << "line 6: solution takes the time in ms in which its replay passes the level";
    QTest::newRow("a proof whose ticks go back") << header + particles + "solution 10\n5 well 1 1 0\n4 well 2 2 0\n"
                                                 << "line 8: ticks go backwards";
}

void LevelFileTest::limits()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);

    Level level;
    QString why;
    QCOMPARE(LevelFile::read(bytes, &level, &why), error.isEmpty());
    QCOMPARE(why, error);
}

void LevelFileTest::fingerprintFollowsPlay_data()
{
    QTest::addColumn<QByteArray>("changed");
    QTest::addColumn<bool>("same");

    QTest::newRow("another name") << QByteArray(header).replace("Two Ways", "Renamed") + particles + areas << true;
    QTest::newRow("no proof") << header + particles + areas << true;
    QTest::newRow("another proof") << header + particles + areas + "solution 0\n" << true;
    QTest::newRow("a particle moved across") << header + "particle red 151 240\nparticle blue 650 240\n" + areas << false;
    QTest::newRow("a particle moved down") << header + "particle red 150 241\nparticle blue 650 240\n" + areas << false;
    QTest::newRow("a particle's colour") << header + "particle blue 150 240\nparticle blue 650 240\n" + areas << false;
    QTest::newRow("the particles in another order") << header + "particle blue 650 240\nparticle red 150 240\n" + areas
                                                    << false;
    QTest::newRow("one particle more") << header + particles + "particle red 1 1\n" + areas << false;
    QTest::newRow("the red budget") << QByteArray(header).replace("red 1", "red 2") + particles + areas << false;
    QTest::newRow("the blue budget") << QByteArray(header).replace("blue 1", "blue 2") + particles + areas << false;
    QTest::newRow("the same wells in all, shared otherwise") << QByteArray(header).replace("red 1 blue 1", "red 0 blue 2") + particles + areas
                                         << false;
    QTest::newRow("an area's kind") << header + particles + QByteArray(areas).replace("goal blue", "hazard") << false;
    QTest::newRow("an area's point") << header + particles + QByteArray(areas).replace("380 160", "380 161") << false;
    QTest::newRow("one area fewer") << header + particles + areas.left(areas.indexOf("hazard")) << false;
    QTest::newRow("the areas in another order") << header + particles + areas.mid(areas.indexOf("goal blue")) +
                                                       areas.left(areas.indexOf("goal blue"))
                                                << false;
}

void LevelFileTest::fingerprintFollowsPlay()
{
    QFETCH(QByteArray, changed);
    QFETCH(bool, same);

    Level original;
    Level other;
    QString error;
    QVERIFY(LevelFile::read(example, &original, &error));
    QVERIFY2(LevelFile::read(changed, &other, &error), qPrintable(error));
    QCOMPARE(other.fingerprint() == original.fingerprint(), same);
    QCOMPARE(original.fingerprint().size(), 16);
}

void LevelFileTest::hazardUnderGoalIsWarned_data()
{
    QTest::addColumn<QByteArray>("areas");
    QTest::addColumn<QStringList>("colours");

    const QByteArray goal = "goal red 600 160 720 160 720 200 600 200\n";
    QTest::newRow("a goal clear of every hazard") << goal << QStringList();
    QTest::newRow("a goal set into a notch, sharing its edges") << goal + "hazard 560 160 600 160 600 200 720 200 720 160 760 160 760 300 560 300\n"
                                                                << QStringList();
    QTest::newRow("a rock under a goal's top edge, drawn over by the goal")
        << "hazard 675 191 672 175 628 183 631 200\n" + goal << QStringList{"red"};
    QTest::newRow("a rock under a goal, drawn over the goal") << goal + "hazard 650 170 670 170 670 190 650 190\n"
                                                              << QStringList{"red"};
    QTest::newRow("a goal laid along a hill's far face, sharing its edge")
        << QByteArray("hazard 260 460 410 350 550 460\ngoal blue 431 367 494 416 502 397 448 355\n") << QStringList();
    QTest::newRow("a goal reaching into the frame") << QByteArray("goal blue 700 10 760 10 760 60 700 60\n") << QStringList{"blue"};
    QTest::newRow("each goal with a hazard under it")
        << goal + "goal blue 40 300 100 300 100 340 40 340\nhazard 60 310 80 310 80 330 60 330\nhazard 610 170 620 170 620 180\n"
        << QStringList{"red", "blue"};
}

void LevelFileTest::hazardUnderGoalIsWarned()
{
    QFETCH(QByteArray, areas);
    QFETCH(QStringList, colours);

    Level level;
    QString error;
    QVERIFY2(LevelFile::read(header + particles + areas, &level, &error), qPrintable(error));
    const QStringList warned = LevelCheck::hiddenHazards(level);
    QCOMPARE(warned.size(), colours.size());
    const LevelState state = level.newState();
    for (int i = 0; i < warned.size(); ++i) {
        QVERIFY2(warned.at(i).contains(QStringLiteral("the %1 goal").arg(colours.at(i))), qPrintable(warned.at(i)));
        // The point it names is one where a particle, entering the goal, fails.
        const QStringList at = warned.at(i).section(QLatin1Char('('), 1).section(QLatin1Char(')'), 0, 0).split(QStringLiteral(", "));
        const QPoint point(at.at(0).toInt(), at.at(1).toInt());
        bool goalThere = false;
        bool hazardThere = false;
        for (const Area &area : state.areas) {
            goalThere = goalThere || (area.kind != Hazard && area.holds(point));
            hazardThere = hazardThere || (area.kind == Hazard && area.holds(point));
        }
        QVERIFY2(goalThere && hazardThere, qPrintable(warned.at(i)));
    }
    QCOMPARE(LevelCheck::warnings(level).mid(LevelCheck::setupWarnings(level).size()), warned);
}

QTEST_GUILESS_MAIN(LevelFileTest)
#include "tst_levelfile.moc"
