// Guards the best-time file: the byte layout other copies of the game read and write, damaged
// and odd-sized files, and a save that fails half-way, which must never cost the old records.
#include "TestFiles.h"
#include "levels/saves/DailyStreak.h"
#include "levels/saves/DayLog.h"
#include "levels/saves/LevelRecords.h"
#include "levels/saves/ScoreStore.h"

#include <QBuffer>
#include <QDir>
#include <QLockFile>
#include <QSaveFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <csignal>
#include <sys/resource.h>

namespace {
QByteArray entries(const QList<quint32> &values)
{
    QByteArray bytes;
    for (quint32 value : values) {
        for (int shift = 0; shift < 32; shift += 8)
            bytes.append(char((value >> shift) & 0xff));
    }
    return bytes;
}

QList<quint32> count(int n, quint32 first = 1)
{
    QList<quint32> values;
    for (int i = 0; i < n; ++i)
        values.append(first + quint32(i));
    return values;
}

QList<quint32> repeated(int n, quint32 value)
{
    QList<quint32> values;
    for (int i = 0; i < n; ++i)
        values.append(value);
    return values;
}

QList<quint32> padded(QList<quint32> values, int size)
{
    return values + repeated(size - values.size(), 0);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A device that accepts no byte, as a full disk would.
class RefusingDevice : public QIODevice
{
protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64) override { return -1; }
};
} // namespace

class ScoreStoreTest : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void writeLayout();
    void roundTripThroughFile();
    void loadMissingFileGivesNoTimes();
    void writeToRefusingDevice();
    void failedSaveKeepsOldFile_data();
    void failedSaveKeepsOldFile();
    void saveStoppedByFileSizeLimitKeepsOldFile();
    void updateTakesTheFilesBetterTimes_data();
    void updateTakesTheFilesBetterTimes();
    void updateGetsPastALock_data();
    void updateGetsPastALock();
    void streakOfDays_data();
    void streakOfDays();
    void streakFileIsReadStrictly_data();
    void streakFileIsReadStrictly();
    void daysPassed_data();
    void daysPassed();
    void daysFileIsReadStrictly_data();
    void daysFileIsReadStrictly();
};

void ScoreStoreTest::read_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<quint32>>("expected");

    QTest::newRow("empty: no times") << QByteArray() << repeated(20, 0);
    QTest::newRow("3 bytes: a fragment is ignored") << QByteArray("\x01\x02\x03", 3) << repeated(20, 0);
    QTest::newRow("5 entries and a fragment") << entries(count(5)) + QByteArray("\x09", 1) << padded(count(5), 20);
    QTest::newRow("20 entries without check value") << entries(count(20)) << count(20);
    QTest::newRow("21 entries, wrong check value") << entries(count(21, 100)) << count(20, 100);
    QTest::newRow("22 entries: the rest is ignored") << entries(count(22, 7)) << count(20, 7);
    QTest::newRow("4 KiB: only the first 21 entries are read") << QByteArray(4096, '\x01') << repeated(20, 0x01010101);
}

void ScoreStoreTest::read()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<quint32>, expected);

    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QCOMPARE(ScoreStore::read(buffer, 20), expected);
}

void ScoreStoreTest::writeLayout()
{
    QList<quint32> times = repeated(20, 0);
    times[2] = 0x01020304;
    times[19] = 0xFFFFFFFF;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(ScoreStore::write(buffer, times));
    const QByteArray bytes = buffer.data();
    QCOMPARE(bytes.size(), 84);
    // Level 3's entry, least significant byte first.
    QCOMPARE(bytes.mid(8, 4), QByteArray("\x04\x03\x02\x01", 4));
    // The check value is the sum modulo 2^32.
    QCOMPARE(bytes.mid(80, 4), entries({0x01020303}));
}

void ScoreStoreTest::roundTripThroughFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("scores.dat"));
    const QList<quint32> times = count(20, 1500);
    QVERIFY(ScoreStore::save(path, times));
    QCOMPARE(TestFiles::contents(path).size(), 84);
    QCOMPARE(ScoreStore::load(path, 20), times);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("scores.dat")});
}

void ScoreStoreTest::loadMissingFileGivesNoTimes()
{
    QTemporaryDir dir;
    QCOMPARE(ScoreStore::load(dir.filePath(QStringLiteral("scores.dat")), 20), repeated(20, 0));
    // A folder where the file should be reads as no times too, and a named pipe at once: opened,
    // it would wait for a writer for ever.
    QCOMPARE(ScoreStore::load(dir.path(), 20), repeated(20, 0));
    const QString pipe = dir.filePath(QStringLiteral("pipe"));
    QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QCOMPARE(ScoreStore::load(pipe, 20), repeated(20, 0));
    QVERIFY(LevelRecords::load(pipe).isEmpty());
}

