#include "game/RecordBook.h"

#include "game/GameLog.h"

#include "levels/catalogue/LevelCatalogue.h"
#include "levels/format/Level.h"
#include "levels/format/LevelFile.h"
#include "levels/format/UntrustedText.h"
#include "levels/saves/AtomicWriter.h"
#include "levels/saves/LevelRecords.h"
#include "levels/saves/ScoreStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>


namespace {
const char runFolder[] = "replays";

bool beats(quint32 time, quint32 best)
{
    return best == 0 || time < best;
}

// A record or a run that could not be kept is said on standard error, where a player who asks
// finds why, for the game goes on playing.
void complain(const QString &line)
{
    qCWarning(gameLog).noquote() << line;
}

bool fitsAReplay(const Replay &run)
{
    for (const Replay::Action &action : run.actions) {
        if (!action.isWithinReach())
            return false;
    }
    return true;
}
} // namespace

RecordBook::RecordBook(const QString &scoreFileName, int levelCount)
    : scoreFileName(scoreFileName),
      levelRecordsName(QFileInfo(scoreFileName).dir().filePath(QLatin1String(LevelRecords::fileName))),
      times(ScoreStore::load(scoreFileName, levelCount)),
      fileTimes(LevelRecords::load(levelRecordsName))
{
    const QString notAFile = UntrustedText::notAFile(scoreFileName, QCoreApplication::translate("RecordBook", "a file for best times"));
    if (notAFile.isEmpty())
        return;
    timesKept = false;
    complain(QCoreApplication::translate("RecordBook", "%1: %2; the best times of this session are not kept")
                 .arg(scoreFileName, notAFile));
}

QString RecordBook::folder() const
{
    return QFileInfo(scoreFileName).dir().path();
}

quint32 RecordBook::best(const Level &level) const
{
    return level.number ? times.value(level.number - 1) : fileTimes.value(level.fingerprint());
}

bool RecordBook::judge(const Level &level, quint32 time, const Replay &run)
{
    bool record = false;
    QString why;
    recordKept = true;
    if (level.number) {
        const auto take = [&](QList<quint32> &merged) {
            quint32 &best = merged[level.number - 1];
            record = beats(time, best);
            if (record) {
                saveRun(level, run);
                best = time;
            }
            return record;
        };
        // Said once, when the game started.
        if (!timesKept) {
            recordKept = false;
            return take(times);
        }
        recordKept = ScoreStore::update(scoreFileName, times, take, &why);
        if (!recordKept)
            complain(QCoreApplication::translate("RecordBook", "the record could not be saved in %1: %2").arg(scoreFileName, why));
        return record;
    }
    ScoreStore::underLock(scoreFileName, [&] {
        fileTimes = LevelRecords::best(fileTimes, LevelRecords::load(levelRecordsName));
        const QString key = level.fingerprint();
        record = beats(time, fileTimes.value(key));
        if (record) {
            saveRun(level, run);
            fileTimes.insert(key, time);
            recordKept = AtomicWriter::writeKept(levelRecordsName, LevelRecords::write(fileTimes), &why);
            if (!recordKept)
                complain(QCoreApplication::translate("RecordBook", "the record could not be saved in %1: %2").arg(levelRecordsName, why));
        }
    });
    return record;
}

QString RecordBook::runFile(const Level &level) const
{
    const QString name = level.number
        ? QStringLiteral("level-%1.txt").arg(level.number, 2, 10, QLatin1Char('0'))
        : level.fingerprint() + QLatin1Char('.') + QLatin1String(LevelFile::extension);
    return QDir(folder()).filePath(QLatin1String(runFolder) + QLatin1Char('/') + name);
}

bool RecordBook::hasRun(const Level &level) const
{
    return QFileInfo(runFile(level)).isFile();
}

bool RecordBook::keptRun(const Level &level, Replay *run) const
{
    const QString path = runFile(level);
    Level kept;
    QString why;
    if (!hasRun(level))
        return false;
    if (!LevelCatalogue::readPlayback(path, &kept, &why)) {
        complain(why);
        return false;
    }
    if (!kept.proof || !kept.playsLike(level)) {
        complain(QCoreApplication::translate("RecordBook", "%1: not a run of this level").arg(path));
        return false;
    }
    *run = *kept.proof;
    return true;
}

void RecordBook::saveRun(const Level &level, const Replay &run) const
{
    const QString path = runFile(level);
    QString text = run.toText();
    if (level.number == 0) {
        Level proven = level;
        proven.proof = run;
        text = LevelFile::toText(proven);
    }
    QString why;
    if (!fitsAReplay(run))
        why = QCoreApplication::translate("RecordBook", "a drag beyond a player's reach");
    else if (AtomicWriter::writeKept(path, text.toUtf8(), &why))
        return;
    complain(QCoreApplication::translate("RecordBook", "the run that set this record could not be kept in %1: %2").arg(path, why));
}
