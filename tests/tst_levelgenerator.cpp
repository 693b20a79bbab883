// Guards the levels made from seeds. A seed a player shares must give the very level, proof and
// all, on every machine and in every later release that keeps the generator's version: the golden
// table below holds what 30 seeds gave when version 1 was made, by fingerprint, proof time and
// the file's hash. Every level given is proven, and a text that is no seed is refused with why.
#include "levels/format/LevelCheck.h"
#include "levels/format/LevelFile.h"
#include "levels/format/ProofCheck.h"
#include "levels/puzzles/LevelGenerator.h"
#include "levels/puzzles/PuzzleMaker.h"

#include <QCryptographicHash>
#include <QtTest>

class LevelGeneratorTest : public QObject
{
    Q_OBJECT

private slots:
    void seedsGiveTheirLevels_data();
    void seedsGiveTheirLevels();
    void seedsAreRead_data();
    void seedsAreRead();
    void cancelStopsAtOnce();
};

void LevelGeneratorTest::seedsGiveTheirLevels_data()
{
    QTest::addColumn<QString>("seed");
    QTest::addColumn<QString>("fingerprint");
    QTest::addColumn<quint32>("time");
    QTest::addColumn<QString>("fileHash");

    QTest::newRow("1-easy-1") << "1-easy-1" << "fd2b4f6b4de18dbe" << 2120u << "dace6ae66b8e8ff9";
    QTest::newRow("1-easy-2") << "1-easy-2" << "dd37fe7e8a3c60ea" << 1360u << "3949a16a1e79cd97";
    QTest::newRow("1-easy-3") << "1-easy-3" << "2df7741e27a37d2b" << 1560u << "42fef86bce642ea2";
    QTest::newRow("1-easy-42") << "1-easy-42" << "9080a19f35d8d3cb" << 1560u << "03c4c0adaddd54e7";
    QTest::newRow("1-easy-comet") << "1-easy-comet" << "f26badad8437a403" << 1340u << "a6127e98463620fd";
    QTest::newRow("1-easy-7") << "1-easy-7" << "6bee96a17a6ab033" << 2100u << "1971d64a4bf71f87";
    QTest::newRow("1-easy-99") << "1-easy-99" << "8787f5fc4cca158a" << 1460u << "03253466dd7b91d4";
    QTest::newRow("1-easy-1000") << "1-easy-1000" << "c5d213c61c553557" << 990u << "b1816b148251d3e7";
    QTest::newRow("1-medium-1") << "1-medium-1" << "a5d1b3aca144dae8" << 2890u << "8048b330130d7b7c";
    QTest::newRow("1-medium-2") << "1-medium-2" << "23469aa24bbb50c0" << 3000u << "bd82d4f7abd4e46c";
    QTest::newRow("1-medium-3") << "1-medium-3" << "ea0ebd1edf997b7a" << 3920u << "a8ce8e6209d05657";
    QTest::newRow("1-medium-42") << "1-medium-42" << "5b26fd9442f745ff" << 3280u << "d0abe38634e6f40d";
    QTest::newRow("1-medium-comet") << "1-medium-comet" << "a5a3441f3b1c2aef" << 2700u << "ca572f829ff85299";
    QTest::newRow("1-medium-7") << "1-medium-7" << "d7a6e217c5b4ab66" << 3850u << "0b4aaaa82b2addca";
    QTest::newRow("1-medium-99") << "1-medium-99" << "10c1abb36c06a222" << 2870u << "68e20cb4f52329f9";
    QTest::newRow("1-medium-1000") << "1-medium-1000" << "e2a137b2bc0b5af8" << 2640u << "d53051c2da41ad8a";
    QTest::newRow("1-hard-1") << "1-hard-1" << "0b7feafcefe60350" << 5750u << "230b70e39b0c8f0a";
    QTest::newRow("1-hard-2") << "1-hard-2" << "e63b410c4e0d07bc" << 3770u << "59919a88ef999b8b";
    QTest::newRow("1-hard-3") << "1-hard-3" << "e941d44279bfeeef" << 6890u << "4d10a3f76453a67b";
    QTest::newRow("1-hard-42") << "1-hard-42" << "831bda2fb62549f5" << 4830u << "8875ec6c3b131e37";
    QTest::newRow("1-hard-comet") << "1-hard-comet" << "6cf6c7b3057b6702" << 3770u << "c8a1ed688f6a0d1b";
    QTest::newRow("1-hard-7") << "1-hard-7" << "d8b40d2e5b7f9509" << 5490u << "f71027125b371888";
    QTest::newRow("1-hard-99") << "1-hard-99" << "fbe6629373c19705" << 3540u << "fe373f222bb7addd";
    QTest::newRow("1-hard-1000") << "1-hard-1000" << "c9001b7189e30b60" << 4330u << "08fd822b2819a86a";
    QTest::newRow("1-daily-2026-12-09") << "1-daily-2026-12-09" << "ca1f7b830aa2ef37" << 2210u << "a26b4bb815de6aca";
    QTest::newRow("1-daily-2026-12-10") << "1-daily-2026-12-10" << "d3a99f43f35c2026" << 4020u << "e4f16f95f1a4c767";
    QTest::newRow("1-daily-2027-01-01") << "1-daily-2027-01-01" << "81ba1497058d797c" << 3510u << "188c41e77170f72e";
    QTest::newRow("1-daily-2028-02-29") << "1-daily-2028-02-29" << "a8f287bc82adb389" << 2720u << "bdc6e5f2938540f3";
    QTest::newRow("1-medium-red-sky-7") << "1-medium-red-sky-7" << "8fe0cdff6086a77d" << 3910u << "33dafaad3e4ccd94";
    QTest::newRow("1-easy-0") << "1-easy-0" << "8df2288eafdcdad3" << 1010u << "8873d3477e0c1372";
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
    // What leaves the generator is a level any game reads back as it is, proven, with no warning.
    Level back;
    QVERIFY2(LevelFile::read(file, &back, &why), qPrintable(why));
    QVERIFY(back.playsLike(made->level));
    QCOMPARE(back.name, read.fileName());
    QVERIFY(ProofCheck::of(back).holds());
    QCOMPARE(LevelCheck::warnings(back), QStringList());
}