void ScoreStoreTest::writeToRefusingDevice()
{
    RefusingDevice device;
    device.open(QIODevice::WriteOnly);
    QVERIFY(!ScoreStore::write(device, count(20)));
}

void ScoreStoreTest::failedSaveKeepsOldFile_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("oldFile");

    // Root can write anywhere, so the save is made impossible in ways permissions cannot override.
    QTest::newRow("target is a folder") << QStringLiteral("scores.dat") << QString();
    QTest::newRow("parent is a regular file") << QStringLiteral("plain/scores.dat") << QStringLiteral("plain");
}

void ScoreStoreTest::failedSaveKeepsOldFile()
{
    QFETCH(QString, target);
    QFETCH(QString, oldFile);

    QTemporaryDir dir;
    if (oldFile.isEmpty())
        QVERIFY(QDir(dir.path()).mkdir(target));
    else
        writeFile(dir.filePath(oldFile), entries(count(21)));
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QVERIFY(!ScoreStore::save(dir.filePath(target), count(20)));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
    if (!oldFile.isEmpty())
        QCOMPARE(TestFiles::contents(dir.filePath(oldFile)), entries(count(21)));
}

void ScoreStoreTest::saveStoppedByFileSizeLimitKeepsOldFile()
{
    // A write that stops half-way, as on a full disk: the old 84 bytes must survive whole.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("scores.dat"));
    const QByteArray old = entries(count(21, 40));
    writeFile(path, old);

    rlimit saved;
    QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
    rlimit tight = saved;
    tight.rlim_cur = 10;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    QVERIFY(setrlimit(RLIMIT_FSIZE, &tight) == 0);
    const bool saved84 = ScoreStore::save(path, count(20, 9000));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(!saved84);
    QCOMPARE(TestFiles::contents(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("scores.dat")});
}

void ScoreStoreTest::updateTakesTheFilesBetterTimes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<quint32>>("expected");

    // This game holds 1000 for level 1 and nothing for level 2, and sets 500 on level 3.
    QTest::newRow("no file: its own times") << QByteArray() << padded({1000, 0, 500}, 20);
    QTest::newRow("an older build's 84 bytes: per level the better")
        << entries(padded({800, 700, 600, 2000}, 20) + QList<quint32>{4100})
        << padded({800, 700, 500, 2000}, 20);
    QTest::newRow("2 entries and a fragment") << entries({1200, 300}) + QByteArray("\x05", 1)
                                              << padded({1000, 300, 500}, 20);
    QTest::newRow("a wrong check value: the times still count")
        << entries(padded({900}, 20) + QList<quint32>{1}) << padded({900, 0, 500}, 20);
}

void ScoreStoreTest::updateTakesTheFilesBetterTimes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<quint32>, expected);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("scores.dat"));
    if (!bytes.isEmpty())
        writeFile(path, bytes);
    QList<quint32> times = padded({1000}, 20);
    QVERIFY(ScoreStore::update(path, times, [](QList<quint32> &merged) {
        merged[2] = 500;
        return true;
    }));
    QCOMPARE(times, expected);
    QCOMPARE(ScoreStore::load(path, 20), expected);
    QCOMPARE(TestFiles::contents(path).size(), 84);
}

void ScoreStoreTest::updateGetsPastALock_data()
{
    QTest::addColumn<bool>("holderAlive");

    QTest::newRow("left by a killed game") << false;
    QTest::newRow("held by a game that does not let go") << true;
}

void ScoreStoreTest::updateGetsPastALock()
{
    // Neither may cost the new record.
    QFETCH(bool, holderAlive);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("scores.dat"));
    QLockFile holder(path + QStringLiteral(".lock"));
    if (holderAlive) {
        QVERIFY(holder.tryLock());
    } else {
        // No process has this id, so the lock's holder is gone.
        writeFile(path + QStringLiteral(".lock"),
                  "4194303\nswirlfall\n" + QSysInfo::machineHostName().toUtf8() + '\n');
    }
    QList<quint32> times = repeated(20, 0);
    QVERIFY(ScoreStore::update(path, times, [](QList<quint32> &merged) {
        merged[0] = 700;
        return true;
    }));
    QCOMPARE(ScoreStore::load(path, 20).at(0), 700u);
    QCOMPARE(QFile::exists(path + QStringLiteral(".lock")), holderAlive);
}

