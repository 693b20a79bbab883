// Runs the game's record rule (in save_helper, which links the game's library) in two processes
// at once on one "scores.dat", each passing its own levels, and one level both, with ever better
// times, as two windows open in one folder would. Guards against a save that writes back a stale copy of the other game's levels: afterwards
// every level must hold the best time either game saved, and the file must be a whole 84 bytes
// with a correct check value whenever it is read in between. Guards the run kept beside each
// record too: read after the time, it is never slower, and in the end it is the run of that time.
#include "levels/catalogue/LevelCatalogue.h"
#include "levels/format/Replay.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <QTest>

#include <array>

namespace {
constexpr int levels = 20;
constexpr int recordsPerLevel = 150;
// Bounds every wait on the games; none of them is a sleep.
constexpr int waitMs = 60000;

// The time of the run kept for level, 0 when there is none.
quint32 keptRun(const QString &folder, int level)
{
    Replay run;
    QString why;
    const QString path = QStringLiteral("%1/replays/level-%2.txt").arg(folder).arg(level, 2, 10, QLatin1Char('0'));
    return Replay::readFile(path, LevelCatalogue::levelCount, &run, &why) ? run.time : 0;
}

// True when the file is absent or whole (20 times and their sum), and no run kept beside it is
// slower than its time: the run is saved before the time, so one read after it can only be faster.
bool wholeOrAbsent(const QString &path, QString *why)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true;
    const QByteArray bytes = file.readAll();
    if (bytes.size() != 4 * (levels + 1))
        return *why = QStringLiteral("the file has %1 bytes").arg(bytes.size()), false;
    quint32 sum = 0;
    for (int i = 0; i < levels; ++i) {
        const quint32 time = qFromLittleEndian<quint32>(bytes.constData() + 4 * i);
        const quint32 run = keptRun(QFileInfo(path).path(), i + 1);
        if (time != 0 && (run == 0 || run > time))
            return *why = QStringLiteral("level %1: a run of %2 ms kept beside %3 ms").arg(i + 1).arg(run).arg(time), false;
        sum += time;
    }
    if (sum != qFromLittleEndian<quint32>(bytes.constData() + 4 * levels))
        return *why = QStringLiteral("the check value is not the sum"), false;
    return true;
}
} // namespace

class ConcurrentSavesTest : public QObject
{
    Q_OBJECT

private slots:
    void twoGamesKeepEachOthersRecords();
};

void ConcurrentSavesTest::twoGamesKeepEachOthersRecords()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("scores.dat"));
    QProcess games[2];
    const QString ownLevels[2] = {QStringLiteral("1 3 5 7 9 11 13 15 17 19 20"), QStringLiteral("2 4 6 8 10 12 14 16 18 20")};
    for (int g = 0; g < 2; ++g) {
        games[g].setWorkingDirectory(dir.path());
        games[g].start(QStringLiteral(SAVE_HELPER),
                       QStringList{QStringLiteral("record"), QString::number(recordsPerLevel)} + ownLevels[g].split(QLatin1Char(' ')));
        QVERIFY2(games[g].waitForStarted(waitMs), qPrintable(games[g].errorString()));
    }
    QElapsedTimer running;
    running.start();
    int reads = 0;
    while (games[0].state() != QProcess::NotRunning || games[1].state() != QProcess::NotRunning) {
        QVERIFY2(running.elapsed() < waitMs, "the games did not finish");
        QString why;
        QVERIFY2(wholeOrAbsent(path, &why), qPrintable(why));
        ++reads;
        for (QProcess &game : games)
            game.waitForFinished(1);
    }

    std::array<quint32, levels> saved{};
    for (QProcess &game : games) {
        QCOMPARE(game.exitStatus(), QProcess::NormalExit);
        QCOMPARE(game.exitCode(), 0);
        const QList<QByteArray> lines = game.readAllStandardOutput().split('\n');
        for (const QByteArray &line : lines) {
            const QList<QByteArray> words = line.split(' ');
            if (words.size() != 2)
                continue;
            quint32 &best = saved[size_t(words.at(0).toInt() - 1)];
            const quint32 time = words.at(1).toUInt();
            if (best == 0 || time < best)
                best = time;
        }
    }
    QString why;
    QVERIFY2(wholeOrAbsent(path, &why), qPrintable(why));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    for (int level = 1; level <= levels; ++level) {
        QVERIFY2(saved[size_t(level - 1)] != 0, qPrintable(QStringLiteral("level %1 was never saved").arg(level)));
        QCOMPARE(qFromLittleEndian<quint32>(bytes.constData() + 4 * (level - 1)), saved[size_t(level - 1)]);
        QCOMPARE(keptRun(dir.path(), level), saved[size_t(level - 1)]);
    }
    qInfo("%d records saved by two games at once, the file read %d times in between", levels * recordsPerLevel,
          reads);
}

QTEST_GUILESS_MAIN(ConcurrentSavesTest)
#include "tst_concurrentsaves.moc"