void LevelGeneratorTest::seedsAreRead_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("seed");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("error");

    QTest::newRow("a tier and a number") << "1-easy-42" << "1-easy-42" << "Easy 42" << QString();
    QTest::newRow("a word, written any way") << "  1-HARD-Comet " << "1-hard-comet" << "Hard comet" << QString();
    QTest::newRow("words joined by dashes") << "1-medium-red-sky-7" << "1-medium-red-sky-7" << "Medium red-sky-7" << QString();
    QTest::newRow("the puzzle of a day") << "1-daily-2026-12-09" << "1-daily-2026-12-09" << "Puzzle of 9 December 2026"
                                         << QString();
    QTest::newRow("a day that is none") << "1-daily-2026-02-30" << QString() << QString()
                                        << "the puzzle of a day is named by its date, as 1-daily-2026-12-09";
    QTest::newRow("another generator's") << "2-easy-42" << QString() << QString()
                                         << "2-easy-42 is a seed of generator 2; this game's generator is 1";
    QTest::newRow("no such tier") << "1-pro-42" << QString() << QString()
                                  << "the tier of a seed is easy, medium, hard or daily, not 'pro'";
    QTest::newRow("no word") << "1-easy-" << QString() << QString()
                             << "'1-easy-' is not a seed: a seed is the generator's version, a tier and a word, as 1-easy-42";
    QTest::newRow("a word too long for a name")
        << "1-medium-" + QString(33, QLatin1Char('x')) << QString() << QString() << "the word of a seed has at most 32 characters";
    QTest::newRow("markup is no seed") << "1-easy-<b>" << QString() << QString()
                                       << "'1-easy-<b>' is not a seed: a seed is the generator's version, a tier and a word, as 1-easy-42";
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

QTEST_GUILESS_MAIN(LevelGeneratorTest)
#include "tst_levelgenerator.moc"