void ScoreStoreTest::streakOfDays_data()
{
    QTest::addColumn<QList<int>>("passes");
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("longest");

    // Each pass a pair: the puzzle's day and the day it was passed on, in days before today (UTC).
    QTest::newRow("passed today") << QList<int>{0, 0} << 1 << 1;
    QTest::newRow("yesterday, then today") << QList<int>{1, 1, 0, 0} << 2 << 2;
    QTest::newRow("passed yesterday: still a streak today") << QList<int>{1, 1} << 1 << 1;
    QTest::newRow("a day missed starts again") << QList<int>{3, 3, 2, 2, 0, 0} << 1 << 2;
    QTest::newRow("two days missed: over, as of today") << QList<int>{3, 3, 2, 2} << 0 << 2;
    QTest::newRow("yesterday's puzzle passed today counts for none") << QList<int>{1, 0} << 0 << 0;
    QTest::newRow("passed twice on its day counts once") << QList<int>{0, 0, 0, 0} << 1 << 1;
}

void ScoreStoreTest::streakOfDays()
{
    QFETCH(QList<int>, passes);
    QFETCH(int, days);
    QFETCH(int, longest);

    const QDate today(2026, 12, 31);
    DailyStreak streak;
    for (int i = 0; i + 1 < passes.size(); i += 2)
        streak.pass(today.addDays(-passes.at(i)), today.addDays(-passes.at(i + 1)));
    QCOMPARE(streak.days(today), days);
    QCOMPARE(streak.longest(), longest);
    // Kept as it is, from a file written whole.
    DailyStreak back;
    QString why;
    QVERIFY2(DailyStreak::read(streak.write(), &back, &why), qPrintable(why));
    QCOMPARE(back.days(today), days);
    QCOMPARE(back.longest(), longest);
}

void ScoreStoreTest::streakFileIsReadStrictly_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("streak");

    QTest::newRow("a streak") << QByteArray("swirlfall-streak 1\ndays 3\nlongest 7\nlast 2026-12-30\n") << true;
    QTest::newRow("none yet") << QByteArray("swirlfall-streak 1\ndays 0\nlongest 4\nlast none\n") << true;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("a line missing") << QByteArray("swirlfall-streak 1\ndays 3\nlongest 7\n") << false;
    QTest::newRow("longest shorter than the streak") << QByteArray("swirlfall-streak 1\ndays 8\nlongest 7\nlast 2026-12-30\n") << false;
    QTest::newRow("days with no last day") << QByteArray("swirlfall-streak 1\ndays 2\nlongest 7\nlast none\n") << false;
    QTest::newRow("a day that is none") << QByteArray("swirlfall-streak 1\ndays 1\nlongest 1\nlast 2026-02-30\n") << false;
    QTest::newRow("another version") << QByteArray("swirlfall-streak 2\ndays 1\nlongest 1\nlast 2026-12-30\n") << false;
    QTest::newRow("not UTF-8") << QByteArray("swirlfall-streak 1\ndays \xff\n") << false;
    QTest::newRow("larger than a streak") << QByteArray(DailyStreak::maxFileBytes + 1, '\n') << false;
}

void ScoreStoreTest::streakFileIsReadStrictly()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, streak);

    DailyStreak read;
    QString why;
    QCOMPARE(DailyStreak::read(bytes, &read, &why), streak);
    QCOMPARE(why.isEmpty(), streak);
    QVERIFY(!why.contains(QLatin1Char('\n')));
}

void ScoreStoreTest::daysPassed_data()
{
    QTest::addColumn<QList<int>>("passes");
    QTest::addColumn<QString>("marks");
    QTest::addColumn<int>("firstMs");
    QTest::addColumn<int>("run");
    QTest::addColumn<int>("rebuilt");

    // Each pass: the puzzle's day, the day it was passed on (in days before today, UTC) and its
    // time. The marks of the days from four days ago to today: O on its day, L late, M missed.
    QTest::newRow("on its day, a day skipped, one late, yesterday missed, today open")
        << QList<int>{4, 4, 900, 2, 1, 800} << "OMLM." << 900 << 0 << 0;
    QTest::newRow("tomorrow's passed today: no day counts it") << QList<int>{-1, 0, 900} << "....." << 0 << 0 << 0;
    QTest::newRow("passed late again, faster: the day keeps its own time") << QList<int>{1, 1, 900, 1, 0, 100} << "...O." << 900 << 0 << 1;
    QTest::newRow("passed again on its day, faster: the faster time, and its hints") << QList<int>{0, 0, 900, 0, 0, 300} << "....O" << 300 << 1 << 1;
    QTest::newRow("three days on their day, then a late one: a run of the three")
        << QList<int>{2, 2, 9, 1, 1, 9, 0, 0, 9, 3, 0, 9} << ".LOOO" << 9 << 3 << 3;
}

