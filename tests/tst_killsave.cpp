// Kills the game's own save (run by save_helper, which links the game's library) with SIGKILL
// while it rewrites "scores.dat", hundreds of times. Guards the player's records against a crash
// mid-save: the file must always hold either the old 84 bytes or the new 84 bytes. A kill between the save's temporary file and its rename leaves that one
// file behind, which harms no record; more than one per kill would mean they pile up.
#include "TestFiles.h"
#include "levels/saves/ScoreStore.h"

#include <QBuffer>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {
constexpr int kills = 300;
// Bounds every wait on the child; none of them is a sleep.
constexpr int waitMs = 10000;

QByteArray bytesOf(const QList<quint32> &times)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ScoreStore::write(buffer, times);
    return buffer.data();
}

} // namespace

class KillSaveTest : public QObject
{
    Q_OBJECT

private slots:
    void killDuringSave();
};

void KillSaveTest::killDuringSave()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("scores.dat"));
    QList<quint32> old;
    for (quint32 level = 1; level <= 20; ++level)
        old.append(1000 * level + 370);
    QList<quint32> better = old;
    for (quint32 &time : better)
        time -= 10;
    const QByteArray oldBytes = bytesOf(old);
    const QByteArray newBytes = bytesOf(better);
    QVERIFY(ScoreStore::save(path, old));

    QRandomGenerator random(7);
    int seenOld = 0;
    int seenNew = 0;
    int leftovers = 0;
    for (int kill = 0; kill < kills; ++kill) {
        QProcess game;
        game.setWorkingDirectory(dir.path());
        game.start(QStringLiteral(SAVE_HELPER), {QStringLiteral("save")});
        QVERIFY2(game.waitForStarted(waitMs), qPrintable(game.errorString()));
        // Kill once the game has reported a random number of saves: it is deep in the next one.
        const int saves = int(random.bounded(1, 40));
        int lines = 0;
        while (lines < saves) {
            QVERIFY2(game.waitForReadyRead(waitMs), "the game stopped saving");
            lines += game.readAll().count('\n');
        }
        game.kill();
        QVERIFY(game.waitForFinished(waitMs));

        const QByteArray now = TestFiles::contents(path);
        QVERIFY2(now == oldBytes || now == newBytes,
                 qPrintable(QStringLiteral("kill %1 left %2 bytes of something else").arg(kill).arg(now.size())));
        (now == oldBytes ? seenOld : seenNew)++;
        QStringList others = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        QVERIFY(others.removeOne(QStringLiteral("scores.dat")));
        QVERIFY2(others.size() <= 1, qPrintable(others.join(QLatin1Char(' '))));
        for (const QString &other : std::as_const(others)) {
            QVERIFY2(other.startsWith(QStringLiteral("scores.dat.")), qPrintable(other));
            QVERIFY(QFile::remove(dir.filePath(other)));
            ++leftovers;
        }
        // The next run starts from whichever records survived; put the old ones back.
        if (now != oldBytes)
            QVERIFY(ScoreStore::save(path, old));
    }
    qInfo("%d kills: %d left the old records, %d the new ones, none anything else; %d left a temporary file",
          kills, seenOld, seenNew, leftovers);
}

QTEST_GUILESS_MAIN(KillSaveTest)
#include "tst_killsave.moc"
