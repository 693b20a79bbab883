// Guards the levels made from seeds. A seed a player shares must give the very level, proof and
// all, on every machine and in every later release that keeps the generator's version: the golden
// table (golden-seeds.txt) holds what 30 seeds of each version gave when it was made, by
// fingerprint, proof time and the file's hash. Every level given is proven, and a text that is no
// seed is refused with why.
#include "levels/format/LevelCheck.h"
#include "levels/format/LevelFile.h"
#include "levels/format/ProofCheck.h"
#include "levels/puzzles/LevelGenerator.h"
#include "levels/puzzles/PuzzleMaker.h"

#include <QCryptographicHash>
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
};

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
}

void LevelGeneratorTest::seedsAreRead_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("seed");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("error");

    const QString notASeed = QStringLiteral("\u201c%1\u201d is not a seed: a seed is the generator's version, a tier and a word of "
                                            "letters and digits (and - _ . between them), as 2-easy-42.");
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
                                           "as 2-daily-2026-12-09.";
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
    QTest::addColumn<QString>("shown");

    // A mark for each well after the first and one more at each step down in forgiveness; one at least.
    QTest::newRow("one well, forgiving: the fewest") << 1 << 100 << QStringLiteral("Easy \u00b7 \u2605\u2606\u2606\u2606\u2606");
    QTest::newRow("two wells, 95 % pass: no step down") << 2 << 95 << QStringLiteral("Easy \u00b7 \u2605\u2606\u2606\u2606\u2606");
    QTest::newRow("two wells, 94 %: one step") << 2 << 94 << QStringLiteral("Easy \u00b7 \u2605\u2605\u2606\u2606\u2606");
    QTest::newRow("three wells, 75 %: one step") << 3 << 75 << QStringLiteral("Easy \u00b7 \u2605\u2605\u2605\u2606\u2606");
    QTest::newRow("three wells, 50 %: two steps") << 3 << 50 << QStringLiteral("Easy \u00b7 \u2605\u2605\u2605\u2605\u2606");
    QTest::newRow("three wells, 49 %: three steps, the most") << 3 << 49 << QStringLiteral("Easy \u00b7 \u2605\u2605\u2605\u2605\u2605");
    QTest::newRow("six wells, 10 %: no more than five") << 6 << 10 << QStringLiteral("Easy \u00b7 \u2605\u2605\u2605\u2605\u2605");
}

void LevelGeneratorTest::difficultyInMarks()
{
    QFETCH(int, wells);
    QFETCH(int, forgiving);
    QFETCH(QString, shown);

    LevelGenerator::Difficulty difficulty;
    difficulty.wells = wells;
    difficulty.forgivingPercent = forgiving;
    QCOMPARE(LevelGenerator::describe(Seed::of(Seed::Easy, QStringLiteral("42")), difficulty), shown);
}

QTEST_GUILESS_MAIN(LevelGeneratorTest)
#include "tst_levelgenerator.moc"