void ScoreStoreTest::daysPassed()
{
    QFETCH(QList<int>, passes);
    QFETCH(QString, marks);
    QFETCH(int, firstMs);
    QFETCH(int, run);
    QFETCH(int, rebuilt);

    const QDate today(2027, 1, 2);
    DayLog log;
    for (int i = 0; i + 2 < passes.size(); i += 3)
        log.pass({today.addDays(-passes.at(i)), today.addDays(-passes.at(i + 1)), quint32(passes.at(i + 2)), 1, passes.at(i + 2) / 100});
    DayLog back;
    QString why;
    QVERIFY2(DayLog::read(log.write(), &back, &why), qPrintable(why));
    for (const DayLog *kept : {&log, &back}) {
        QString shown;
        for (int ago = 4; ago >= 0; --ago)
            shown += QStringLiteral(".OLM").at(kept->mark(today.addDays(-ago), today));
        QCOMPARE(shown, marks);
        const DayLog::Day *first = kept->find(today.addDays(-passes.at(0)));
        QCOMPARE(first ? int(first->ms) : 0, firstMs);
        // The hints of the pass kept: a pass of n hundred ms took n.
        QCOMPARE(first ? first->hints : 0, firstMs / 100);
        QCOMPARE(kept->runEndingOn(today), run);
        QCOMPARE(kept->streak().days(today), rebuilt);
    }
}

void ScoreStoreTest::daysFileIsReadStrictly_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("days");

    QTest::newRow("two days") << QByteArray("swirlfall-days 1\n2026-12-09 2026-12-09 4810 2 0\n2026-12-10 2026-12-12 3250 3 2\n") << true;
    QTest::newRow("a day without the hints it took") << QByteArray("swirlfall-days 1\n2026-12-09 2026-12-09 4810 2\n") << false;
    QTest::newRow("none yet") << QByteArray("swirlfall-days 1\n") << true;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("a line cut short") << QByteArray("swirlfall-days 1\n2026-12-09 2026-12-09 48") << false;
    QTest::newRow("passed before its day") << QByteArray("swirlfall-days 1\n2026-12-10 2026-12-09 4810 2 0\n") << false;
    QTest::newRow("a day twice") << QByteArray("swirlfall-days 1\n2026-12-09 2026-12-09 1 2 0\n2026-12-09 2026-12-10 1 2 0\n") << false;
    QTest::newRow("days out of order") << QByteArray("swirlfall-days 1\n2026-12-10 2026-12-10 1 2 0\n2026-12-09 2026-12-09 1 2 0\n") << false;
    QTest::newRow("no time") << QByteArray("swirlfall-days 1\n2026-12-09 2026-12-09 0 2 0\n") << false;
    QTest::newRow("more wells than a level offers") << QByteArray("swirlfall-days 1\n2026-12-09 2026-12-09 4810 99 0\n") << false;
    QTest::newRow("more hints than a proof has wells") << QByteArray("swirlfall-days 1\n2026-12-09 2026-12-09 4810 2 99\n") << false;
    QTest::newRow("a number as it is never written") << QByteArray("swirlfall-days 1\n2026-12-09 2026-12-09 169 3 01\n") << false;
    QTest::newRow("a day that is none") << QByteArray("swirlfall-days 1\n2026-02-30 2026-03-01 10 2 0\n") << false;
    QTest::newRow("another version") << QByteArray("swirlfall-days 2\n") << false;
    QTest::newRow("larger than a file of days") << QByteArray(DayLog::maxFileBytes + 1, '\n') << false;
}

void ScoreStoreTest::daysFileIsReadStrictly()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, days);

    DayLog read;
    QString why;
    QCOMPARE(DayLog::read(bytes, &read, &why), days);
    QCOMPARE(why.isEmpty(), days);
    QVERIFY(!why.contains(QLatin1Char('\n')));
    if (days)
        QCOMPARE(read.write(), bytes);
}

QTEST_GUILESS_MAIN(ScoreStoreTest)
#include "tst_scorestore.moc"
