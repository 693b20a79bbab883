// Guards the levels made from seeds. A seed a player shares must give the very level, proof and
// all, on every machine and in every later release that keeps the generator's version: the golden
// table below holds what 30 seeds gave when version 1 was made, by fingerprint, proof time and
// the file's hash. Every level given is proven, and a text that is no seed is refused with why.
#include "levels/LevelCheck.h"
#include "levels/LevelFile.h"
#include "levels/LevelGenerator.h"
#include "levels/ProofCheck.h"

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
};

void LevelGeneratorTest::seedsGiveTheirLevels_data()
{
    QTest::addColumn<QString>("seed");
    QTest::addColumn<QString>("fingerprint");
    QTest::addColumn<quint32>("time");
    QTest::addColumn<QString>("fileHash");

    QTest::newRow("1-easy-1") << "1-easy-1" << "dce67b391eef1d41" << 1360u << "8d9f20063f05edec";
    QTest::newRow("1-easy-2") << "1-easy-2" << "dd37fe7e8a3c60ea" << 1360u << "3949a16a1e79cd97";
    QTest::newRow("1-easy-3") << "1-easy-3" << "3cfa3e27df3edfc3" << 2260u << "6cad557639e012af";
    QTest::newRow("1-easy-42") << "1-easy-42" << "a0fc4684e0f62b7a" << 1460u << "a626bfce6fc25600";
    QTest::newRow("1-easy-comet") << "1-easy-comet" << "d3f539ff2e3988b8" << 1690u << "8a230e6d923be611";
    QTest::newRow("1-easy-7") << "1-easy-7" << "23403cb6a1834a44" << 1520u << "3ab34c4f340128df";
    QTest::newRow("1-easy-99") << "1-easy-99" << "fa644c3c8f344992" << 1860u << "036d2a98bdf2270e";
    QTest::newRow("1-easy-1000") << "1-easy-1000" << "d91d5f018c81e671" << 1480u << "4a84cd3307608821";
    QTest::newRow("1-medium-1") << "1-medium-1" << "d5cb2971d96c8e88" << 4810u << "e3cdbdc966e68f5b";
    QTest::newRow("1-medium-2") << "1-medium-2" << "b721ecef1ff9106b" << 3400u << "5373ff86d4a433c8";
    QTest::newRow("1-medium-3") << "1-medium-3" << "f33f816dec78bfb9" << 3180u << "4427048728687344";
    QTest::newRow("1-medium-42") << "1-medium-42" << "4f60b7c093727757" << 3080u << "277b5399dcdf9617";
    QTest::newRow("1-medium-comet") << "1-medium-comet" << "4e5fe4093f5a009a" << 3260u << "df661e028585ef34";
    QTest::newRow("1-medium-7") << "1-medium-7" << "b9359e9fbaffbacb" << 4870u << "a407c78ad1286628";
    QTest::newRow("1-medium-99") << "1-medium-99" << "a58eb86694e43167" << 2700u << "2f68209e65187c94";
    QTest::newRow("1-medium-1000") << "1-medium-1000" << "cb2502c6e7417fbc" << 4280u << "afdca3447905de19";
    QTest::newRow("1-hard-1") << "1-hard-1" << "f6000758766b0d36" << 5620u << "07f087eae25b7179";
    QTest::newRow("1-hard-2") << "1-hard-2" << "b0e19e40c2f2266c" << 5110u << "15bd7a261b78aef9";
    QTest::newRow("1-hard-3") << "1-hard-3" << "b0b8c903f5f8ac54" << 2850u << "c405866a2abbf2fc";
    QTest::newRow("1-hard-42") << "1-hard-42" << "4bde599fa11475ea" << 2720u << "2a03bbfcf933dd00";
    QTest::newRow("1-hard-comet") << "1-hard-comet" << "946a91f02b4d239d" << 3880u << "6ad49e6865584aad";
    QTest::newRow("1-hard-7") << "1-hard-7" << "196933804387f86d" << 4380u << "01cd8d958c82401d";
    QTest::newRow("1-hard-99") << "1-hard-99" << "a9c9b58b1a14d785" << 2230u << "51a64d0d89744218";
    QTest::newRow("1-hard-1000") << "1-hard-1000" << "dda612c3c17b11ac" << 3420u << "daab0d9bdbba42f3";
    QTest::newRow("1-daily-2026-12-09") << "1-daily-2026-12-09" << "a8ebf16d1c92e247" << 3260u << "2d49760e0bdfb0b5";
    QTest::newRow("1-daily-2026-12-10") << "1-daily-2026-12-10" << "59956eea7edc5702" << 2770u << "9e34c4d8b6f3a40c";
    QTest::newRow("1-daily-2027-01-01") << "1-daily-2027-01-01" << "0a173cce914e039d" << 2010u << "46c576bf48d8c290";
    QTest::newRow("1-daily-2028-02-29") << "1-daily-2028-02-29" << "3706ecd7dafce6d1" << 2010u << "18ff8ba9b1d37456";
    QTest::newRow("1-medium-red-sky-7") << "1-medium-red-sky-7" << "edfbe3230a4ca869" << 2990u << "645798b4fea3928b";
    QTest::newRow("1-easy-0") << "1-easy-0" << "6f9640b81bcebf3c" << 1040u << "087c46b58809913c";
}

void LevelGeneratorTest::seedsGiveTheirLevels()
{
    QFETCH(QString, seed);
    QFETCH(QString, fingerprint);
    QFETCH(quint32, time);
    QFETCH(QString, fileHash);

    LevelGenerator::Seed read;
    QString why;
    QVERIFY2(LevelGenerator::Seed::parse(seed, &read, &why), qPrintable(why));
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

    LevelGenerator::Seed read;
    QString why;
    QCOMPARE(LevelGenerator::Seed::parse(text, &read, &why), error.isEmpty());
    QCOMPARE(why, error);
    if (!error.isEmpty())
        return;
    QCOMPARE(read.text(), seed);
    QCOMPARE(read.fileName(), name);
    QVERIFY(read.fileName().size() <= LevelFile::maxNameLength);
}

QTEST_GUILESS_MAIN(LevelGeneratorTest)
#include "tst_levelgenerator.moc"
